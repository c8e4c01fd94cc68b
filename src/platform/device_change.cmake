# The device-change notification: udev's monitor of the input subsystem.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    device_change_monitor.cpp
  )
endif()
