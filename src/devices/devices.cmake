# Device list, field splitter, INF editing, filter installation and removal.
target_sources(mqt_core PRIVATE
  capture_driver_check.cpp
  device_change.cpp
  device_entry.cpp
  device_list.cpp
  device_list_format.cpp
  device_list_refresh.cpp
  device_management.cpp
  device_services.cpp
  extract_field.cpp
  filter_removal.cpp
  inf_edit.cpp
  inf_models.cpp
  mouse_filter_install.cpp
  restart_computer.cpp
)
