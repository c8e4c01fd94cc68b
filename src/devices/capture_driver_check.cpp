#include "devices/capture_driver_check.h"

#include <cstdint>
#include <string>

#include "devices/device_list_refresh.h"
#include "devices/device_services.h"
#include "devices/device_window.h"
#include "devices/restart_computer.h"

namespace mqt {
namespace {

// Clears the flag also when the installation throws.
class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void CaptureDriverCheck::TimerMouCapTimer() {
  if (services_.driver_setup.IsExistDriver(std::string(kCaptureDeviceId)) == 0) {
    BusyScope busy(driver_check_busy_);
    InstallCaptureDriver();
  }
  services_.window.EnableRecord();
}

void CaptureDriverCheck::InstallCaptureDriver() {
  std::int32_t need_restart = 0;
  services_.driver_setup.InstallDriver(std::string(kCaptureDeviceId), services_.paths.capture_inf,
                                       need_restart);
  if (need_restart == 0) return;
  const MsgResult answer = services_.prompter.MessageBox(
      "Restart PC now?", "You need to restart the PC", MsgButtons::YesNo, MsgIcon::None);
  if (answer == MsgResult::Yes) RestartComputer(services_.restarter);
}

void TimerAlarmTimer(const DeviceServices& services, bool nb_mode) {
  services.window.DrawEmptyPlot();
  if (services.settings.Read("NoPolling") != "1") services.window.ShowDriverWarning();
  services.window.DrawEmptyPlot();
  RefreshDeviceList(services, nb_mode);
}

}  // namespace mqt
