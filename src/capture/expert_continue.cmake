# The continuous capture's Start and Stop on the expert console.
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE ExpertUnit_continue.cpp)
endif()
