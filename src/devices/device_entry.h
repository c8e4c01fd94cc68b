#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// A device entry is the text of one item of the device list: instance ID,
// this separator, description.
inline constexpr std::string_view kEntrySeparator = "  :  ";

// The descriptions a mouse shows while it carries the capture filter.
inline constexpr std::string_view kUsbFilterDescription = "USB_MOUSE_Quality_Test";
inline constexpr std::string_view kPs2FilterDescription = "PS2_MOUSE_Quality_Test";

// The IDs the driver operations take out of a device entry.
struct ChosenMouse {
  std::string instance_id;  // HID\VID_vvvv&PID_pppp\instance
  std::string hardware_id;  // HID\VID_vvvv&PID_pppp
  std::string description;
};

std::string FormatDeviceEntry(std::string_view instance_id, std::string_view description);

// The first two '\'-fields of an instance ID joined with '\'.
std::string HardwareIdOf(std::string_view instance_id);

ChosenMouse ChosenMouseOf(std::string_view entry_text);

bool IsFilterDescription(std::string_view description);

// Index of the first item equal to `text` with ASCII letter case ignored: the
// list accepts a typed text that differs from an entry only in case.
std::optional<std::size_t> FindListedEntry(std::string_view text,
                                           const std::vector<std::string>& items);

}  // namespace mqt
