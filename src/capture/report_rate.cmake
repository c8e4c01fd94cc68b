# The report-rate monitor's rate step.
target_sources(mqt_core PRIVATE report_rate.cpp)
