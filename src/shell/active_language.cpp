#include "shell/active_language.h"

#include <algorithm>
#include <utility>

namespace mqt {
namespace {

std::string& ProgramWide() {
  static std::string language;
  return language;
}

}  // namespace

std::string ChooseActiveLanguage(std::string_view language_setting) {
  const bool blank = std::all_of(language_setting.begin(), language_setting.end(),
                                 [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  return blank ? std::string(kEnglish) : std::string(language_setting);
}

std::string LanguageFileWindowsPath(std::string_view active_language) {
  return ".\\Lng\\" + std::string(active_language) + ".lng";
}

void SetActiveLanguage(std::string language) { ProgramWide() = std::move(language); }

const std::string& ActiveLanguage() { return ProgramWide(); }

}  // namespace mqt
