# The capture driver in the process, and the report sources behind it.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    capture_driver.cpp
    capture_source_provider.cpp
    replay_source.cpp
    report_clock.cpp
    simulated_mouse.cpp
  )
endif()
