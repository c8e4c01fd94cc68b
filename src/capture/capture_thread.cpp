#include "capture/capture_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>

#include <sys/prctl.h>

#include "platform/prompter.h"

namespace mqt {

CaptureThread::CaptureThread(Prompter& prompter, std::string message_caption)
    : prompter_(prompter), message_caption_(std::move(message_caption)) {
  // Free on terminate: the object goes once its run has returned.
  connect(this, &QThread::finished, this, &QObject::deleteLater);
}

CaptureThread::~CaptureThread() {
  // Deleting a thread that still runs would crash the program; end it first.
  if (isRunning()) StopAndWait();
}

void CaptureThread::run() {
  // The pause after each read must be 1 ms, not 1 ms plus the default 50 us
  // timer slack, or a 1000 Hz mouse could not be followed.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  if (!device_) {
    // Started without a device: nothing may be read; the owner still learns
    // that the capture ended.
    outcome_.end = CaptureEnd::StartFailed;
    FinishStep(outcome_);
    return;
  }
  outcome_ = RunCaptureLoop(*device_, *this);
}

void CaptureThread::HandOver(const std::function<void()>& step) {
  if (abandoned_) return;
  QMetaObject::invokeMethod(
      this,
      [this, &step] {
        if (!abandoned_) step();
      },
      Qt::BlockingQueuedConnection);
}

bool CaptureThread::RecordStep(const CaptureRecord& record) {
  if (abandoned_) return false;
  return OwnerRecordStep(record);
}

void CaptureThread::FinishStep(const CaptureOutcome& outcome) {
  // Runs even after StopAndWait(): a finish step on the capture thread itself
  // (the continuous capture's dump file) still has its data; hand-overs are
  // skipped by HandOver().
  OwnerFinishStep(outcome);
}

void CaptureThread::ShowMessage(std::string_view text) {
  HandOver([this, text] {
    prompter_.MessageBox(std::string(text), message_caption_, MsgButtons::Ok, MsgIcon::None);
  });
}

void CaptureThread::PauseAfterRead() { precise_pause_.Pause(pause_); }

void CaptureThread::StopAndWait() {
  abandoned_ = true;
  requestInterruption();
  // A hand-over already queued to this thread is run here, as a no-op, so the
  // capture thread is released instead of waiting for an event loop.
  while (!wait(QDeadlineTimer(5))) QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace mqt
