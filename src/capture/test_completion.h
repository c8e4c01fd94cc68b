#pragma once

#include "capture/capture_loop.h"

namespace mqt {

// The finishing step of a test capture, implemented by the main window. It
// runs on the user-interface thread once per started test, after the device
// has been closed, while the capture thread waits.
class TestCompletionOwner {
 public:
  virtual ~TestCompletionOwner() = default;
  // test completion: idle state, whole waveform unless realtime display is
  // on, gauge, banner, analysis. For CaptureEnd::StartFailed nothing was
  // recorded: return to idle and close the banner, but draw and analyse
  // nothing (the operator has already seen "IOCTL_MOUCAP_START_RECORD error").
  virtual void TestCompletion(const CaptureOutcome& outcome) = 0;
};

}  // namespace mqt
