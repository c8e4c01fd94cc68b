# The device-change notification through udev's monitor of the input subsystem.
mqt_add_gtest(test_device_change_monitor SOURCES device_change_monitor_test.cpp LIBS mqt_platform)
