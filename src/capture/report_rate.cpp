#include "capture/report_rate.h"

#include <limits>

namespace mqt {

static_assert(ReportRateMonitor::kMoveCounterWrap % 128 == 0);

RateStepResult ReportRateMonitor::Step(bool show_report) {
  RateStepResult result;
  rate_window_ = current_rate_ > 140 ? 128 : 32;
  if (!clock_started_) {
    frequency_ = static_cast<double>(clock_.Frequency());
    window_start_ = clock_.Counter();
    clock_started_ = true;
  } else {
    if (move_counter_ % rate_window_ == 0) {
      const std::int64_t now = clock_.Counter();
      const double seconds =
          (static_cast<double>(now) - static_cast<double>(window_start_)) / frequency_;
      // A window that took no time (or a counter that went back) gives no
      // rate: the last one stands rather than an infinite or negative one.
      if (seconds > 0) {
        const double rate = rate_window_ / seconds + 0.5;
        constexpr double kMax = std::numeric_limits<std::int32_t>::max();
        current_rate_ = rate >= kMax ? std::numeric_limits<std::int32_t>::max()
                                     : static_cast<std::int32_t>(rate);
      }
      result.rate_text = std::to_string(current_rate_) + "hz";
      window_start_ = now;
    }
    if (move_counter_ % 16 == 0 && show_report)
      result.report_line = std::to_string(current_rate_) + " hz";
  }
  move_counter_ = (move_counter_ + 1) % kMoveCounterWrap;
  return result;
}

}  // namespace mqt
