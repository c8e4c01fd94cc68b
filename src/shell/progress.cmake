# The progress banner and its dot cycle.
target_sources(mqt_core PRIVATE progress_dots.cpp)
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_ui PRIVATE ProgressUnit.cpp)
endif()
