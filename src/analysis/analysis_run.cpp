#include "analysis/analysis_run.h"

#include <algorithm>

#include "analysis/real_text.h"
#include "analysis/triple_deviation.h"

namespace mqt {
namespace {

constexpr std::int32_t kWindowFirst = 161;
constexpr std::int32_t kWindowLast = 960;
constexpr std::int32_t kNarrowWindowLast = 710;
constexpr int kNarrowScreenWidth = 800;
constexpr std::int32_t kGapLimit = 10;
constexpr double kGapPenalty = 0.6;
constexpr double kBaseOffset = 30.0;
constexpr std::int32_t kAmplitudeThreshold = 24;
constexpr std::int32_t kFastAmplitudeThreshold = 18;
constexpr std::int32_t kFastPeakThreshold = 7;
constexpr std::int32_t kInitialShortestInterval = 8;
// The main window range ends with this many entries that may not all be empty.
constexpr std::int32_t kEndCheckEntries = 4;

std::string AxisLine(const SampleSlot& e, std::int32_t i) {
  std::string line = "X=" + DecimalText(e.dx);
  line += "\tY=" + DecimalText(e.dy);
  line += "\tT=" + DecimalText(e.interval_ms);
  line += "ms\t" + DecimalText(static_cast<std::int64_t>(i) + 1);
  return line;
}

// Half-swings of X inside the main window range: a reversal at every sign
// change, a peak for each finished half-swing whose extreme reached the
// amplitude threshold.
struct SwingTracker {
  std::int32_t extreme = 0;
  std::int32_t reversals = 0;
  std::int32_t peaks = 0;

