#include "capture/ContinueCaptureUnit.h"

#include "capture/dump_file.h"
#include "platform/prompter.h"

namespace mqt {

TContinueCapture::TContinueCapture(const ContinueCaptureLinks& links, std::int32_t slot_length)
    : CaptureThread(links.prompter, links.message_caption),
      dump_(links.slot_carry, slot_length, links.add_interval_line),
      prompter_(links.prompter),
      message_caption_(links.message_caption),
      dump_paths_(links.dump_paths) {
  links.timeline.Reset();
}

TContinueCapture::~TContinueCapture() {
  // The loop uses the dump: end it before the members go.
  if (isRunning()) StopAndWait();
}

bool TContinueCapture::OwnerRecordStep(const CaptureRecord& record) {
  HandOver([this, &record] { dump_.Dump(record); });
  return true;
}

void TContinueCapture::OwnerFinishStep(const CaptureOutcome& outcome) {
  // A capture that never started recorded nothing and leaves the old file.
  if (outcome.end == CaptureEnd::StartFailed) return;
  const DumpSaveResult saved = SaveDumpListSomewhere(dump_.dump_list(), dump_paths_);
  if (saved.failures.empty()) return;
  std::string text;
  for (const std::string& failure : saved.failures)
    text += "The dump file could not be written: " + failure + "\n";
  if (saved.written_path.empty())
    text += "The captured lines are lost.";
  else
    text += "The captured lines were saved to " + saved.written_path + " instead.";
  // Said on the user-interface thread; nothing is said while the program closes.
  HandOver([this, &text] {
    prompter_.MessageBox(text, message_caption_, MsgButtons::Ok, MsgIcon::Error);
  });
}

ContinueCaptureStart StartContinueCapture(const ContinueCaptureLinks& links,
                                          std::int32_t slot_length,
                                          std::unique_ptr<CaptureDeviceChannel> device,
                                          std::chrono::microseconds pause_after_read) {
  ContinueCaptureStart start;
  if (slot_length < 1) {
    start.refusal = "The interval (ms) must be a whole number of at least 1 millisecond.";
    return start;
  }
  // Creation resets the timeline whether or not the device opens.
  auto* thread = new TContinueCapture(links, slot_length);
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
