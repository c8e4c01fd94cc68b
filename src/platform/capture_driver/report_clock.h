#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace mqt {

// How a source spaces its reports: in real time, or as fast as the capture
// reads them (their timestamps still tell the time that passed).
enum class Pacing { RealTime, AsFastAsRead };

// The clock a source takes its time from, in performance-counter units
// (PerformanceCounter::kFrequency per second).
class ReportClock {
 public:
  virtual ~ReportClock() = default;
  virtual std::int64_t Now() = 0;
  // Waits until Now() reaches `deadline`; false when Stop() ended the wait.
  virtual bool WaitUntil(std::int64_t deadline) = 0;
  // From another thread: ends a wait now and every later one at once.
  virtual void Stop() = 0;
};

// The performance counter; waits really wait.
class RealTimeClock final : public ReportClock {
 public:
  std::int64_t Now() override;
  bool WaitUntil(std::int64_t deadline) override;
  void Stop() override;

 private:
  std::mutex mutex_;
  std::condition_variable stopped_changed_;
  bool stopped_ = false;
};

// A clock that jumps to every deadline at once: reports come as fast as they
// are read, with the timestamps they would have had in real time.
class AsFastAsReadClock final : public ReportClock {
 public:
  // Time starts at the performance counter's value now.
  AsFastAsReadClock();
  explicit AsFastAsReadClock(std::int64_t start) : now_(start) {}
  std::int64_t Now() override { return now_; }
  bool WaitUntil(std::int64_t deadline) override;
  void Stop() override;

 private:
  std::int64_t now_;
  std::mutex mutex_;
  bool stopped_ = false;
};

std::unique_ptr<ReportClock> MakeReportClock(Pacing pacing);

}  // namespace mqt
