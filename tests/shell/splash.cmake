mqt_add_gtest(test_region_from_bitmap SOURCES region_from_bitmap_test.cpp LIBS mqt_core)
mqt_add_qtest(test_first SOURCES first_test.cpp LIBS mqt_ui)
# Not a test: shows the splash window for looking at it under a real X server.
add_executable(show_splash show_splash.cpp)
set_target_properties(show_splash PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(show_splash PRIVATE mqt_ui)
target_compile_definitions(show_splash PRIVATE MQT_BIN_DIR="${MQT_BIN_DIR}")
add_dependencies(show_splash mqt_res_pictures)
