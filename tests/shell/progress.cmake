mqt_add_gtest(test_progress_dots SOURCES progress_dots_test.cpp LIBS mqt_core)
mqt_add_qtest(test_progress_form SOURCES progress_form_test.cpp station_fakes.h LIBS mqt_ui)
