#pragma once

#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "capture/capture_thread.h"
#include "capture/continue_dump.h"
#include "capture/sample_timeline.h"

namespace mqt {

class Prompter;

// What a continuous capture works on besides its slot length. The slot carry
// is its own process-wide one, never the test capture's.
struct ContinueCaptureLinks {
  // The process-wide timeline: reset at creation, as a test capture does,
  // and left alone afterwards.
  SampleTimeline& timeline;
  SlotCarry& slot_carry;
  // Appends one interval line to the expert console's AlgmAMemo.
  std::function<void(std::string_view)> add_interval_line;
  Prompter& prompter;
  std::string message_caption;
  // Host paths to save the dump list to, tried in order: "c:\MouseData.txt"
  // first, then a place the operator can still reach.
  std::vector<std::string> dump_paths;
};

// The continuous capture: the capture loop with record dump as its
// per-record step (on the user-interface thread) and saving the dump list
// as its finish step (on this thread, then the only user of the list).
class TContinueCapture final : public CaptureThread {
 public:
  TContinueCapture(const ContinueCaptureLinks& links, std::int32_t slot_length);
  ~TContinueCapture() override;

  // Read only between hand-overs or after the end.
  const RecordDump& dump() const { return dump_; }

 private:
  bool OwnerRecordStep(const CaptureRecord& record) override;
  void OwnerFinishStep(const CaptureOutcome& outcome) override;

  RecordDump dump_;
  Prompter& prompter_;
  std::string message_caption_;
  std::vector<std::string> dump_paths_;
};

struct ContinueCaptureStart {
  QPointer<TContinueCapture> thread;
  // Why the slot length was refused, for the operator; "" otherwise.
  std::string refusal;
};

// Start: refuses a slot length below 1, creates the capture, gives it the
// device and starts it. Without a device nothing is started and nothing said.
ContinueCaptureStart StartContinueCapture(
    const ContinueCaptureLinks& links, std::int32_t slot_length,
    std::unique_ptr<CaptureDeviceChannel> device,
    std::chrono::microseconds pause_after_read = CaptureThread::kPauseAfterRead);

}  // namespace mqt
