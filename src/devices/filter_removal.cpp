#include "devices/filter_removal.h"

#include <cstdint>

#include "devices/device_entry.h"
#include "devices/device_list_refresh.h"
#include "devices/device_services.h"
#include "devices/device_window.h"

namespace mqt {
namespace {

constexpr std::size_t kModelPrefixLength = 21;  // HID\VID_vvvv&PID_pppp

}  // namespace

NextStep FilterRemoval::mm_RemoveAdapterClick() {
  const ChosenMouse mouse = ChosenMouseOf(CurrentDeviceEntry(services_.window));
  if (mouse.description != kUsbFilterDescription) return std::nullopt;
  services_.window.SetBusyControls();
  services_.window.ShowBanner(services_.text("MsgRemoveMouDev"), /*animated=*/true);
  instance_id_ = mouse.instance_id;
  phase_ = Phase::kRemove;
  return kTimerRemoveDriverInterval;
}

NextStep FilterRemoval::TimerRemoveDriverTimer(bool nb_mode) {
  switch (phase_) {
    case Phase::kRemove: {
      std::int32_t need_restart = 0;
      services_.driver_setup.RemoveDriver(instance_id_.substr(0, kModelPrefixLength), 0,
                                          need_restart);
      services_.driver_setup.Reflash();
      StartListingScript(services_);
      phase_ = Phase::kRelist;
      return kListAfterRemovalDelay;
    }
    case Phase::kRelist:
      phase_ = Phase::kNone;
      RefreshDeviceList(services_, nb_mode);
      services_.window.CloseBanner();
      ShowPlainMessage(services_.prompter, services_.text("MsgMouRemoveOK"));
      services_.window.SetIdleControls();
      return std::nullopt;
    case Phase::kNone:
      break;
  }
  return std::nullopt;
}

}  // namespace mqt
