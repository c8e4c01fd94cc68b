#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/command_line.h"
#include "platform/expand_path.h"
#include "platform/host_path.h"

namespace mqt {
namespace {

TEST(ExpandPath, MakesProgramRelativePathsAbsoluteAndExpandsVariables) {
  const std::string long_value(2000, 'L');
  const std::map<std::string, std::string, std::less<>> vars = {
      {"TEMP", "C:\\Temp"}, {"A", "a"}, {"B", "b"}, {"REC", "%TEMP%"}, {"LONG", long_value}};
  const EnvironmentLookup env = [&vars](std::string_view name) -> std::optional<std::string> {
    const auto it = vars.find(name);
    if (it == vars.end()) return std::nullopt;
    return it->second;
  };
  const struct {
    const char* path;
    const char* program_folder;
    std::string expected;
  } cases[] = {
      {".\\Tool\\GetList.bat", "C:\\Tester\\", "C:\\Tester\\Tool\\GetList.bat"},
      {"Tool\\GetList.bat", "C:\\Tester\\", "Tool\\GetList.bat"},
      {".\\Lng\\English.lng", "C:\\Tester\\", "C:\\Tester\\Lng\\English.lng"},
      {".\\", "C:\\Tester\\", "C:\\Tester\\"},
      {".\\Tool", "C:\\Tester", "C:\\Tester\\Tool"},
      {".\\Lng\\English.lng", "/opt/station/", "/opt/station/Lng\\English.lng"},
      {"./Tool", "C:\\Tester\\", "./Tool"},
      {"c:\\DevList.txt", "C:\\Tester\\", "c:\\DevList.txt"},
      {"%TEMP%\\x.txt", "C:\\Tester\\", "C:\\Temp\\x.txt"},
      {"%A%%B%", "", "ab"},
      {"%UNSET%\\x", "", "%UNSET%\\x"},
      {"%A", "", "%A"},
      {"%%", "", "%%"},
      {"%REC%", "", "%TEMP%"},                      // one pass only
      {"x%TEMP%", "", "x%TEMP%"},                   // only a leading "%" expands
      {"%LONG%\\tail", "", long_value + "\\tail"},  // beyond 1023 characters, not cut
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandPath(c.path, c.program_folder, env), c.expected) << c.path;
  }
}

TEST(WindowsToHostPath, MapsDrivesAndProgramRelativePaths) {
  const HostPathRoots roots{"/opt/station/", "/home/op/.local/share/mouse-quality-test/"};
  const std::string drive_c = roots.drives_folder + "drive_c/";
  const struct {
    const char* path;
    std::string expected;
  } cases[] = {
      {"c:\\DevList.txt", drive_c + "DevList.txt"},
      {"C:\\MouseData.txt", drive_c + "MouseData.txt"},
      {"c:DevList.txt", drive_c + "DevList.txt"},
      {"C:\\", drive_c},
      {"d:\\x\\y.bmp", roots.drives_folder + "drive_d/x/y.bmp"},
      {"/opt/station/Lng\\English.lng", "/opt/station/Lng/English.lng"},
      {".\\res\\English\\Main.bmp", "/opt/station/res/English/Main.bmp"},
      {"res\\Englishcom.bmp", "/opt/station/res/Englishcom.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowsToHostPath(c.path, roots), c.expected) << c.path;
}

TEST(CommandLine, SplitsWordsAndMapsProgramNamesToTheirStem) {
  using Words = std::vector<std::string>;
  const struct {
    const char* line;
    Words words;
  } splits[] = {
      {"\"C:\\Tester\\Tool\\GetList.bat\"", {"C:\\Tester\\Tool\\GetList.bat"}},
      {"\"C:\\T x\\devcon.exe\" -r update \"C:\\T x\\a.inf\" \"HID\\VID_1&PID_2\"",
       {"C:\\T x\\devcon.exe", "-r", "update", "C:\\T x\\a.inf", "HID\\VID_1&PID_2"}},
      {"  a   b  ", {"a", "b"}},
      {"a \"\" b", {"a", "", "b"}},
      {"", {}},
  };
  for (const auto& c : splits) EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;

  const struct {
    const char* path;
    const char* stem;
  } stems[] = {
      {"/s/Tool/GetList.bat", "/s/Tool/GetList"}, {"/s/Tool/devcon.EXE", "/s/Tool/devcon"},
      {"/s/Tool/run.cmd", "/s/Tool/run"},         {"/s/Tool/notes.txt", "/s/Tool/notes.txt"},
      {"/s/v1.exe/tool", "/s/v1.exe/tool"},
  };
  for (const auto& c : stems) EXPECT_EQ(HostProgramStem(c.path), c.stem) << c.path;
}

}  // namespace
}  // namespace mqt
