#pragma once

#include <QPointer>

#include <memory>
#include <string>

#include "capture/capture_thread.h"
#include "capture/record_placement.h"
#include "capture/sample_timeline.h"
#include "capture/test_completion.h"

namespace mqt {

class Prompter;

// What a test capture works on besides its settings. All of it belongs to the
// user-interface thread and outlives the thread; the timeline and the slot
// carry are the process-wide ones.
struct TestCaptureLinks {
  SampleTimeline& timeline;
  SlotCarry& slot_carry;
  PlacementSink& sink;
  TestCompletionOwner& completion;
  Prompter& prompter;
  // Caption of the capture's message boxes.
  std::string message_caption;
};

// The worker that captures one test: the capture loop with record placement
// as its per-record step and test completion as its finish step, both run on
// the user-interface thread while this thread waits.
class MouWaveThread final : public CaptureThread {
 public:
  // Creation, on the user-interface thread: clears the valid flag of every
  // timeline entry and the sample count. `settings` should pass
  // CheckPlacementSettings; the last position is bounded by the timeline.
  MouWaveThread(const TestCaptureLinks& links, const PlacementSettings& settings);
  ~MouWaveThread() override;

  // The placement's state; read it only between hand-overs or after the end.
  const RecordPlacement& placement() const { return placement_; }

 private:
  bool OwnerRecordStep(const CaptureRecord& record) override;
  void OwnerFinishStep(const CaptureOutcome& outcome) override;

  RecordPlacement placement_;
  TestCompletionOwner& completion_;
};

struct TestCaptureStart {
  // The running thread; null when nothing was started.
  QPointer<MouWaveThread> thread;
  // Why the settings were refused, for the operator; "" otherwise.
  std::string refusal;
};

// The starter's part of the record command, on the user-interface thread:
// refuses settings a test cannot run with (nothing is changed then), creates
// the thread (which resets the timeline), gives it the device handle and
// starts it. Without a device (OpenCaptureDevice gave null) the thread is
// deleted at once and nothing is started; the refusal stays "" and the caller
// reports the missing device in its own words.
TestCaptureStart StartMouWaveThread(
    const TestCaptureLinks& links, const PlacementSettings& settings,
    std::unique_ptr<CaptureDeviceChannel> device,
    std::chrono::microseconds pause_after_read = CaptureThread::kPauseAfterRead);

}  // namespace mqt
