mqt_add_gtest(test_languageunit SOURCES languageunit_test.cpp LIBS mqt_core)
