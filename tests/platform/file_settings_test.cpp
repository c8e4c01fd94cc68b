#include "platform/file_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mqt {
namespace {

namespace fs = std::filesystem;

class FileSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "mqt-settings-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    folder_ = dir_.string() + "/config/";
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Put(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  fs::path dir_;
  std::string folder_;
};

TEST_F(FileSettingsTest, ValuesRoundTripThroughTheFileUnderBothKeyNames) {
  const struct {
    const char* name;
    std::string value;
  } values[] = {
      {"Language", " English"},  // blanks are part of the value
      {"RealDisplay", "0"},
      {"User", ""},
      {"NoPolling", "1 "},
      {"Odd=Name\\#", "a=b\\c"},
      {"Lines", "one\ntwo\r\nthree"},
      {"Chinese", "繁體中文"},
  };
  {
    FileSettings writer(folder_, "\\Software\\Tessarin");
    for (const auto& v : values) writer.Write(v.name, v.value);
    writer.Write("RealDisplay", "1");  // replaced in place
  }
  FileSettings reader(folder_, "Software\\Tessarin");
  EXPECT_EQ(reader.path(), folder_ + "Software/Tessarin.conf");
  for (const auto& v : values) {
    EXPECT_EQ(reader.Read(v.name), std::string(v.name) == "RealDisplay" ? "1" : v.value) << v.name;
  }
  EXPECT_EQ(reader.Read("language"), "");  // names compare exactly
  EXPECT_EQ(reader.Read("Absent"), "");
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ + "Software"), fs::directory_iterator()),
            1);
}

TEST_F(FileSettingsTest, CorruptOrUnreadableFileReadsAsEmptyAndIsKeptAsideOnWrite) {
  const std::string path = SettingsFilePath(folder_, "Software\\Tessarin");
  const struct {
    const char* why;
    std::string text;
  } corrupt[] = {
      {"line without =", "Language=German\ngarbage line\n"},
      {"bad escape", "Language=German\\q\n"},
      {"NUL byte", std::string("Language=German\n\0\n", 18)},
      {"not UTF-8", "Language=Germ\xE4n\n"},
      {"over 1 MiB", "Language=German\n#" + std::string(1100 * 1024, 'x') + "\n"},
  };
  for (const auto& c : corrupt) {
    Put(path, c.text);
    FileSettings settings(folder_, "Software\\Tessarin");
    EXPECT_EQ(settings.Read("Language"), "") << c.why;
    settings.Write("NoHint", "1");
    EXPECT_EQ(settings.Read("NoHint"), "1") << c.why;
    EXPECT_EQ(settings.Read("Language"), "") << c.why;
    EXPECT_EQ(Contents(path + ".corrupt"), c.text) << c.why;
    fs::remove(path);
  }

  // A folder where the file should be cannot be read: empty values, no crash.
  fs::create_directories(path);
  FileSettings settings(folder_, "Software\\Tessarin");
  EXPECT_EQ(settings.Read("Language"), "");

  // Hand-written files with comments, blanks around names and CR LF are fine.
  fs::remove_all(path);
  Put(path, "# set by the installer\r\n\r\n  Language =German\r\nUser=Expert\r\n");
  EXPECT_EQ(settings.Read("Language"), "German");
  EXPECT_EQ(settings.Read("User"), "Expert");
}

TEST_F(FileSettingsTest, FailedWriteIsReportedNotSwallowed) {
  Put(dir_.string() + "/blocker", "a file where the folder should be");
  FileSettings settings(dir_.string() + "/blocker/config/", "Software\\Tessarin");
  std::string error;
  EXPECT_FALSE(settings.TryWrite("NoHint", "1", &error));
  EXPECT_NE(error.find("NoHint"), std::string::npos) << error;

  try {
    settings.Write("NoPolling", "1");
    ADD_FAILURE() << "a failed write must raise SettingsWriteError";
  } catch (const SettingsWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("NoPolling"), std::string::npos) << e.what();
  }
  EXPECT_EQ(settings.Read("NoPolling"), "");
}

}  // namespace
}  // namespace mqt
