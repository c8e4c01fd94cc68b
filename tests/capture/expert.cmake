if(NOT MQT_CORE_ONLY)
  mqt_add_qtest(test_expert_window SOURCES expert_window_test.cpp LIBS mqt_ui)
endif()
