#include "platform/capture_driver/evdev_frames.h"

#include <algorithm>
#include <limits>

namespace mqt {
namespace {

// A frame sums many events; a sum beyond the record's 32 bits is held at its
// end rather than wrapped into the opposite direction.
std::int32_t Saturated(std::int64_t sum) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Microseconds(const input_event& event) {
  return static_cast<std::int64_t>(event.input_event_sec) * kEvdevFrequency +
         static_cast<std::int64_t>(event.input_event_usec);
}

}  // namespace

void EvdevFrameAssembler::ClearFrame() {
  dx_ = 0;
  dy_ = 0;
  moved_ = false;
  frame_begun_ = false;
}

std::optional<RecordedReport> EvdevFrameAssembler::Feed(const input_event& event) {
  if (event.type == EV_SYN && event.code == SYN_DROPPED) {
    ++losses_.overflows;
    // The frame in progress lost its end; a second overflow while skipping
    // lies inside the frame already counted below.
    if (frame_begun_ && !resyncing_) ++losses_.discarded_frames;
    ClearFrame();
    resyncing_ = true;
    return std::nullopt;
  }
  if (event.type == EV_SYN && event.code == SYN_REPORT) {
    if (resyncing_) {
      // The frame that ends here lost its beginning.
      ++losses_.discarded_frames;
      resyncing_ = false;
      ClearFrame();
      return std::nullopt;
    }
    std::optional<RecordedReport> report;
    if (moved_)
      report = RecordedReport{kEvdevFrequency, Microseconds(event), Saturated(dx_), Saturated(dy_)};
    ClearFrame();
    return report;
  }
  frame_begun_ = true;
  if (resyncing_ || event.type != EV_REL) return std::nullopt;
  if (event.code == REL_X) {
    dx_ += event.value;
    moved_ = true;
  } else if (event.code == REL_Y) {
    dy_ += event.value;
    moved_ = true;
  }
  return std::nullopt;
}

}  // namespace mqt
