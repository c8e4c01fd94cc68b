target_sources(mqt_core PRIVATE
  real_text.cpp
  triple_deviation.cpp
  score_mapping.cpp
  grade_table.cpp
  scoring_algorithm.cpp
  scoring_step.cpp
  analysis_run.cpp
  analysis_json.cpp
)
