#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// Where the filter INF files take one more model line per installation: the
// lines before this index end inside the models section.
inline constexpr std::size_t kUsbModelLineIndex = 32;  // becomes line 33 of MFilter.inf
inline constexpr std::size_t kPs2ModelLineIndex = 27;  // becomes line 28 of PS2MouseMonitor.inf

// The model line that binds a USB mouse to the filter's install section.
std::string UsbModelLine(std::string_view hardware_id);
// The model line that binds a PS/2 mouse to the filter's install section.
std::string Ps2ModelLine(std::string_view hardware_id);

// `lines` with `line` inserted at `index`; nullopt when the file is too short
// to reach that index, so nothing is written in a place that binds nothing.
std::optional<std::vector<std::string>> InsertModelLine(std::vector<std::string> lines,
                                                        std::size_t index, std::string line);

}  // namespace mqt
