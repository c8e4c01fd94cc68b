mqt_add_qtest(test_dialogs SOURCES dialogs_test.cpp LIBS mqt_ui)
