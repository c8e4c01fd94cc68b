# The report-rate monitor's mouse hook: XInput2 raw motion on X11, evdev otherwise.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE mouse_hook.cpp)
endif()
