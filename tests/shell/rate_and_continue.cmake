mqt_add_qtest(test_rate_and_continue SOURCES rate_and_continue_test.cpp station_fakes.h
              test_station.h LIBS mqt_ui)