  void Add(std::int32_t x, std::int32_t threshold) {
    if (x > 0) {
      if (extreme < 0) ++reversals;
      if (extreme <= -threshold) ++peaks;
      if (x > extreme) extreme = x;
    } else if (x < 0) {
      if (extreme > 0) ++reversals;
      if (extreme >= threshold) ++peaks;
      if (x < extreme) extreme = x;
    }
  }
};

std::int32_t ScaleToWideScreen(std::int32_t count) {
  return static_cast<std::int32_t>(static_cast<std::int64_t>(count) * 16 / 11);
}

}  // namespace

const char* VerdictMessageKey(Verdict verdict) {
  switch (verdict) {
    case Verdict::FailScore:
      return "MsgFailScore";
    case Verdict::FewPeak:
      return "MsgFewPeak";
    case Verdict::TooSlow:
      return "MsgTooSlow";
    case Verdict::NotRun:
    case Verdict::Scored:
      break;
  }
  return nullptr;
}

const char* VerdictName(Verdict verdict) {
  // A failure is named by its message key; the JSON and the window agree on it.
  if (const char* key = VerdictMessageKey(verdict)) return key;
  return verdict == Verdict::Scored ? "scored" : "not_run";
}

AnalysisResult RunAnalysis(const SampleTimeline& timeline, const AnalysisParams& params) {
  AnalysisResult r;
  // The analysis is tuned to 8 ms slots; any other slot length is not rated.
  if (params.interval_text != "8") return r;

  const bool expert = params.operator_mode == "Expert";
  const bool narrow = params.screen_width == kNarrowScreenWidth;
  const std::int32_t window_last = narrow ? kNarrowWindowLast : kWindowLast;
  const std::int32_t count =
      std::clamp<std::int32_t>(timeline.sample_count, 0, SampleTimeline::kEntries);

  std::array<ScoringAlgorithm, 4> algorithms = {
      ScoringAlgorithm(AlgorithmKind::A), ScoringAlgorithm(AlgorithmKind::B),
      ScoringAlgorithm(AlgorithmKind::C), ScoringAlgorithm(AlgorithmKind::D)};
  if (expert) {
    for (ScoringAlgorithm& a : algorithms) a.Prepare();
    r.enable_zoom = true;
  }

  float sum = 0;
  std::int32_t newest = 0, middle = 0, oldest = 0;
  SwingTracker swings;
  std::int32_t amplitude_threshold = kAmplitudeThreshold;
  std::int32_t shortest = kInitialShortestInterval;
  std::int32_t last_window_entry = kWindowFirst - 1;
  bool continuity = true;
  std::int32_t x_min = 0, x_max = 0, y_min = 0, y_max = 0;

  r.axis_log.reserve(static_cast<std::size_t>(count) + 3);
  for (std::int32_t i = 0; i < count; ++i) {
    if (expert) {
      for (ScoringAlgorithm& a : algorithms) a.Step(timeline, i);
    }
    const SampleSlot& e = timeline.entries[static_cast<std::size_t>(i)];
    const bool inside = i >= kWindowFirst && i <= window_last;
    if (e.valid == 0) {
      r.axis_log.emplace_back("NAK");
      if (inside) sum = static_cast<float>(static_cast<double>(sum) + kGapPenalty);
      continue;
    }

    oldest = middle;
    middle = newest;
    newest = e.dx;
    if (inside) {
      // Measured from entry 160, so a first record after entry 170 is a gap too.
      if (i - last_window_entry > kGapLimit) continuity = false;
      last_window_entry = i;
      swings.Add(newest, amplitude_threshold);
      if (CountsForMain(newest, middle, oldest)) sum += TripleDeviation(newest, middle, oldest);
    }

    r.axis_log.push_back(AxisLine(e, i));

    if (e.interval_ms != 0 && e.interval_ms <= shortest) {
      shortest = e.interval_ms;
      if (shortest <= 4) amplitude_threshold = kFastAmplitudeThreshold;
    }

    if (e.dx > x_max) {
      x_max = e.dx;
    } else if (e.dx < x_min) {
      x_min = e.dx;
    }
    if (e.dy > y_max) {
      y_max = e.dy;
    } else if (e.dy < y_min) {
      y_min = e.dy;
    }
  }

  r.axis_log.emplace_back();
  r.axis_log.push_back(DecimalText(x_min) + " < AxisX < " + DecimalText(x_max));
  r.axis_log.push_back(DecimalText(y_min) + " < AxisY < " + DecimalText(y_max));

  // The range must end with a record among its last four entries; entries
  // past the sample count are stale and count as empty.
  bool end_present = false;
  for (std::int32_t i = window_last - kEndCheckEntries + 1; i <= window_last; ++i) {
    if (i < count && timeline.entries[static_cast<std::size_t>(i)].valid != 0) {
      end_present = true;
    }
  }
  if (!end_present) continuity = false;

  std::int32_t reversals = swings.reversals;
  std::int32_t peaks = swings.peaks;
  if (narrow) {
    sum = static_cast<float>(static_cast<double>(sum) * 16.0 / 11.0);
    reversals = ScaleToWideScreen(reversals);
    peaks = ScaleToWideScreen(peaks);
  }
  sum = static_cast<float>(static_cast<double>(sum) + kBaseOffset);

  r.continuity = continuity;
  r.reversal_count = reversals;
  r.peak_count = peaks;
  r.shortest_interval = shortest;
  r.deviation_sum = sum;
  if (expert) {
    r.algorithms.emplace();
    for (std::size_t k = 0; k < algorithms.size(); ++k) (*r.algorithms)[k] = algorithms[k].Output();
  }

  if (!continuity) {
    r.verdict = Verdict::FailScore;
    return r;
  }
  if (!expert) {
    const std::int32_t limit = shortest < 4 ? kFastPeakThreshold : params.peak_threshold;
    if (peaks <= limit) {
      r.verdict = reversals > limit ? Verdict::FewPeak : Verdict::TooSlow;
      return r;
    }
  }

  ScoringInputs inputs;
  inputs.operator_mode = params.operator_mode;
  inputs.active_language = params.active_language;
  inputs.screen_width = params.screen_width;
  inputs.continue_ticked = params.continue_ticked;
  if (r.algorithms) {
    for (std::size_t k = 0; k < 4; ++k) inputs.algorithm_d_labels[k] = (*r.algorithms)[k].d_label;
  }
  r.verdict = Verdict::Scored;
  r.score = RunScoringStep(sum, inputs);
  return r;
}

}  // namespace mqt
