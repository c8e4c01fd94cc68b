#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mqt {

// Looks up one environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The variables of this process.
std::optional<std::string> ProcessEnvironment(std::string_view name);

// Replaces every "%NAME%" whose variable is set by its value, in one pass (a
// value is not expanded again). An unset or empty name stays as it stands,
// percent signs included; so does a "%" without its partner. The result is
// never cut: the system's 1024-byte expansion buffer has no counterpart here,
// and a long result is as valid a host path as a short one.
std::string ExpandEnvironmentStrings(std::string_view text, const EnvironmentLookup& env);

// Turns a program-relative path into an absolute one:
//  - ".\" at the start: the program's folder (ending in its separator)
//    followed by the rest of the path;
//  - otherwise "%" at the start: the path with its variables expanded;
//  - otherwise the path unchanged.
// `program_folder` is the folder of the program's file with its final
// separator; one is added when it lacks it.
std::string ExpandPath(std::string_view path, std::string_view program_folder,
                       const EnvironmentLookup& env = ProcessEnvironment);

}  // namespace mqt
