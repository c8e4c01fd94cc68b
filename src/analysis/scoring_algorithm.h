#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "capture/sample_timeline.h"

namespace mqt {

// The four alternative measures of the expert console (Algorithmunit). They
// differ from the main measure in how empty entries enter their history and
// which triples they count; none of them affects the score on the main window.
enum class AlgorithmKind { A, B, C, D };

// Entries every algorithm measures, whatever the screen size.
inline constexpr std::int32_t kAlgorithmWindowFirst = 161;
inline constexpr std::int32_t kAlgorithmWindowLast = 960;

// What one algorithm's console tab shows: lb_AlgmX, the console's lb_ScoreX
// and the whole content of AlgmXMemo.
struct AlgorithmOutput {
  std::string d_label;
  std::string score_label;
  std::vector<std::string> memo;
};

class ScoringAlgorithm {
 public:
  explicit ScoringAlgorithm(AlgorithmKind kind) : kind_(kind) {}

  // Zeroes the sums and history, empties the memo, puts the labels back to
  // "D=" and "Score=".
  void Prepare();
  // Processes entry i (0 <= i < SampleTimeline::kEntries); the run steps
  // every entry below the sample count in increasing order.
  void Step(const SampleTimeline& timeline, std::int32_t i);

  AlgorithmKind kind() const { return kind_; }
  float deviation_sum() const { return deviation_sum_; }
  // Half the sum; D adds 15.5. Worked in double from the float sum.
  double DValue() const { return DValueOf(deviation_sum_); }
  // Captions as the latest label refresh left them.
  std::string DLabel() const;
  std::string ScoreLabel() const;
  const std::vector<std::string>& memo() const { return memo_; }
  AlgorithmOutput Output() const { return {DLabel(), ScoreLabel(), memo_}; }

 private:
  double DValueOf(float sum) const;
  bool Counts() const;

  AlgorithmKind kind_;
  std::int32_t current_ = 0;
  float deviation_sum_ = 0;
  std::int32_t oldest_ = 0;
  std::int32_t middle_ = 0;
  std::int32_t newest_ = 0;
  float last_deviation_ = 0;
  std::vector<std::string> memo_;
  // The sum the labels were last refreshed with; none since Prepare means the
  // design captions. Kept instead of the texts so a step formats nothing.
  std::optional<float> label_sum_;
};

}  // namespace mqt
