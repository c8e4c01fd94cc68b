#pragma once

#include <cstdint>
#include <string_view>

namespace mqt {

// The capture driver's device-interface class. Both capture starters open
// member 0 of it, the first present interface.
inline constexpr std::string_view kCaptureInterfaceGuid = "{215D3559-E677-4E8E-AA38-0E1FC3A92E9D}";

// Device control code of the start request: device type 0x22
// (FILE_DEVICE_UNKNOWN), function 0x801, buffered, any access. No input, no output.
inline constexpr std::uint32_t IOCTL_MOUCAP_START_RECORD = 0x222004;

}  // namespace mqt
