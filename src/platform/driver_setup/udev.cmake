# The real mice attached to this machine, enumerated with libudev.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    udev_mice.cpp
  )
endif()
