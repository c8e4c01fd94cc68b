target_sources(mqt_core PRIVATE
  sample_timeline.cpp
  display_value.cpp
)
