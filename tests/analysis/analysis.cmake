mqt_add_gtest(test_analysis
  SOURCES
    real_text_test.cpp
    triple_deviation_test.cpp
    score_mapping_test.cpp
    scoring_step_test.cpp
    scoring_algorithm_test.cpp
    analysis_run_test.cpp
    analysis_json_test.cpp
  LIBS mqt_core)
