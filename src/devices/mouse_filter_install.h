#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "devices/device_timers.h"

namespace mqt {

struct DeviceServices;

// How the test start goes on after a filter step.
struct FilterStep {
  enum class Outcome {
    kGoOn,      // go on with the test start now
    kWait,      // start the filter timer with `delay`, then call ContinueMouseFilter
    kCancelled  // the test start ended; the window is idle again
  };
  Outcome outcome = Outcome::kGoOn;
  std::chrono::milliseconds delay{0};
};

// The capture filter check of the test start: offers to install the filter on
// the chosen mouse when it lacks it. The steps after the INF edit run from a
// one-shot timer of the window, so the window keeps painting while the
// library, the device console tool and the listing script do their work.
class MouseFilterInstall {
 public:
  explicit MouseFilterInstall(const DeviceServices& services) : services_(services) {}

  // Called after SetBusyControls. A mouse that shows a filter description, or
  // the answer No, goes on at once. Yes edits the mouse's model line into
  // the filter INF; a missing, unreadable or too short INF shows a message,
  // leaves the file as it was and ends the test start in the idle state.
  FilterStep PrepareMouseFilter();

  // The next step after a kWait: runs the update (library for a USB mouse,
  // device console tool for any other), starts the listing script, and after
  // the next wait rebuilds the list and selects the chosen mouse again.
  FilterStep ContinueMouseFilter(bool nb_mode);

 private:
  enum class Phase { kNone, kUpdate, kRelist };

  FilterStep Cancel(const std::string& message);
  void UpdateUsbMouse();
  void UpdatePs2Mouse();

  const DeviceServices& services_;
  Phase phase_ = Phase::kNone;
  bool usb_ = false;
  std::string instance_id_;
  std::string hardware_id_;
  std::string inf_path_;
};

}  // namespace mqt
