mqt_add_gtest(test_zoom SOURCES zoom_test.cpp LIBS mqt_core)
mqt_add_gtest(test_zoomed_wave SOURCES zoomed_wave_test.cpp LIBS mqt_core)
mqt_add_gtest(test_wave_range SOURCES wave_range_test.cpp LIBS mqt_core)

if(NOT MQT_CORE_ONLY)
  mqt_add_gtest(test_qimage_canvas SOURCES qimage_canvas_test.cpp gui_environment.cpp LIBS mqt_ui)
  mqt_add_gtest(test_wave_plot SOURCES wave_plot_test.cpp gui_environment.cpp LIBS mqt_ui)
  # Pictures of the plain and zoomed views, written for a look.
  target_compile_definitions(test_wave_plot PRIVATE
    MQT_DISPLAY_OUTPUT_DIR="${CMAKE_BINARY_DIR}/tests/output/display")
  mqt_add_gtest(test_image_saving SOURCES image_saving_test.cpp gui_environment.cpp LIBS mqt_ui)
  mqt_add_gtest(test_zoom_cursors SOURCES zoom_cursors_test.cpp gui_environment.cpp LIBS mqt_ui)
  mqt_add_gtest(test_zoom_scroll_bar SOURCES zoom_scroll_bar_test.cpp widget_environment.cpp
    LIBS mqt_ui Qt6::Test)
endif()
