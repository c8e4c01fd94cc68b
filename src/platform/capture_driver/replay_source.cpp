#include "platform/capture_driver/replay_source.h"

#include "platform/performance_counter.h"

namespace mqt {

ReplaySource::ReplaySource(std::vector<RecordedReport> reports, std::unique_ptr<ReportClock> clock)
    : reports_(std::move(reports)), clock_(std::move(clock)) {}

SourceEvent ReplaySource::Next() {
  if (next_ >= reports_.size()) return SourceEvent::Ended();
  if (next_ == 0) start_ = clock_->Now();
  const RecordedReport& first = reports_.front();
  const RecordedReport& report = reports_[next_];
  // Offset from the first report in counter units of our clock; a timestamp
  // that runs backward is simply due at once.
  long double offset = 0;
  if (report.frequency > 0)
    offset = (static_cast<long double>(report.timestamp) - first.timestamp) *
             PerformanceCounter::kFrequency / report.frequency;
  // Beyond a year the recording is broken, not slow; keep the sum in range.
  constexpr long double kLongest = 365.0L * 24 * 3600 * PerformanceCounter::kFrequency;
  if (offset > kLongest) offset = kLongest;
  if (offset > 0 && !clock_->WaitUntil(start_ + static_cast<std::int64_t>(offset)))
    return SourceEvent::Ended();
  ++next_;
  return SourceEvent::Of(report);
}

}  // namespace mqt
