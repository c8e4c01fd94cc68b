mqt_add_qtest(test_main_window SOURCES main_window_test.cpp station_fakes.h LIBS mqt_ui)
mqt_add_gtest(test_whole_number SOURCES whole_number_test.cpp LIBS mqt_core)
