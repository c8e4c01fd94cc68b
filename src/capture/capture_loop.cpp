#include "capture/capture_loop.h"

#include <span>

namespace mqt {
namespace {

using ReadStatus = CaptureDeviceChannel::ReadStatus;

// Reads and discards whatever the device still holds from before. Returns
// false when a completion query failed.
bool Drain(CaptureDeviceChannel& device, std::span<std::uint8_t> read_span) {
  for (;;) {
    switch (device.Read(read_span)) {
      case ReadStatus::Completed:
        continue;
      case ReadStatus::Failed:
        return true;
      case ReadStatus::Pending:
        if (!device.WaitForRead(kCaptureWaitStep)) return true;
        if (!device.QueryCompletion()) return false;
        continue;
    }
  }
}

}  // namespace

CaptureOutcome RunCaptureLoop(CaptureDeviceChannel& device, CaptureLoopOwner& owner) {
  CaptureReadBuffer buffer{};
  const std::span<std::uint8_t> read_span(buffer.data(), kCaptureReadLength);
  CaptureOutcome outcome;

  auto finish = [&](CaptureEnd end, bool with_detail) {
    outcome.end = end;
    if (with_detail) outcome.detail = device.FailureDetail();
    device.Close();
    owner.FinishStep(outcome);
    return outcome;
  };

  if (!Drain(device, read_span)) {
    owner.ShowMessage(kMsgGetOverlappedResultError);
    return finish(CaptureEnd::CompletionFailed, true);
  }
  // The drain leaves its last read pending.
  device.CancelIo();

  if (!device.StartRecord()) {
    owner.ShowMessage(kMsgStartRecordError);
    return finish(CaptureEnd::StartFailed, false);
  }

  for (;;) {
    switch (device.Read(read_span)) {
      case ReadStatus::Completed: {
        owner.PauseAfterRead();
        const std::optional<CaptureRecord> record = ParseCaptureRecord(buffer);
        if (!record) {
          ++outcome.malformed_records;
        } else if (!owner.RecordStep(*record)) {
          return finish(CaptureEnd::OwnerEnded, false);
        }
        break;  // the wait below returns at once: a completed read signals its event
      }
      case ReadStatus::Pending:
        break;
      case ReadStatus::Failed:
        owner.ShowMessage(kMsgReadError);
        return finish(CaptureEnd::ReadFailed, true);
    }
    // The terminate request is looked at only after a quiet wait step, so a
    // stop during steady movement waits until the device has been quiet.
    while (!device.WaitForRead(kCaptureWaitStep)) {
      if (owner.TerminateRequested()) return finish(CaptureEnd::Stopped, false);
    }
    // A read that had to wait is not parsed: the next read follows at once.
    if (!device.QueryCompletion()) {
      owner.ShowMessage(kMsgGetOverlappedResultError);
      return finish(CaptureEnd::CompletionFailed, true);
    }
  }
}

}  // namespace mqt
