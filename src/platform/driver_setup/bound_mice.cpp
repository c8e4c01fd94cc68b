#include "platform/driver_setup/bound_mice.h"

#include "devices/device_entry.h"

namespace mqt {

std::vector<PresentMouse> BoundMice(const DriverSetupState& state,
                                    const std::vector<PresentMouse>& present) {
  std::vector<PresentMouse> bound;
  for (const PresentMouse& mouse : present) {
    if (state.FilterOf(HardwareIdOf(mouse.instance_id)) != nullptr) bound.push_back(mouse);
  }
  return bound;
}

std::vector<PresentMouse> ReadBoundMice() {
  return BoundMice(DriverSetupStore::ForThisUser().Load(), EnumeratePresentMice());
}

std::vector<ListedDevice> ListDevices(const DriverSetupState& state,
                                      const std::vector<PresentMouse>& present) {
  std::vector<ListedDevice> listed;
  listed.reserve(present.size());
  for (const PresentMouse& mouse : present) {
    const InstalledDriver* filter = state.FilterOf(HardwareIdOf(mouse.instance_id));
    listed.push_back(
        {mouse.instance_id, filter != nullptr ? filter->description : mouse.description});
  }
  return listed;
}

}  // namespace mqt
