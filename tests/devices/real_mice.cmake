if(NOT MQT_CORE_ONLY)
  # Real mice from udev's description, and the listing tool's lines for them.
  mqt_add_gtest(test_real_mice SOURCES real_mice_test.cpp LIBS mqt_platform)
endif()
