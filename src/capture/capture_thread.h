#pragma once

#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "capture/capture_device_channel.h"
#include "capture/capture_loop.h"
#include "capture/precise_pause.h"

namespace mqt {

class Prompter;

// What both capture threads share: the capture loop on a thread of its own,
// the blocking hand-over of steps to the user-interface thread, and message
// boxes shown there while the capture thread waits. A capture thread never
// touches a widget itself.
//
// Create it on the user-interface thread (the hand-overs run on the thread
// the object was created on), give it its settings and the device handle,
// then start() it. When its loop has finished and the finish step has run, it
// frees itself (deleteLater on finished): keep a QPointer to it, which turns
// null then, so nothing ever touches a thread that has ended. A derived
// class ends a running thread in its own destructor (StopAndWait()), before
// the members its owner steps use are gone.
class CaptureThread : public QThread, protected CaptureLoopOwner {
 public:
  // The pause after each read that completed at once.
  static constexpr std::chrono::microseconds kPauseAfterRead{1000};

  // Message boxes go through `prompter` with `message_caption` as caption.
  explicit CaptureThread(Prompter& prompter, std::string message_caption = {});
  ~CaptureThread() override;

  // The open device handle from OpenCaptureDevice; the thread owns and closes it.
  void SetDevice(std::unique_ptr<CaptureDeviceChannel> device) { device_ = std::move(device); }
  // For benchmarks and fast tests; 0 removes the pause.
  void SetPauseAfterRead(std::chrono::microseconds pause) { pause_ = pause; }

  // The stop command: sets the terminate request. It takes effect after the
  // device has been quiet for one wait step.
  void RequestStop() { requestInterruption(); }

  // For closing the program during a capture, on the user-interface thread:
  // ends the capture at the next record or wait step, runs no further
  // hand-over step (the windows may be going away), and returns when the
  // thread has ended. Never blocks on the capture thread's hand-over.
  void StopAndWait();

  // How the loop ended; valid once the thread has finished.
  const CaptureOutcome& outcome() const { return outcome_; }

 protected:
  // Runs `step` on the user-interface thread and returns when it has run.
  // Does nothing once StopAndWait() was called.
  void HandOver(const std::function<void()>& step);

  // The owner steps of the two kinds of capture thread, called on the capture
  // thread. The record step hands its work over with HandOver(); it is not
  // called any more once StopAndWait() has begun. The finish step runs once,
  // after the device was closed, also after a failed start request
  // (outcome.end == CaptureEnd::StartFailed) and after StopAndWait().
  virtual bool OwnerRecordStep(const CaptureRecord& record) = 0;
  virtual void OwnerFinishStep(const CaptureOutcome& outcome) = 0;

 private:
  void run() override;

  bool RecordStep(const CaptureRecord& record) final;
  void FinishStep(const CaptureOutcome& outcome) final;
  bool TerminateRequested() final { return isInterruptionRequested(); }
  void ShowMessage(std::string_view text) final;
  void PauseAfterRead() final;

  Prompter& prompter_;
  std::string message_caption_;
  std::unique_ptr<CaptureDeviceChannel> device_;
  std::chrono::microseconds pause_ = kPauseAfterRead;
  PrecisePause precise_pause_;
  std::atomic<bool> abandoned_{false};
  CaptureOutcome outcome_;
};

}  // namespace mqt
