#pragma once

#include <linux/input.h>

#include <cstdint>
#include <optional>

#include "capture/capture_recording.h"

namespace mqt {

// Evdev timestamps are microseconds of CLOCK_MONOTONIC (the node's clock is
// switched to it when it is opened), so a report's counter runs at this rate.
inline constexpr std::int64_t kEvdevFrequency = 1'000'000;

// What the kernel's buffer overflows cost a capture. The kernel throws away
// an unknown number of frames before it says SYN_DROPPED, so these are the
// frames known to be lost, not all of them.
struct EvdevFrameLosses {
  int overflows = 0;         // SYN_DROPPED markers seen
  int discarded_frames = 0;  // frames cut by an overflow and left out
};

// Turns one mouse's input_event stream into movement reports: the REL_X and
// REL_Y values of a frame summed into one report, the frame ended by
// SYN_REPORT and stamped with that event's time. A frame without REL_X or
// REL_Y (buttons or wheel only) is no movement report; a frame whose values
// cancel out still is one, with 0 and 0.
//
// After SYN_DROPPED the frame in progress and everything up to and including
// the next SYN_REPORT are left out: those frames are incomplete, and a report
// is never made up from part of one. A mouse has no state to fetch again, so
// that skip is the whole resynchronisation.
class EvdevFrameAssembler {
 public:
  // The report that `event` completes, if any.
  std::optional<RecordedReport> Feed(const input_event& event);

  const EvdevFrameLosses& losses() const { return losses_; }

 private:
  void ClearFrame();

  std::int64_t dx_ = 0;
  std::int64_t dy_ = 0;
  bool moved_ = false;        // a REL_X or REL_Y event in this frame
  bool frame_begun_ = false;  // any event since the last SYN_REPORT
  bool resyncing_ = false;    // after SYN_DROPPED, until the next SYN_REPORT
  EvdevFrameLosses losses_;
};

}  // namespace mqt
