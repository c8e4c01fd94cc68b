#pragma once

#include "devices/capture_driver_check.h"
#include "devices/device_change.h"
#include "devices/device_services.h"
#include "devices/device_timers.h"
#include "devices/filter_removal.h"
#include "devices/mouse_filter_install.h"

namespace mqt {

// Device and driver management as the main window calls it: one member per
// handler or operation of TMainForm, each taking what the window knows (NB
// mode, whether a timer runs) as parameters. The window keeps one instance
// for its lifetime.
class DeviceManagement {
 public:
  explicit DeviceManagement(DeviceServices services);
  DeviceManagement(const DeviceManagement&) = delete;
  DeviceManagement& operator=(const DeviceManagement&) = delete;

  void RefreshDeviceList(bool nb_mode);
  // Runs the listing script hidden, without waiting (start-up, device changes).
  void StartListingScript();

  bool DeviceChanged(bool timer_adapter_running) {
    return device_change_.DeviceChanged(DriverCheckBusy(), timer_adapter_running);
  }
  NextStep TimerAdapterTimer(bool nb_mode) { return device_change_.TimerAdapterTimer(nb_mode); }

  void TimerAlarmTimer(bool nb_mode);
  void TimerMouCapTimer() { capture_driver_.TimerMouCapTimer(); }
  void InstallCaptureDriver() { capture_driver_.InstallCaptureDriver(); }
  bool DriverCheckBusy() const { return capture_driver_.DriverCheckBusy(); }

  FilterStep PrepareMouseFilter() { return mouse_filter_.PrepareMouseFilter(); }
  FilterStep ContinueMouseFilter(bool nb_mode) {
    return mouse_filter_.ContinueMouseFilter(nb_mode);
  }

  NextStep mm_RemoveAdapterClick() { return removal_.mm_RemoveAdapterClick(); }
  NextStep TimerRemoveDriverTimer(bool nb_mode) { return removal_.TimerRemoveDriverTimer(nb_mode); }

  void RestartComputer();

 private:
  DeviceServices services_;
  DeviceChangeBurst device_change_{services_};
  CaptureDriverCheck capture_driver_{services_};
  MouseFilterInstall mouse_filter_{services_};
  FilterRemoval removal_{services_};
};

}  // namespace mqt
