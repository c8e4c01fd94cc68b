if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE MainUnit_analysis.cpp)
endif()
