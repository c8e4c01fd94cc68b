# The capture threads (QThread): the shared capture thread and the test capture.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE
    capture_thread.cpp
    precise_pause.cpp
    MouWaveThreadUnit.cpp
  )
endif()
