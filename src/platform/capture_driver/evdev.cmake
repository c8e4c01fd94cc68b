# Real mice: their evdev nodes opened with libevdev and read frame by frame,
# and the provider that opens the mice bound to the capture filter.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    bound_mice_provider.cpp
    evdev_frames.cpp
    evdev_open.cpp
    evdev_source.cpp
  )
endif()
