#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/scoring_algorithm.h"
#include "analysis/scoring_step.h"
#include "capture/sample_timeline.h"

namespace mqt {

// What one analysis run (bt_WaveConvertClick) works with besides the timeline.
struct AnalysisParams {
  std::string operator_mode;         // "Expert" runs algorithms A-D and skips the swing check
  int screen_width = 1024;           // exactly 800 narrows the main window range
  std::string interval_text = "8";   // le_Interval's text; the run needs exactly "8"
  std::int32_t peak_threshold = 10;  // changed only by the hidden "Advance test" mode
  std::string active_language = "English";
  bool continue_ticked = false;  // the expert console's cb_Continue
};

// How the run ended.
enum class Verdict {
  NotRun,     // interval text not "8": only AxisMemo is cleared
  FailScore,  // a gap, a late start or a missing end
  FewPeak,    // enough reversals, too few of them large
  TooSlow,    // too few reversals
  Scored,     // score is set
};

// The language key of the verdict's message box, or nullptr when none is shown.
const char* VerdictMessageKey(Verdict verdict);
// "not_run", "MsgFailScore", "MsgFewPeak", "MsgTooSlow" or "scored".
const char* VerdictName(Verdict verdict);

// Everything a run produces. The window applies it in this order:
// AxisMemo = axis_log (always; empty when not run); enable the six zoom
// controls when enable_zoom; for each algorithm k when `algorithms` is set:
// lb_AlgmX = d_label, the console's lb_ScoreX = score_label, AlgmXMemo = memo
// (replacing the interval lines); then the message box of
// VerdictMessageKey(verdict), if any; then `score`, if set (see ScoreResult).
struct AnalysisResult {
  Verdict verdict = Verdict::NotRun;
  std::vector<std::string> axis_log;
  bool enable_zoom = false;

  // The measured values below mean something only when verdict != NotRun.
  bool continuity = true;
  std::int32_t reversal_count = 0;  // after the 800-pixel scaling
  std::int32_t peak_count = 0;      // after the 800-pixel scaling
  std::int32_t shortest_interval = 8;
  float deviation_sum = 0;  // final: penalties, scaling and base offset included

  std::optional<std::array<AlgorithmOutput, 4>> algorithms;  // Expert mode only
  std::optional<ScoreResult> score;                          // Scored only
};

// One analysis run over entries 0 .. sample_count - 1 of a finished timeline.
// A sample count outside 0..2048 is taken as the nearest bound.
AnalysisResult RunAnalysis(const SampleTimeline& timeline, const AnalysisParams& params);

}  // namespace mqt
