if(NOT MQT_CORE_ONLY)
  mqt_add_gtest(test_driver_setup SOURCES driver_setup_test.cpp LIBS mqt_platform)
  # Runs the tools in Tool/ as the station starts them.
  mqt_add_gtest(test_device_tools SOURCES device_tools_test.cpp LIBS mqt_platform)
  add_dependencies(test_device_tools GetList devcon)
endif()
