# Real mice: their evdev nodes opened with libevdev and read frame by frame.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    evdev_frames.cpp
    evdev_open.cpp
    evdev_source.cpp
  )
endif()
