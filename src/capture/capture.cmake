# Capture logic (no Qt): record layout, capture loop, record placement, recordings.
target_sources(mqt_core PRIVATE
  capture_record.cpp
  capture_loop.cpp
  record_placement.cpp
  capture_recording.cpp
)
