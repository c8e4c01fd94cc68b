#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "capture/capture_recording.h"
#include "platform/capture_driver/report_clock.h"
#include "platform/capture_driver/report_source.h"

namespace mqt {

// A capture recording played back as a mouse: every report with its own
// frequency and timestamp, spaced as recorded (real time) or as fast as the
// capture reads. After the last report the mouse stays still.
class ReplaySource final : public ReportSource {
 public:
  ReplaySource(std::vector<RecordedReport> reports, std::unique_ptr<ReportClock> clock);

  SourceEvent Next() override;
  void Stop() override { clock_->Stop(); }

 private:
  std::vector<RecordedReport> reports_;
  std::unique_ptr<ReportClock> clock_;
  std::size_t next_ = 0;
  std::int64_t start_ = 0;
};

}  // namespace mqt
