# The continuous capture: record dump, dump lines and the dump file (no Qt);
# the capture thread itself.
target_sources(mqt_core PRIVATE continue_dump.cpp dump_file.cpp)
if(NOT MQT_CORE_ONLY)
  target_sources(mqt_platform PRIVATE ContinueCaptureUnit.cpp)
endif()
