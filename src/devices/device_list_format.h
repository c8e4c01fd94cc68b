#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// The header line the listing tool writes: the class marker, two characters,
// then the class description.
inline constexpr std::string_view kDeviceListHeader =
    "Class \"Mouse\": Mice and other pointing devices";

struct ListedDevice {
  std::string instance_id;
  std::string description;
};

// The lines of the device list file: the header, then "<id> : <description>"
// per device in the given order.
std::vector<std::string> FormatDeviceListFile(const std::vector<ListedDevice>& devices);

}  // namespace mqt
