# The command-line analyser against the in-process analysis, on recordings of
# the simulated mouse; and the tool that writes those recordings.
if(TARGET mouse-quality-analyze)
  mqt_add_gtest(test_analyzer SOURCES analyzer_test.cpp LIBS mqt_core Qt6::Core)
  add_dependencies(test_analyzer mouse-quality-analyze)

  add_executable(make_analysis_fixtures make_capture_fixtures.cpp)
  target_link_libraries(make_analysis_fixtures PRIVATE mqt_platform)
  set_target_properties(make_analysis_fixtures PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
