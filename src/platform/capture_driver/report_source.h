#pragma once

#include <string>

#include "capture/capture_recording.h"

namespace mqt {

// What a report source yields: the next movement report, the end of the
// source (a replay that ran out, or a stopped source), or a failure (a device
// that went away) with its reason for the operator.
struct SourceEvent {
  enum class Kind { Report, End, Failed };
  Kind kind = Kind::End;
  RecordedReport report;
  std::string failure;

  static SourceEvent Of(const RecordedReport& r) { return {Kind::Report, r, {}}; }
  static SourceEvent Ended() { return {}; }
  static SourceEvent FailedWith(std::string reason) {
    return {Kind::Failed, {}, std::move(reason)};
  }
};

// One mouse behind the capture driver: the simulated mouse, a replayed
// recording, or a real mouse. The driver pulls reports from it on a reader
// thread of its own.
class ReportSource {
 public:
  virtual ~ReportSource() = default;
  // Blocks until the next report is due and returns it with its own frequency
  // and timestamp. After End or Failed it is not called again.
  virtual SourceEvent Next() = 0;
  // Called from another thread while Next() may be blocked in it: Next()
  // returns End soon after.
  virtual void Stop() = 0;
};

// A source that fails at once, for a mouse that could not be opened; the
// capture then ends with the reason instead of waiting for reports that never come.
class FailedSource final : public ReportSource {
 public:
  explicit FailedSource(std::string reason) : reason_(std::move(reason)) {}
  SourceEvent Next() override { return SourceEvent::FailedWith(reason_); }
  void Stop() override {}

 private:
  std::string reason_;
};

}  // namespace mqt
