#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// What an INF file says about one hardware ID.
struct InfModel {
  std::string description;      // the model line's description, %strings% resolved
  std::string install_section;  // the model line's install section
  bool needs_restart = false;   // the install section holds a Reboot or Restart directive
};

// True when the lines carry the [Version] signature of a driver INF
// ("$Windows NT$" or "$Chicago$").
bool HasInfSignature(const std::vector<std::string>& lines);

// The model line that names `hardware_id` (letter case ignored, as hardware
// IDs are) in a models section listed under [Manufacturer]; nullopt when no
// model line names it. Comments, quotes, %strings% and line continuations
// follow INF syntax; the first naming line wins.
std::optional<InfModel> FindInfModel(const std::vector<std::string>& lines,
                                     std::string_view hardware_id);

}  // namespace mqt
