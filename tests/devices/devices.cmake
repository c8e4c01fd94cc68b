mqt_add_gtest(test_devices
  SOURCES extract_field_test.cpp device_list_test.cpp inf_test.cpp device_management_test.cpp
  LIBS mqt_core)
