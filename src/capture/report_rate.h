#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mqt {

// The counter the report-rate monitor times its windows with.
class RateClock {
 public:
  virtual ~RateClock() = default;
  // Counts per second; read once, when the clock starts.
  virtual std::int64_t Frequency() = 0;
  virtual std::int64_t Counter() = 0;
};

// What one rate step changes on the report-rate panel.
struct RateStepResult {
  // New text of ed_ReportRate ("125hz"), at a measurement.
  std::optional<std::string> rate_text;
  // Line to add to mm_ReportRate ("125 hz"), every 16th event with Show ticked.
  std::optional<std::string> report_line;
};

// The report-rate monitor: times a window of mouse-move events (32, or 128
// once the rate is above 140) and gives the reports per second. One step per
// counted event, on the user-interface thread.
class ReportRateMonitor {
 public:
  explicit ReportRateMonitor(RateClock& clock) : clock_(clock) {}

  RateStepResult Step(bool show_report);

  std::int32_t current_rate() const { return current_rate_; }
  std::int32_t rate_window() const { return rate_window_; }
  std::int64_t move_counter() const { return move_counter_; }

  // The move counter wraps here instead of overflowing; a multiple of 128,
  // so every window and the 16-event lines keep their rhythm across the wrap.
  static constexpr std::int64_t kMoveCounterWrap = std::int64_t{1} << 30;

 private:
  RateClock& clock_;
  bool clock_started_ = false;
  std::int64_t move_counter_ = 0;
  std::int32_t rate_window_ = 128;
  std::int32_t current_rate_ = 0;
  double frequency_ = 0;
  std::int64_t window_start_ = 0;
};

}  // namespace mqt
