mqt_add_gtest(test_continue_dump SOURCES continue_dump_test.cpp LIBS mqt_core)
if(NOT MQT_CORE_ONLY)
  mqt_add_gtest(test_continue_capture SOURCES continue_capture_test.cpp LIBS mqt_platform)
endif()
