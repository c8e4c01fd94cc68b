mqt_add_qtest(test_main_window SOURCES main_window_test.cpp station_fakes.h test_station.h
              LIBS mqt_ui)
mqt_add_qtest(test_test_control SOURCES test_control_test.cpp station_fakes.h test_station.h
              LIBS mqt_ui)
mqt_add_gtest(test_whole_number SOURCES whole_number_test.cpp LIBS mqt_core)
mqt_add_qtest(test_station_start SOURCES station_start_test.cpp station_fakes.h LIBS mqt_ui)
if(TARGET mouse-quality-analyze)
  mqt_add_qtest(test_analysis_window SOURCES analysis_window_test.cpp station_fakes.h
                test_station.h LIBS mqt_ui)
  add_dependencies(test_analysis_window mouse-quality-analyze)
endif()
mqt_add_qtest(test_zoom_window SOURCES zoom_window_test.cpp station_fakes.h test_station.h
              LIBS mqt_ui)
mqt_add_qtest(test_device_window SOURCES device_window_test.cpp station_fakes.h test_station.h
              LIBS mqt_ui)
