# libudev against a fake sysfs tree: umockdev's test bed, loaded into the test
# by umockdev-wrapper.
if(NOT MQT_CORE_ONLY)
  pkg_check_modules(UMOCKDEV QUIET IMPORTED_TARGET umockdev-1.0)
  find_program(UMOCKDEV_WRAPPER umockdev-wrapper)
  if(UMOCKDEV_FOUND AND UMOCKDEV_WRAPPER)
    add_executable(test_udev_mice udev_mice_test.cpp)
    set_target_properties(test_udev_mice PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(test_udev_mice PRIVATE mqt_platform PkgConfig::UMOCKDEV
                          GTest::gtest GTest::gtest_main)
    target_compile_definitions(test_udev_mice PRIVATE MQT_BIN_DIR="${MQT_BIN_DIR}"
                               MQT_ASSETS_DIR="${CMAKE_SOURCE_DIR}/assets")
    add_dependencies(test_udev_mice GetList)
    add_test(NAME test_udev_mice COMMAND ${UMOCKDEV_WRAPPER} $<TARGET_FILE:test_udev_mice>)
    # The wrapper's library is loaded before the sanitizer's.
    set_tests_properties(test_udev_mice PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1:abort_on_error=1")
  else()
    message(WARNING "umockdev not found: the udev enumeration test is not built")
  endif()
endif()
