# Real mice: the evdev report source fed as a node feeds it.
if(NOT MQT_CORE_ONLY)
  mqt_add_gtest(test_evdev_source SOURCES evdev_source_test.cpp LIBS mqt_platform)
endif()
