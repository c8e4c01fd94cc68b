#pragma once

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace mqt {

class FileStore;
class RetryClock;

// The word Mouse between double quotes in the first line of the device list file.
inline constexpr std::string_view kClassMarker = "\"Mouse\"";

// Notebook pointing devices that report as USB mice (Synaptics TouchPad,
// Integrated TouchPad, Styk). They are no test subjects, so they are listed
// only in NB mode.
inline constexpr std::array<std::string_view, 3> kReservedModels = {
    "HID\\VID_06CB&PID_0001",
    "HID\\VID_06CB&PID_0002",
    "HID\\VID_06CB&PID_0007",
};

// An unreadable device list file is tried again at this interval, for at most
// kDeviceListReadLimit; then the list is built without it.
inline constexpr std::chrono::milliseconds kDeviceListRetryInterval{100};
inline constexpr std::chrono::milliseconds kDeviceListReadLimit{3000};

// The entries of the device list, in file order, from the lines of the device
// list file: only IDs beginning with "HID", reserved models only in NB mode.
std::vector<std::string> ParseDeviceList(const std::vector<std::string>& lines, bool nb_mode);

// The lines of the device list file. A missing file gives no lines; a file
// that exists but cannot be read (the listing script may still be writing it)
// is tried again every kDeviceListRetryInterval while it exists, for at most
// kDeviceListReadLimit, so the window never hangs on it.
std::vector<std::string> ReadDeviceListFile(FileStore& files, RetryClock& clock,
                                            const std::string& path);

}  // namespace mqt
