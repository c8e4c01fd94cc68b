#include "shell/settings_table.h"

#include "shell/active_language.h"

namespace mqt {

StartupSettings ReadStartupSettings(Settings& settings) {
  StartupSettings result;
  result.active_language = ChooseActiveLanguage(settings.Read(kSettingLanguage));
  result.realtime_display = settings.Read(kSettingRealDisplay) != "0";
  result.operator_mode = settings.Read(kSettingUser);
  return result;
}

bool DialogSwitchedOff(std::string_view setting_value) { return setting_value == "1"; }

}  // namespace mqt
