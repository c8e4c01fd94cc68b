mqt_add_benchmark(bench_analysis SOURCES analysis/analysis_benchmark.cpp LIBS mqt_core)
