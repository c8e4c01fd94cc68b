#pragma once

#include <string>

#include "devices/device_timers.h"

namespace mqt {

struct DeviceServices;

// "Remove Adapter": removes the capture filter from the chosen USB mouse.
class FilterRemoval {
 public:
  explicit FilterRemoval(const DeviceServices& services) : services_(services) {}

  // mm_RemoveAdapterClick. Only an entry showing "USB_MOUSE_Quality_Test" is
  // acted on: the window turns busy, the animated banner shows, and the
  // result asks for TimerRemoveDriver (nullopt: nothing to do).
  NextStep mm_RemoveAdapterClick();

  // TimerRemoveDriverTimer, after the window stopped TimerRemoveDriver. The
  // first call removes the driver from the mouse chosen at the click (a
  // device change in between may have moved the selection) and starts the
  // listing script; the call after the returned wait rebuilds the list,
  // closes the banner, confirms and returns the window to idle.
  NextStep TimerRemoveDriverTimer(bool nb_mode);

 private:
  enum class Phase { kNone, kRemove, kRelist };

  const DeviceServices& services_;
  Phase phase_ = Phase::kNone;
  std::string instance_id_;
};

}  // namespace mqt
