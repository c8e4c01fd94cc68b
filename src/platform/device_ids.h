#pragma once

#include <string_view>

namespace mqt {

// Instance IDs of the mice the station knows besides real hardware. They take
// the shape of USB HID IDs (HID\VID_vvvv&PID_pppp\instance) so the device list,
// the filter's model lines and the capture driver treat them like any mouse.
// Vendor 0000 is not assigned to any maker, so they never clash with hardware.
inline constexpr std::string_view kSimulatedHardwareId = "HID\\VID_0000&PID_0001";
inline constexpr std::string_view kSimulatedInstanceId = "HID\\VID_0000&PID_0001\\SIMULATED";
// A recording in the user's recordings folder: this prefix, then the file's stem.
inline constexpr std::string_view kRecordingHardwareId = "HID\\VID_0000&PID_0002";
inline constexpr std::string_view kRecordingInstancePrefix = "HID\\VID_0000&PID_0002\\REC_";

}  // namespace mqt
