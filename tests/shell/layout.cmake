mqt_add_gtest(test_languageunit SOURCES languageunit_test.cpp LIBS mqt_core)
mqt_add_qtest(test_caption_plan SOURCES caption_plan_test.cpp LIBS mqt_ui)
