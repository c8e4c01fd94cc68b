#include "shell/switch_off_setting.h"

#include "platform/prompter.h"
#include "platform/settings.h"

namespace mqt {

bool StoreSwitchOff(Settings& settings, Prompter& prompter, std::string_view name,
                    const std::string& caption) {
  try {
    settings.Write(name, "1");
    return true;
  } catch (const SettingsWriteError& e) {
    prompter.MessageBox(e.what(), caption, MsgButtons::Ok, MsgIcon::Error);
    return false;
  }
}

bool IsSwitchedOff(Settings& settings, std::string_view name) { return settings.Read(name) == "1"; }

}  // namespace mqt
