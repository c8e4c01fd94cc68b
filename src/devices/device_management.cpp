#include "devices/device_management.h"

#include <utility>

#include "devices/device_list_refresh.h"
#include "devices/restart_computer.h"

namespace mqt {

DeviceManagement::DeviceManagement(DeviceServices services) : services_(std::move(services)) {}

void DeviceManagement::RefreshDeviceList(bool nb_mode) {
  mqt::RefreshDeviceList(services_, nb_mode);
}

void DeviceManagement::StartListingScript() { mqt::StartListingScript(services_); }

void DeviceManagement::TimerAlarmTimer(bool nb_mode) { mqt::TimerAlarmTimer(services_, nb_mode); }

void DeviceManagement::RestartComputer() { mqt::RestartComputer(services_.restarter); }

}  // namespace mqt
