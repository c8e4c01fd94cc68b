# Stand-ins for the splash window, about box, driver warning and zoom hint.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE later_windows.cpp)
endif()
