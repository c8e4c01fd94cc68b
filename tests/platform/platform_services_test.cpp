#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/desktop_shell_opener.h"
#include "platform/paths.h"
#include "platform/posix_program_runner.h"
#include "platform/single_instance.h"

namespace mqt {
namespace {

namespace fs = std::filesystem;

class PlatformServices : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "mqt-services-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    roots_ = {dir_.string() + "/program/", dir_.string() + "/data/"};
    fs::create_directories(roots_.program_folder + "Tool");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A tool that writes its arguments, one per line, to `out`.
  void MakeTool(const std::string& name, const std::string& out) {
    const std::string path = roots_.program_folder + "Tool/" + name;
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" << out << ".part\"\nmv \"" << out
                        << ".part\" \"" << out << "\"\n";
    fs::permissions(path, fs::perms::owner_all);
  }

  static std::string WaitForFile(const std::string& path) {
    for (int i = 0; i < 500 && !fs::exists(path); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
  HostPathRoots roots_;
};

TEST_F(PlatformServices, ProgramRunnerStartsTheHostExecutableOfTheSameStem) {
  const std::string out = dir_.string() + "/args.txt";
  MakeTool("GetList", out);
  PosixProgramRunner runner(roots_);

  const std::string program = ExpandPath(".\\Tool\\GetList.bat", roots_.program_folder);
  EXPECT_TRUE(runner.Start("\"" + program + "\" -r \"c:\\a b.inf\"", true));
  EXPECT_EQ(WaitForFile(out), "-r\nc:\\a b.inf\n");

  fs::remove(out);
  EXPECT_TRUE(runner.Start(".\\tool\\getlist.exe", false));  // letter case ignored
  EXPECT_EQ(WaitForFile(out), "\n");

  EXPECT_FALSE(runner.Start(".\\Tool\\Missing.bat", true));
  EXPECT_FALSE(runner.Start("", true));
  EXPECT_FALSE(runner.Start(".\\Tool", true));  // a folder is no program
}

TEST_F(PlatformServices, ResolveHostPathCreatesTheDriveAndFindsNamesInAnyCase) {
  EXPECT_EQ(ResolveHostPath("c:\\DevList.txt", roots_),
            roots_.drives_folder + "drive_c/DevList.txt");
  EXPECT_TRUE(fs::is_directory(roots_.drives_folder + "drive_c"));

  fs::create_directories(roots_.program_folder + "Lng");
  std::ofstream(roots_.program_folder + "Lng/English.lng") << "[Form]\n";
  const struct {
    const char* path;
    std::string expected;
  } cases[] = {
      {".\\Lng\\English.lng", roots_.program_folder + "Lng/English.lng"},
      {".\\lng\\english.LNG", roots_.program_folder + "Lng/English.lng"},
      {".\\LNG\\ English.lng", roots_.program_folder + "Lng/ English.lng"},  // no such file
      {".\\res\\English\\Main.bmp", roots_.program_folder + "res/English/Main.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveHostPath(c.path, roots_), c.expected) << c.path;
}

TEST_F(PlatformServices, SingleInstanceRefusesASecondCopyUntilTheFirstEnds) {
  const std::string folder = dir_.string() + "/";
  {
    SingleInstance first("Station Test Mutex", folder);
    EXPECT_EQ(first.state(), SingleInstance::State::Acquired);
    SingleInstance second("Station Test Mutex", folder);
    EXPECT_TRUE(second.already_exists());
    SingleInstance other("Another Mutex", folder);
    EXPECT_EQ(other.state(), SingleInstance::State::Acquired);
  }
  // A copy that dies without cleaning up leaves no lock behind.
  const pid_t child = fork();
  if (child == 0) {
    SingleInstance held("Station Test Mutex", folder);
    if (held.state() != SingleInstance::State::Acquired) _exit(2);
    kill(getpid(), SIGKILL);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  SingleInstance after("Station Test Mutex", folder);
  EXPECT_EQ(after.state(), SingleInstance::State::Acquired);

  EXPECT_EQ(SingleInstance("x", dir_.string() + "/missing/").state(),
            SingleInstance::State::Unavailable);
}

TEST_F(PlatformServices, ShellOpenTurnsAddressesAndDocumentsIntoUrls) {
  const struct {
    const char* text;
    QUrl expected;
  } cases[] = {
      {"https://mouse-quality.example.com", QUrl("https://mouse-quality.example.com")},
      {"www.example.com/x", QUrl("https://www.example.com/x")},
      {"mailto:lab@example.com", QUrl("mailto:lab@example.com")},
      {".\\EnglishMenual.pdf",
       QUrl::fromLocalFile(QString::fromStdString(roots_.program_folder + "EnglishMenual.pdf"))},
      {"c:\\MouseData.txt",
       QUrl::fromLocalFile(QString::fromStdString(roots_.drives_folder + "drive_c/MouseData.txt"))},
      {"", QUrl()},
  };
  for (const auto& c : cases) EXPECT_EQ(ShellOpenUrl(c.text, roots_), c.expected) << c.text;
}

}  // namespace
}  // namespace mqt
