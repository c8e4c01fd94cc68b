mqt_add_gtest(test_report_rate SOURCES report_rate_test.cpp LIBS mqt_core)
