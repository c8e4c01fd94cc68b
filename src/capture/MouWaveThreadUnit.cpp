#include "capture/MouWaveThreadUnit.h"

namespace mqt {

MouWaveThread::MouWaveThread(const TestCaptureLinks& links, const PlacementSettings& settings)
    : CaptureThread(links.prompter, links.message_caption),
      placement_(links.timeline, links.slot_carry, links.sink, settings),
      completion_(links.completion) {
  links.timeline.Reset();
}

MouWaveThread::~MouWaveThread() {
  // The loop uses the placement: end it before the members go.
  if (isRunning()) StopAndWait();
}

bool MouWaveThread::OwnerRecordStep(const CaptureRecord& record) {
  // The full test uses the position the previous placement left: the record
  // that went past the last position was not stored, and this one ends the test.
  if (placement_.TimelineFull()) return false;
  HandOver([this, &record] { placement_.Place(record); });
  return true;
}

void MouWaveThread::OwnerFinishStep(const CaptureOutcome& outcome) {
  HandOver([this, &outcome] { completion_.TestCompletion(outcome); });
}

TestCaptureStart StartMouWaveThread(const TestCaptureLinks& links,
                                    const PlacementSettings& settings,
                                    std::unique_ptr<CaptureDeviceChannel> device,
                                    std::chrono::microseconds pause_after_read) {
  TestCaptureStart start;
  start.refusal = CheckPlacementSettings(settings);
  if (!start.refusal.empty()) return start;
  auto* thread = new MouWaveThread(links, settings);
  if (!device) {
    delete thread;
    return start;
  }
  thread->SetDevice(std::move(device));
  thread->SetPauseAfterRead(pause_after_read);
  thread->start();
  start.thread = thread;
  return start;
}

}  // namespace mqt
