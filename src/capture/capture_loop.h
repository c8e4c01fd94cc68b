#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "capture/capture_device_channel.h"
#include "capture/capture_record.h"

namespace mqt {

// The capture threads' message boxes: fixed English texts, no language lookup.
inline constexpr std::string_view kMsgGetOverlappedResultError = "GetOverlappedResult error";
inline constexpr std::string_view kMsgStartRecordError = "IOCTL_MOUCAP_START_RECORD error";
inline constexpr std::string_view kMsgReadError = "ERROR_IO_PENDING error";

// The wait step on the read event; also the quiet time a stop request needs.
inline constexpr std::chrono::milliseconds kCaptureWaitStep{100};

// Why a capture loop ended.
enum class CaptureEnd {
  OwnerEnded,        // the per-record step ended it (test capture: timeline full)
  Stopped,           // terminate request seen after a quiet wait step
  ReadFailed,        // "ERROR_IO_PENDING error"
  CompletionFailed,  // "GetOverlappedResult error", in the drain or the capture
  StartFailed,       // "IOCTL_MOUCAP_START_RECORD error": nothing was recorded
};

struct CaptureOutcome {
  CaptureEnd end = CaptureEnd::Stopped;
  // The driver's reason for a read or completion failure, "" otherwise.
  std::string detail;
  // Records that were read but did not fit the record layout; dropped.
  int malformed_records = 0;
};

// What a capture thread supplies to the loop. Both capture threads run the same
// loop and differ only in their two owner steps.
class CaptureLoopOwner {
 public:
  virtual ~CaptureLoopOwner() = default;
  // Per-record step for every record that completed at once. Returns false to
  // end the loop before this record is used; otherwise hands it to the
  // user-interface thread and returns when it has been processed there.
  virtual bool RecordStep(const CaptureRecord& record) = 0;
  // Finish step, after the device has been closed. Runs exactly once per loop.
  virtual void FinishStep(const CaptureOutcome& outcome) = 0;
  // The thread's terminate request.
  virtual bool TerminateRequested() = 0;
  // A message box shown to the operator; returns when it has been closed.
  virtual void ShowMessage(std::string_view text) = 0;
  // The pause after each read that completed at once, before it is parsed
  // (1 ms on a capture thread).
  virtual void PauseAfterRead() = 0;
};

// Runs the capture loop on the calling thread: drain stale data, cancel, start
// recording, then read until the owner ends it, a stop request is seen after a
// quiet wait step, or a read fails. The device is always closed before the
// finish step, and the finish step always runs, a failed start request
// included, so the owner always learns that the capture ended.
CaptureOutcome RunCaptureLoop(CaptureDeviceChannel& device, CaptureLoopOwner& owner);

}  // namespace mqt
