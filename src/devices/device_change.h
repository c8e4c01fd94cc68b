#pragma once

#include "devices/device_timers.h"

namespace mqt {

struct DeviceServices;

// Device-change notifications and TimerAdapter. A burst of notifications
// rebuilds the device list once, kTimerAdapterInterval after its first
// notification; every notification that arrives while TimerAdapter runs
// starts the listing script, so the list is read after the last change.
class DeviceChangeBurst {
 public:
  explicit DeviceChangeBurst(const DeviceServices& services) : services_(services) {}

  // A device-change notification (after it was passed on). Ignored while
  // `driver_check_busy`. True when the window is to start TimerAdapter,
  // which is not running yet (starting a running timer would restart its
  // period).
  bool DeviceChanged(bool driver_check_busy, bool timer_adapter_running);

  // TimerAdapterTimer, after the window stopped TimerAdapter. A burst of one
  // notification has not run the listing script yet: it runs now and the
  // list is rebuilt one interval later, so the list never shows a file from
  // before the change.
  NextStep TimerAdapterTimer(bool nb_mode);

 private:
  const DeviceServices& services_;
  bool burst_ = false;
  bool script_started_ = false;
};

}  // namespace mqt
