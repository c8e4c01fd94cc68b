if(NOT MQT_CORE_ONLY)
  add_executable(mouse_hook_rate_check mouse_hook_rate_check.cpp)
  set_target_properties(mouse_hook_rate_check PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(mouse_hook_rate_check PRIVATE mqt_platform)
  add_test(NAME mouse_hook_rate_under_xvfb
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/mouse_hook_xvfb.sh
                   $<TARGET_FILE:mouse_hook_rate_check>)
  set_tests_properties(mouse_hook_rate_under_xvfb PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
endif()
