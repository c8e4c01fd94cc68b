# The station: the only place that wires the real platform together.
add_executable(mouse-quality-test main.cpp)
target_link_libraries(mouse-quality-test PRIVATE mqt_ui)
install(TARGETS mouse-quality-test RUNTIME DESTINATION ${MQT_INSTALL_DIR})
