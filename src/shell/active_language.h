#pragma once

#include <string>
#include <string_view>

namespace mqt {

// The language names the station itself recognises; they are compared
// exactly. Any other name is accepted: its files are looked up under it and
// no per-language adjustment applies.
inline constexpr std::string_view kEnglish = "English";
inline constexpr std::string_view kChineseS = "ChineseS";
inline constexpr std::string_view kChineseT = "ChineseT";
inline constexpr std::string_view kGerman = "German";
inline constexpr std::string_view kRussia = "Russia";

// The active language for the setting "Language": "English" when the value is
// empty or only blanks (characters up to the space, as the system trims),
// otherwise the value exactly as read, blanks and letter case included.
std::string ChooseActiveLanguage(std::string_view language_setting);

// The language file of a language as a program-relative Windows path,
// ".\Lng\<language>.lng"; made absolute with ExpandPath.
std::string LanguageFileWindowsPath(std::string_view active_language);

// The program-wide active language, set once by the main window's
// constructor and read by every window after it; "" before it is set.
void SetActiveLanguage(std::string language);
const std::string& ActiveLanguage();

}  // namespace mqt
