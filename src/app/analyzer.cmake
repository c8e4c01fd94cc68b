# mouse-quality-analyze: the command-line analyser for stored captures.
# Core logic only: no windows, no devices.
# It places recordings with capture's record placement; until that is in the
# tree there is nothing to build.
if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/../capture/record_placement.h)
  message(STATUS "mouse-quality-analyze needs capture/record_placement.h: not built")
  return()
endif()
add_executable(mouse-quality-analyze
  analyze/main.cpp
  analyze/analyze_options.cpp
  analyze/recording_placement.cpp
)
target_link_libraries(mouse-quality-analyze PRIVATE mqt_core)
install(TARGETS mouse-quality-analyze RUNTIME DESTINATION ${MQT_INSTALL_DIR})
