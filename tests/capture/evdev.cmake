# Real mice: the evdev report source fed as a node feeds it, and recorded real
# mice captured through the driver and MouWaveThread and scored.
if(NOT MQT_CORE_ONLY)
  mqt_add_gtest(test_evdev_source SOURCES evdev_source_test.cpp LIBS mqt_platform)
  mqt_add_gtest(test_evdev_capture SOURCES evdev_capture_test.cpp LIBS mqt_platform)
endif()
