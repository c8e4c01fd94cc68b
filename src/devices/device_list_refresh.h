#pragma once

#include <string_view>

namespace mqt {

struct DeviceServices;
class DeviceWindow;

// Rebuilds cb_Adapter from the device list file and selects the first entry;
// with no entry the list shows the text of "MsgNoDevice".
void RefreshDeviceList(const DeviceServices& services, bool nb_mode);

// Selects each item whose instance ID equals `instance_id` (the last match
// stays selected); without a match the selection is left as it is.
void ReselectDevice(DeviceWindow& window, std::string_view instance_id);

}  // namespace mqt
