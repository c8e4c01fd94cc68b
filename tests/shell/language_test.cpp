#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "shell/active_language.h"
#include "shell/language_file.h"
#include "shell/language_keys.h"
#include "shell/settings_table.h"

namespace mqt {
namespace {

class MapSettings : public Settings {
 public:
  explicit MapSettings(std::map<std::string, std::string, std::less<>> values)
      : values_(std::move(values)) {}
  std::string Read(std::string_view name) override {
    const auto it = values_.find(name);
    return it == values_.end() ? std::string() : it->second;
  }
  void Write(std::string_view name, std::string_view value) override {
    values_[std::string(name)] = value;
  }

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

TEST(ActiveLanguage, ChosenFromTheSettingsAsTheMainWindowReadsThem) {
  const struct {
    std::map<std::string, std::string, std::less<>> values;
    std::string language;
    bool realtime_display;
    std::string operator_mode;
    std::string file;
  } cases[] = {
      {{}, "English", true, "", ".\\Lng\\English.lng"},
      {{{"Language", "   "}}, "English", true, "", ".\\Lng\\English.lng"},
      {{{"Language", " \t "}}, "English", true, "", ".\\Lng\\English.lng"},
      {{{"Language", "German"}, {"RealDisplay", "0"}}, "German", false, "", ".\\Lng\\German.lng"},
      {{{"Language", " English"}, {"RealDisplay", "1"}},
       " English",
       true,
       "",
       ".\\Lng\\ English.lng"},
      {{{"Language", "english"}, {"RealDisplay", "0 "}},
       "english",
       true,
       "",
       ".\\Lng\\english.lng"},
      {{{"Language", "Klingon"}, {"User", "Expert"}},
       "Klingon",
       true,
       "Expert",
       ".\\Lng\\Klingon.lng"},
      {{{"User", " Expert"}, {"RealDisplay", ""}},
       "English",
       true,
       " Expert",
       ".\\Lng\\English.lng"},
  };
  for (const auto& c : cases) {
    MapSettings settings(c.values);
    const StartupSettings read = ReadStartupSettings(settings);
    EXPECT_EQ(read.active_language, c.language);
    EXPECT_EQ(read.realtime_display, c.realtime_display) << c.language;
    EXPECT_EQ(read.operator_mode, c.operator_mode) << c.language;
    EXPECT_EQ(LanguageFileWindowsPath(read.active_language), c.file);
  }
  EXPECT_TRUE(DialogSwitchedOff("1"));
  EXPECT_FALSE(DialogSwitchedOff("1 "));
  EXPECT_FALSE(DialogSwitchedOff(""));
}

TEST(LanguageFile, LookupGivesEmptyTextForAnythingMissing) {
  std::string pattern = (std::filesystem::temp_directory_path() / "mqt-lng-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::string path = pattern + "/Test.lng";
  std::ofstream(path) << "[Form]\nMsgOK=OK\nMsgClose=\n[Other]\nVersion=2\n";

  OpenLanguageFile(path, kLanguageSection);
  EXPECT_EQ(LanguageLookup("MsgOK"), "OK");
  EXPECT_EQ(LanguageLookup("MsgClose"), "");  // empty text, same as missing
  EXPECT_EQ(LanguageLookup("Version"), "");   // another section
  EXPECT_EQ(LanguageLookup("PaintWeb"), "");

  OpenLanguageFile(pattern + "/Missing.lng", kLanguageSection);
  EXPECT_EQ(LanguageLookup("MsgOK"), "");
  EXPECT_EQ(LanguageFile(path, "Missing").Lookup("MsgOK"), "");
  std::filesystem::remove_all(pattern);
}

// What ships beside the program: every language holds every key with a text.
TEST(LanguageFiles, EveryLanguageHoldsEveryKeyWithAText) {
  for (const char* language : {"English", "ChineseT", "ChineseS", "German", "Russia"}) {
    const std::string path = std::string(MQT_BIN_DIR) + "/Lng/" + language + ".lng";
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    const LanguageFile file(path, kLanguageSection);
    for (const std::string_view key : kLanguageKeys) {
      const std::string text = file.Lookup(key);
      EXPECT_FALSE(text.empty()) << language << ": " << key;
      // U+FFFD means the file was not saved as UTF-8.
      EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << language << ": " << key;
    }
  }
}

}  // namespace
}  // namespace mqt
