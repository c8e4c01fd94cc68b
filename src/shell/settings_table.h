#pragma once

#include <string>
#include <string_view>

#include "platform/settings.h"

namespace mqt {

// The settings key as the main window's constructor names it, and as every
// other place does; both are the same key (HKEY_CURRENT_USER\Software\Tessarin).
inline constexpr std::string_view kMainFormSettingsKey = "\\Software\\Tessarin";
inline constexpr std::string_view kSettingsKey = "Software\\Tessarin";

// The string values of the settings key.
inline constexpr std::string_view kSettingLanguage = "Language";        // set outside the program
inline constexpr std::string_view kSettingRealDisplay = "RealDisplay";  // "0" or "1"
inline constexpr std::string_view kSettingUser = "User";                // set outside the program
inline constexpr std::string_view kSettingNoPolling = "NoPolling";  // "1" hides the driver warning
inline constexpr std::string_view kSettingNoHint = "NoHint";        // "1" hides the zoom hint

// What the main window's constructor reads.
struct StartupSettings {
  std::string active_language;   // ChooseActiveLanguage of "Language"
  bool realtime_display = true;  // unchecked only by exactly "0"
  std::string operator_mode;     // "User" as read, blanks kept; "Expert" is tested
};

StartupSettings ReadStartupSettings(Settings& settings);

// "NoPolling" and "NoHint" switch their dialog off only with exactly "1".
bool DialogSwitchedOff(std::string_view setting_value);

}  // namespace mqt
