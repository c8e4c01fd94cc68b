if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE performance_counter.cpp)
endif()
