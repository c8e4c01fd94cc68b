#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_run.h"
#include "capture/sample_timeline.h"

namespace mqt {

// One JSON object with everything a run produced from a placed timeline:
// the timeline itself, the interval lines placement wrote to AlgmAMemo, the
// axis log, the verdict with its counts, the score and the console texts.
// Members that the run did not produce are null. 32-bit floats are written so
// that reading the number back gives the same float.
std::string AnalysisJson(const SampleTimeline& timeline,
                         const std::vector<std::string>& interval_lines,
                         const AnalysisResult& result);

// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);

}  // namespace mqt
