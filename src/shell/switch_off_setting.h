#pragma once

#include <string>
#include <string_view>

namespace mqt {

class Prompter;
class Settings;

// The "do not show again" choice of the driver warning and the zoom hint:
// writes value "1" under name. A store that cannot be written is reported and
// false returned, so the dialog stays open and the operator can retry.
bool StoreSwitchOff(Settings& settings, Prompter& prompter, std::string_view name,
                    const std::string& caption);

// True when the setting switches the dialog off: exactly "1".
bool IsSwitchedOff(Settings& settings, std::string_view name);

}  // namespace mqt
