# The driver set-up library, its state, the present mice and the host files
# the device steps use. Plain C++ and POSIX; the tools in Tool/ share it.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    bound_mice.cpp
    driver_setup_state.cpp
    host_driver_setup.cpp
    host_file_store.cpp
    present_mice.cpp
    text_file.cpp
  )
endif()
