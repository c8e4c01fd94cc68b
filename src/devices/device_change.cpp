#include "devices/device_change.h"

#include "devices/device_list_refresh.h"
#include "devices/device_services.h"

namespace mqt {

bool DeviceChangeBurst::DeviceChanged(bool driver_check_busy, bool timer_adapter_running) {
  if (driver_check_busy) return false;
  if (timer_adapter_running) {
    StartListingScript(services_);
    script_started_ = true;
    return false;
  }
  burst_ = true;
  script_started_ = false;
  return true;
}

NextStep DeviceChangeBurst::TimerAdapterTimer(bool nb_mode) {
  if (burst_ && !script_started_) {
    StartListingScript(services_);
    script_started_ = true;
    return kTimerAdapterInterval;
  }
  burst_ = false;
  script_started_ = false;
  RefreshDeviceList(services_, nb_mode);
  return std::nullopt;
}

}  // namespace mqt
