# Records per second through driver, capture loop, hand-over and placement.
if(NOT MQT_CORE_ONLY)
  mqt_add_benchmark(bench_capture_pipeline
    SOURCES capture/capture_pipeline_benchmark.cpp
    LIBS mqt_platform)
endif()
