mqt_add_gtest(test_language SOURCES language_test.cpp LIBS mqt_core)
