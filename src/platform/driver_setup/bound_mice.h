#pragma once

#include <vector>

#include "devices/device_list_format.h"
#include "platform/driver_setup/driver_setup_state.h"
#include "platform/driver_setup/present_mice.h"

namespace mqt {

// The present mice whose hardware ID is bound to the capture filter, in the
// order given. The capture driver captures exactly these.
std::vector<PresentMouse> BoundMice(const DriverSetupState& state,
                                    const std::vector<PresentMouse>& present);

// BoundMice of this user's state and present mice, read afresh on each call.
std::vector<PresentMouse> ReadBoundMice();

// The device list as the listing tool writes it: every present mouse, a mouse
// bound to the filter showing the filter's description.
std::vector<ListedDevice> ListDevices(const DriverSetupState& state,
                                      const std::vector<PresentMouse>& present);

}  // namespace mqt
