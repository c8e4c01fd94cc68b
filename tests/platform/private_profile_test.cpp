#include "platform/private_profile.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace mqt {
namespace {

struct Case {
  const char* rule;
  std::string file;
  const char* section;
  const char* key;
  std::string expected;
};

TEST(PrivateProfile, ReadsTextsByThePrivateProfileRules) {
  const Case cases[] = {
      {"plain entry", "[Form]\nKey=Text\n", "Form", "Key", "Text"},
      {"names ignore letter case", "[form]\nkEY=Text\n", "FORM", "Key", "Text"},
      {"blanks around names and text trimmed", "  [ Form ]  \n\t Key \t=  two  words \t\n", "Form",
       "Key", "two  words"},
      {"double quotes keep blanks", "[Form]\nKey=\"  Device : \"\n", "Form", "Key", "  Device : "},
      {"single quotes removed", "[Form]\nKey='x'\n", "Form", "Key", "x"},
      {"unpaired quote kept", "[Form]\nKey=\"x\n", "Form", "Key", "\"x"},
      {"first key wins", "[Form]\nKey=first\nKEY=second\n", "Form", "Key", "first"},
      {"only the first section of a name", "[Form]\nA=1\n[Other]\nB=0\n[Form]\nB=2\n", "Form", "B",
       ""},
      {"key of another section", "[Other]\nKey=x\n[Form]\n", "Form", "Key", ""},
      {"missing section", "[Other]\nKey=x\n", "Form", "Key", ""},
      {"missing key", "[Form]\nOther=x\n", "Form", "Key", ""},
      {"empty text", "[Form]\nKey=\nKey=late\n", "Form", "Key", ""},
      {"byte-order mark skipped", "\xEF\xBB\xBF[Form]\nKey=x\n", "Form", "Key", "x"},
      {"CR LF and CR line ends", "[Form]\r\nA=1\r\nB=2\rKey=3", "Form", "Key", "3"},
      {"text split at the first =", "[Form]\nPaintWeb=https://a.example.com/?q=1\n", "Form",
       "PaintWeb", "https://a.example.com/?q=1"},
      {"comment lines skipped", "[Form]\n;Key=x\nKey=y\n", "Form", "Key", "y"},
      {"entries before any section ignored", "Key=x\n[Form]\n", "Form", "Key", ""},
      {"header without ] is no section", "[Form\nKey=x\n", "Form", "Key", ""},
      {"caption keys with arrows and brackets",
       "[Form]\nMainForm->CoolBar1->Bands->Items[0]->Text=Device\n", "Form",
       "MainForm->CoolBar1->Bands->Items[0]->Text", "Device"},
      {"tab inside a text kept", "[Form]\nKey=&Record\tF9\n", "Form", "Key", "&Record\tF9"},
      {"every character kept", "[Form]\nKey=開始測試(F9) Запись\n", "Form", "Key",
       "開始測試(F9) Запись"},
      {"bytes that are not UTF-8 become U+FFFD", std::string("[Form]\nKey=a\xFF") + '\0' + "b\n",
       "Form", "Key",
       "a\xEF\xBF\xBD\xEF\xBF\xBD"
       "b"},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.file);
    EXPECT_EQ(ProfileSection::Read(in, c.section).Get(c.key), c.expected) << c.rule;
  }
}

TEST(PrivateProfile, CutsTextsAfter2047Characters) {
  std::string cjk;
  for (int i = 0; i < 3000; ++i) cjk += "測";
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {std::string(3000, 'a'), std::string(2047, 'a')},
      {std::string(2047, 'b'), std::string(2047, 'b')},
      {cjk, cjk.substr(0, 2047 * 3)},  // characters, not bytes
      {"\"" + std::string(2046, 'c') + "  \"", std::string(2046, 'c') + " "},
  };
  for (const auto& c : cases) {
    std::istringstream in("[Form]\nKey=" + c.text + "\n");
    EXPECT_EQ(ProfileSection::Read(in, "Form").Get("Key"), c.expected) << c.text.substr(0, 10);
  }
}

class PrivateProfileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "mqt-profile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(PrivateProfileFile, NeverFailsOnMissingBinaryOrHugeFiles) {
  // 3 MB of random bytes, one line of it far longer than any text, then a
  // proper section: the reader keeps going and finds it.
  const std::string binary = (dir_ / "binary.lng").string();
  {
    std::ofstream out(binary, std::ios::binary);
    std::mt19937 random(7);
    std::string noise(3 * 1024 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    out << "[Form]\nBefore=" << std::string(200000, 'x') << noise << "\n[Form]\nKey=late\n";
  }
  EXPECT_EQ(ProfileSection::Load(binary, "Form").Get("Key"), "");
  EXPECT_EQ(ProfileSection::Load(binary, "Form").Get("Before").size(), 2047u);

  const std::string huge_line = (dir_ / "huge_line.lng").string();
  {
    std::ofstream out(huge_line, std::ios::binary);
    out << std::string(5 * 1024 * 1024, 'y') << "\n[Form]\nKey=found\n";
  }
  EXPECT_EQ(ReadPrivateProfileString(huge_line, "Form", "Key"), "found");

  EXPECT_EQ(ReadPrivateProfileString((dir_ / "missing.lng").string(), "Form", "Key"), "");
  EXPECT_EQ(ReadPrivateProfileString(dir_.string(), "Form", "Key"), "");  // a folder
  EXPECT_EQ(ProfileSection().Get("Key"), "");
}

}  // namespace
}  // namespace mqt
