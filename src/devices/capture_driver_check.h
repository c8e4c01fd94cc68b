#pragma once

namespace mqt {

struct DeviceServices;

// The capture device check after start-up: installs the capture device
// driver when it is missing, and only then allows a test.
class CaptureDriverCheck {
 public:
  explicit CaptureDriverCheck(const DeviceServices& services) : services_(services) {}

  // TimerMouCapTimer, after the window stopped TimerMouCap: installs the
  // capture device when it is missing (DriverCheckBusy meanwhile), then
  // enables tb_Record and mm_Record in every case.
  void TimerMouCapTimer();

  // Installs the capture device from MouseCapture.inf and offers a restart
  // when the installation asks for one.
  void InstallCaptureDriver();

  // Set while InstallCaptureDriver runs: device-change notifications are then
  // ignored (the restart question lets them through to the window).
  bool DriverCheckBusy() const { return driver_check_busy_; }

 private:
  const DeviceServices& services_;
  bool driver_check_busy_ = false;
};

// TimerAlarmTimer, after the window stopped TimerAlarm: draws the empty plot,
// shows the driver warning unless "NoPolling" is "1", draws the plot again and
// fills the device list for the first time.
void TimerAlarmTimer(const DeviceServices& services, bool nb_mode);

}  // namespace mqt
