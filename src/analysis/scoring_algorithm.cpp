#include "analysis/scoring_algorithm.h"

#include "analysis/real_text.h"
#include "analysis/score_mapping.h"
#include "analysis/triple_deviation.h"

namespace mqt {
namespace {

constexpr double kGapPenalty = 0.6;
constexpr double kAlgorithmDOffset = 15.5;

bool InAlgorithmWindow(std::int32_t i) {
  return i >= kAlgorithmWindowFirst && i <= kAlgorithmWindowLast;
}

}  // namespace

void ScoringAlgorithm::Prepare() {
  deviation_sum_ = 0;
  oldest_ = middle_ = newest_ = 0;
  last_deviation_ = 0;
  memo_.clear();
  label_sum_.reset();
}

void ScoringAlgorithm::Step(const SampleTimeline& timeline, std::int32_t i) {
  const SampleSlot& entry = timeline.entries[static_cast<std::size_t>(i)];
  const bool empty = entry.valid == 0;
  if (empty) {
    current_ = 0;
    // C and D skip an empty entry entirely, so their next triple joins the
    // records on either side of the gap; D charges the gap instead.
    if (kind_ == AlgorithmKind::C) return;
    if (kind_ == AlgorithmKind::D) {
      if (InAlgorithmWindow(i)) {
        deviation_sum_ = static_cast<float>(static_cast<double>(deviation_sum_) + kGapPenalty);
      }
      return;
    }
  } else {
    current_ = entry.dx;
  }

  oldest_ = middle_;
  middle_ = newest_;
  newest_ = current_;

  if (InAlgorithmWindow(i)) {
    last_deviation_ = 0;
    if (Counts()) {
      last_deviation_ = TripleDeviation(newest_, middle_, oldest_);
      deviation_sum_ += last_deviation_;  // float + float, rounded to float
    }
    std::string line = DecimalText(i);
    line += "\tX=";
    line += empty ? std::string("NAK") : DecimalText(current_);
    line += "\tD=";
    line += RealText(static_cast<double>(last_deviation_) * 0.5);
    memo_.push_back(std::move(line));
  }

  label_sum_ = deviation_sum_;
}

std::string ScoringAlgorithm::DLabel() const {
  if (!label_sum_) return "D=";
  return " D = " + RealText(DValueOf(*label_sum_));
}

std::string ScoringAlgorithm::ScoreLabel() const {
  if (!label_sum_) return "Score=";
  return "Score = " + DecimalText(ScoreMapping(TruncateDValue(DValueOf(*label_sum_))));
}

double ScoringAlgorithm::DValueOf(float sum) const {
  const double half = static_cast<double>(sum) * 0.5;
  return kind_ == AlgorithmKind::D ? half + kAlgorithmDOffset : half;
}

bool ScoringAlgorithm::Counts() const {
  switch (kind_) {
    case AlgorithmKind::A:
      return CountsForA(newest_, middle_, oldest_);
    case AlgorithmKind::B:
    case AlgorithmKind::C:
      return CountsForBC(newest_, middle_, oldest_);
    case AlgorithmKind::D:
      return CountsForD(newest_, middle_, oldest_);
  }
  return false;
}

}  // namespace mqt
