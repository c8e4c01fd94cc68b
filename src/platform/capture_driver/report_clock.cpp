#include "platform/capture_driver/report_clock.h"

#include <chrono>

#include "platform/performance_counter.h"

namespace mqt {

std::int64_t RealTimeClock::Now() { return PerformanceCounter::Now(); }

bool RealTimeClock::WaitUntil(std::int64_t deadline) {
  std::unique_lock lock(mutex_);
  // steady_clock is CLOCK_MONOTONIC here, the performance counter's own clock.
  static_assert(PerformanceCounter::kFrequency == 1'000'000'000);
  const std::chrono::steady_clock::time_point until{std::chrono::nanoseconds(deadline)};
  stopped_changed_.wait_until(lock, until, [this] { return stopped_; });
  return !stopped_;
}

void RealTimeClock::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  stopped_changed_.notify_all();
}

AsFastAsReadClock::AsFastAsReadClock() : now_(PerformanceCounter::Now()) {}

bool AsFastAsReadClock::WaitUntil(std::int64_t deadline) {
  if (deadline > now_) now_ = deadline;
  std::lock_guard lock(mutex_);
  return !stopped_;
}

void AsFastAsReadClock::Stop() {
  std::lock_guard lock(mutex_);
  stopped_ = true;
}

std::unique_ptr<ReportClock> MakeReportClock(Pacing pacing) {
  if (pacing == Pacing::RealTime) return std::make_unique<RealTimeClock>();
  return std::make_unique<AsFastAsReadClock>();
}

}  // namespace mqt
