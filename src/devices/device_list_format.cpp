#include "devices/device_list_format.h"

namespace mqt {

std::vector<std::string> FormatDeviceListFile(const std::vector<ListedDevice>& devices) {
  std::vector<std::string> lines;
  lines.reserve(devices.size() + 1);
  lines.emplace_back(kDeviceListHeader);
  for (const ListedDevice& device : devices) {
    lines.push_back(device.instance_id + " : " + device.description);
  }
  return lines;
}

}  // namespace mqt
