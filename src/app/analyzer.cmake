# mouse-quality-analyze: the command-line analyser for stored captures.
# Core logic only: no windows, no devices.
add_executable(mouse-quality-analyze
  analyze/main.cpp
  analyze/analyze_options.cpp
  analyze/recording_placement.cpp
)
target_link_libraries(mouse-quality-analyze PRIVATE mqt_core)
install(TARGETS mouse-quality-analyze RUNTIME DESTINATION ${MQT_INSTALL_DIR})
