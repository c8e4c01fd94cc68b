// The listing tool and the device console tool as the station starts them,
// and the whole device path from a fresh user profile: list, capture device,
// filter installation on the simulated mouse, removal.

#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "device_fakes.h"
#include "devices/device_entry.h"
#include "devices/device_list.h"
#include "devices/inf_edit.h"
#include "platform/device_ids.h"
#include "platform/driver_setup/bound_mice.h"
#include "platform/driver_setup/host_driver_setup.h"
#include "platform/driver_setup/host_file_store.h"
#include "platform/driver_setup/text_file.h"
#include "user_profile.h"

extern char** environ;

namespace mqt {
namespace {

using Lines = std::vector<std::string>;

// Runs Tool/<name> with the arguments and waits for it; its exit code, or -1.
int RunTool(const std::string& name, const Lines& args) {
  const std::string program = std::string(MQT_BIN_DIR) + "/Tool/" + name;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// Starts ".\Tool\<stem>.bat|.exe" "arg" ... like the station's program runner
// but waits for the tool, so the test sees its result at once.
class WaitingToolRunner : public ProgramRunner {
 public:
  bool Start(const std::string& command_line, bool) override {
    Lines tokens;
    for (std::size_t i = 0; i < command_line.size();) {
      if (command_line[i] == ' ') {
        ++i;
      } else if (command_line[i] == '"') {
        const std::size_t close = command_line.find('"', i + 1);
        tokens.push_back(command_line.substr(i + 1, close - i - 1));
        i = close + 1;
      } else {
        const std::size_t end = command_line.find(' ', i);
        tokens.push_back(command_line.substr(i, end - i));
        i = end == std::string::npos ? command_line.size() : end;
      }
    }
    if (tokens.empty()) return false;
    std::string tool = tokens[0].substr(tokens[0].rfind('\\') + 1);
    tool = tool.substr(0, tool.rfind('.'));
    started.push_back(tool);
    return RunTool(tool, Lines(tokens.begin() + 1, tokens.end())) == 0;
  }
  Lines started;
};

class DeviceToolsTest : public testing::FreshProfileTest {
 protected:
  Lines DeviceListLines() const { return ReadTextLines(DeviceListFile()).value_or(Lines{}); }
};

TEST_F(DeviceToolsTest, GetListWritesTheMiceInTheDeviceListLayout) {
  AddRecording("swing.csv");
  ASSERT_EQ(RunTool("GetList", {}), 0);
  const Lines lines = DeviceListLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find(kClassMarker), std::string::npos);
  EXPECT_EQ(ParseDeviceList(lines, false),
            (Lines{FormatDeviceEntry(kSimulatedInstanceId, "Simulated mouse (not hardware)"),
                   FormatDeviceEntry("HID\\VID_0000&PID_0002\\REC_swing",
                                     "Recording swing (replayed, not hardware)")}));
}

TEST_F(DeviceToolsTest, DevconBindsAndRemovesTheFilterThatGetListThenShows) {
  const std::string inf = CopyOfDriverFile("PS2MouseMonitor.inf").string();
  const std::string model(kSimulatedHardwareId);
  EXPECT_EQ(RunTool("devcon", {"-r", "update", inf, model}), 2) << "INF names no model yet";

  Lines lines = *ReadTextLines(inf);
  lines.insert(lines.begin() + kPs2ModelLineIndex, Ps2ModelLine(model));
  ASSERT_TRUE(WriteTextFileAtomically(inf, lines));
  EXPECT_EQ(RunTool("devcon", {"-r", "update", inf, model}), 0);
  ASSERT_EQ(RunTool("GetList", {}), 0);
  EXPECT_EQ(ParseDeviceList(DeviceListLines(), false),
            Lines{FormatDeviceEntry(kSimulatedInstanceId, "PS2_MOUSE_Quality_Test")});
  EXPECT_EQ(RunTool("devcon", {"status"}), 0);

  EXPECT_EQ(RunTool("devcon", {"remove", model}), 0);
  ASSERT_EQ(RunTool("GetList", {}), 0);
  EXPECT_EQ(ParseDeviceList(DeviceListLines(), false),
            Lines{FormatDeviceEntry(kSimulatedInstanceId, "Simulated mouse (not hardware)")});
}

TEST_F(DeviceToolsTest, DevconRefusesAWrongCommandLine) {
  for (const Lines& args :
       {Lines{}, Lines{"-r"}, Lines{"update", "only.inf"}, Lines{"frobnicate"}}) {
    EXPECT_EQ(RunTool("devcon", args), 3);
  }
}

TEST_F(DeviceToolsTest, FreshProfileChoosesInstallsAndRemovesTheFilterOfTheSimulatedMouse) {
  testing::Journal journal;
  testing::FakeWindow window(journal);
  testing::ScriptedPrompter prompter(journal);
  WaitingToolRunner runner;
  HostDriverSetup driver_setup = HostDriverSetup::ForThisUser();
  HostFileStore files;
  SteadyRetryClock clock;
  testing::CountingRestarter restarter(journal);
  testing::MapSettings settings;
  DevicePaths paths = ExpandDevicePaths([](std::string_view path) { return std::string(path); });
  paths.capture_inf = CopyOfDriverFile("MouseCapture.inf").string();
  paths.usb_filter_inf = CopyOfDriverFile("MFilter.inf").string();
  DeviceManagement devices(DeviceServices{window, prompter, runner, driver_setup, files, clock,
                                          restarter, settings, testing::KeyText, paths});
  const std::string simulated(kSimulatedInstanceId);

  // Start-up: the splash window runs the listing script, the timers follow.
  devices.StartListingScript();
  devices.TimerAlarmTimer(false);
  EXPECT_EQ(window.text, FormatDeviceEntry(simulated, "Simulated mouse (not hardware)"));
  devices.TimerMouCapTimer();
  EXPECT_TRUE(window.record_enabled);
  EXPECT_EQ(driver_setup.IsExistDriver(std::string(kCaptureDeviceId)), 1);
  EXPECT_TRUE(ReadBoundMice().empty());

  // Test start: the filter is offered and installed on the chosen mouse.
  window.SetBusyControls();
  prompter.answers = {MsgResult::Yes};
  FilterStep step = devices.PrepareMouseFilter();
  while (step.outcome == FilterStep::Outcome::kWait) step = devices.ContinueMouseFilter(false);
  EXPECT_EQ(step.outcome, FilterStep::Outcome::kGoOn);
  EXPECT_EQ(window.text, FormatDeviceEntry(simulated, "USB_MOUSE_Quality_Test"));
  const std::vector<PresentMouse> bound = ReadBoundMice();
  ASSERT_EQ(bound.size(), 1u);
  EXPECT_EQ(bound[0].instance_id, simulated);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "message <MsgMouInstallOK>"), 1);

  // The next test starts without a question.
  EXPECT_EQ(devices.PrepareMouseFilter().outcome, FilterStep::Outcome::kGoOn);

  // Remove Adapter.
  window.SetIdleControls();
  NextStep next = devices.mm_RemoveAdapterClick();
  while (next) next = devices.TimerRemoveDriverTimer(false);
  EXPECT_FALSE(window.busy);
  EXPECT_TRUE(ReadBoundMice().empty());
  EXPECT_EQ(window.text, FormatDeviceEntry(simulated, "Simulated mouse (not hardware)"));
  EXPECT_EQ(runner.started, (Lines{"GetList", "GetList", "GetList"}));
}

}  // namespace
}  // namespace mqt
