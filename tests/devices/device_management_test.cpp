// The device and driver steps of the main window, run against a scripted
// window, operator, library, files and clock.

#include "devices/device_management.h"

#include <gtest/gtest.h>

#include "device_fakes.h"
#include "devices/device_entry.h"
#include "devices/inf_edit.h"

namespace mqt {
namespace {

using Lines = std::vector<std::string>;
using testing::ScriptedStation;
using Outcome = FilterStep::Outcome;

const std::string kListFile = "c:\\DevList.txt";
const std::string kUsbInf = ".\\Driver\\MFilter.inf";
const std::string kPs2Inf = ".\\Driver\\PS2MouseMonitor.inf";
const std::string kOtherMouse = "HID\\VID_046D&PID_C077\\7&1A2B&0&0000";
const std::string kChosenMouse = "HID\\VID_0000&PID_0001\\SIMULATED";
const std::string kChosenModel = "HID\\VID_0000&PID_0001";
const std::string kPs2Mouse = "HIDX\\VID_0000&PID_0003\\PS2";

Lines DeviceListFile(const std::vector<std::pair<std::string, std::string>>& mice) {
  Lines lines{"Class \"Mouse\": Mice and other pointing devices"};
  for (const auto& [id, description] : mice) lines.push_back(id + " : " + description);
  return lines;
}

Lines InfOfLength(std::size_t count) {
  Lines lines;
  for (std::size_t i = 1; i <= count; ++i) lines.push_back("; inf line " + std::to_string(i));
  return lines;
}

class DeviceStepsTest : public ::testing::Test {
 protected:
  // Lists the mice and chooses the one at `index`, as the operator would.
  void ShowMice(const std::vector<std::pair<std::string, std::string>>& mice, std::size_t index) {
    s.files.files[kListFile] = DeviceListFile(mice);
    s.devices.RefreshDeviceList(false);
    ASSERT_LT(index, s.window.items.size());
    s.window.SelectDeviceItem(index);
    s.journal.clear();
  }

  // The listing script writes this list when it runs.
  void ListAfterScript(const std::vector<std::pair<std::string, std::string>>& mice) {
    s.runner.on_start = [this, mice](const std::string& command) {
      if (command.find("GetList") != std::string::npos) {
        s.files.files[kListFile] = DeviceListFile(mice);
      }
    };
  }

  // Runs the filter steps the way the window's timer does, up to the end.
  FilterStep RunFilterSteps(FilterStep step) {
    int guard = 0;
    while (step.outcome == Outcome::kWait && ++guard < 10) {
      delays.push_back(step.delay);
      step = s.devices.ContinueMouseFilter(false);
    }
    return step;
  }

  ScriptedStation s;
  std::vector<std::chrono::milliseconds> delays;
};

TEST_F(DeviceStepsTest, MouseWithFilterStartsTheTestWithoutAQuestion) {
  for (std::string_view description : {kUsbFilterDescription, kPs2FilterDescription}) {
    ShowMice({{kOtherMouse, "USB Mouse"}, {kChosenMouse, std::string(description)}}, 1);
    const FilterStep step = s.devices.PrepareMouseFilter();
    EXPECT_EQ(step.outcome, Outcome::kGoOn) << description;
    EXPECT_TRUE(s.journal.empty()) << description;
  }
}

TEST_F(DeviceStepsTest, AnswerNoChangesNothing) {
  s.files.files[kUsbInf] = InfOfLength(40);
  ShowMice({{kChosenMouse, "Simulated mouse"}}, 0);
  s.prompter.answers = {MsgResult::No};
  EXPECT_EQ(s.devices.PrepareMouseFilter().outcome, Outcome::kGoOn);
  EXPECT_EQ(s.journal, Lines{"question <MsgMouDriverA> | <MsgMouDriverB>"});
  EXPECT_EQ(s.files.files[kUsbInf], InfOfLength(40));
  EXPECT_EQ(s.files.writes, 0);
}

TEST_F(DeviceStepsTest, UsbInstallUpdatesRefreshesAndReselectsForEveryUpdateResult) {
  struct Case {
    std::int32_t update_result;
    const char* message;  // nullptr: no message
  };
  const Case cases[] = {{0, "message <MsgMouInstallOK>"},
                        {2, "message <MsgMouInstallFail>"},
                        {1, nullptr},
                        {3, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.update_result);
    s.files.files[kUsbInf] = InfOfLength(40);
    ShowMice({{kOtherMouse, "USB Mouse"}, {kChosenMouse, "Simulated mouse"}}, 1);
    ListAfterScript({{kOtherMouse, "USB Mouse"}, {kChosenMouse, "USB_MOUSE_Quality_Test"}});
    s.driver_setup.update_result = c.update_result;
    s.prompter.answers = {MsgResult::Yes};
    delays.clear();

    const FilterStep end = RunFilterSteps(s.devices.PrepareMouseFilter());

    EXPECT_EQ(end.outcome, Outcome::kGoOn);
    EXPECT_EQ(delays,
              (std::vector<std::chrono::milliseconds>{kInfSettleDelay, kListAfterInstallDelay}));
    EXPECT_EQ(s.files.files[kUsbInf][32], UsbModelLine(kChosenModel)) << "line 33";
    Lines expected = {"question <MsgMouDriverA> | <MsgMouDriverB>",
                      "cmdUpdate " + kUsbInf + " " + kChosenModel};
    if (c.message != nullptr) expected.push_back(c.message);
    expected.push_back("start hidden \".\\Tool\\GetList.bat\"");
    expected.push_back("list rebuilt");
    EXPECT_EQ(s.journal, expected);
    // The rebuild selects the first item; the chosen mouse is selected again.
    EXPECT_EQ(s.window.text, FormatDeviceEntry(kChosenMouse, "USB_MOUSE_Quality_Test"));
    EXPECT_TRUE(s.Entries("idle").empty());
  }
}

TEST_F(DeviceStepsTest, EveryInstallAddsOneMoreModelLine) {
  s.files.files[kUsbInf] = InfOfLength(40);
  for (const std::string& mouse : {kChosenMouse, kOtherMouse, kChosenMouse}) {
    ShowMice({{mouse, "Plain mouse"}}, 0);
    s.prompter.answers = {MsgResult::Yes};
    RunFilterSteps(s.devices.PrepareMouseFilter());
  }
  const Lines& inf = s.files.files[kUsbInf];
  ASSERT_EQ(inf.size(), 43u);
  EXPECT_EQ(inf[31], "; inf line 32");
  EXPECT_EQ(inf[32], UsbModelLine(kChosenModel));
  EXPECT_EQ(inf[33], UsbModelLine(HardwareIdOf(kOtherMouse)));
  EXPECT_EQ(inf[34], UsbModelLine(kChosenModel));
  EXPECT_EQ(inf[35], "; inf line 33");
}

TEST_F(DeviceStepsTest, Ps2InstallRunsTheDeviceConsoleToolAndOffersARestart) {
  for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
    SCOPED_TRACE(answer == MsgResult::Yes ? "Yes" : "No");
    s.files.files[kPs2Inf] = InfOfLength(30);
    ShowMice({{kPs2Mouse, "PS/2 mouse"}}, 0);
    s.prompter.answers = {MsgResult::Yes, answer};

    EXPECT_EQ(RunFilterSteps(s.devices.PrepareMouseFilter()).outcome, Outcome::kGoOn);

    EXPECT_EQ(s.files.files[kPs2Inf][27], "%DDK_Ex% = moufiltr, HIDX\\VID_0000&PID_0003")
        << "line 28";
    Lines expected = {"question <MsgMouDriverA> | <MsgMouDriverB>",
                      "start \".\\Tool\\devcon.exe\" -r update \".\\Driver\\PS2MouseMonitor.inf\" "
                      "\"HIDX\\VID_0000&PID_0003\"",
                      "question Install ok\nYou must restart the PC. Now? | Message"};
    if (answer == MsgResult::Yes) expected.push_back("restart");
    expected.push_back("start hidden \".\\Tool\\GetList.bat\"");
    expected.push_back("list rebuilt");
    EXPECT_EQ(s.journal, expected);
    EXPECT_TRUE(s.Entries("cmdUpdate").empty());
  }
}

TEST_F(DeviceStepsTest, Ps2ToolThatDoesNotStartIsReportedAsFailure) {
  s.files.files[kPs2Inf] = InfOfLength(30);
  ShowMice({{kPs2Mouse, "PS/2 mouse"}}, 0);
  s.prompter.answers = {MsgResult::Yes};
  s.runner.start_succeeds = false;
  EXPECT_EQ(RunFilterSteps(s.devices.PrepareMouseFilter()).outcome, Outcome::kGoOn);
  EXPECT_EQ(s.Entries("message"), Lines{"message <MsgMouInstallFail>"});
  EXPECT_TRUE(s.Entries("Install ok").empty());
  EXPECT_TRUE(s.Entries("restart").empty());
}

TEST_F(DeviceStepsTest, UnusableInfEndsTheTestStartIdleAndLeavesTheFile) {
  struct Case {
    const char* what;
    std::string mouse;
    std::string inf;
    std::optional<std::size_t> inf_lines;  // nullopt: missing
    bool unreadable;
    bool write_fails;
    const char* message;
  };
  const Case cases[] = {
      {"USB INF missing", kChosenMouse, kUsbInf, std::nullopt, false, false, "Lost inf file"},
      {"PS/2 INF missing", kPs2Mouse, kPs2Inf, std::nullopt, false, false, "Lost inf file"},
      {"USB INF too short", kChosenMouse, kUsbInf, 31, false, false, "Damaged inf file"},
      {"PS/2 INF too short", kPs2Mouse, kPs2Inf, 26, false, false, "Damaged inf file"},
      {"USB INF unreadable", kChosenMouse, kUsbInf, 40, true, false, "Cannot read inf file"},
      {"USB INF not writable", kChosenMouse, kUsbInf, 40, false, true, "Cannot write inf file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedStation station;
    if (c.inf_lines) station.files.files[c.inf] = InfOfLength(*c.inf_lines);
    if (c.unreadable) station.files.failing_reads[c.inf] = -1;
    station.files.writes_fail = c.write_fails;
    station.files.files[kListFile] = DeviceListFile({{c.mouse, "Plain mouse"}});
    station.devices.RefreshDeviceList(false);
    station.window.SetBusyControls();
    station.prompter.answers = {MsgResult::Yes};

    EXPECT_EQ(station.devices.PrepareMouseFilter().outcome, Outcome::kCancelled);

    const Lines messages = station.Entries("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(std::string("message ") + c.message, 0), 0u) << messages[0];
    EXPECT_FALSE(station.window.busy);
    if (c.inf_lines) {
      EXPECT_EQ(station.files.files[c.inf], InfOfLength(*c.inf_lines));
    }
    EXPECT_TRUE(station.Entries("cmdUpdate").empty());
    EXPECT_TRUE(station.Entries("start").empty());
  }
}

TEST_F(DeviceStepsTest, TypedEntryInOtherCaseTakesTheUsbPath) {
  s.files.files[kUsbInf] = InfOfLength(40);
  ShowMice({{kChosenMouse, "Simulated mouse"}}, 0);
  s.window.SetDeviceText("hid\\vid_0000&pid_0001\\simulated  :  simulated mouse");
  s.prompter.answers = {MsgResult::Yes};
  RunFilterSteps(s.devices.PrepareMouseFilter());
  EXPECT_EQ(s.Entries("cmdUpdate"), Lines{"cmdUpdate " + kUsbInf + " " + kChosenModel});
  EXPECT_TRUE(s.Entries("devcon").empty());
}

TEST_F(DeviceStepsTest, RemoveAdapterActsOnlyOnTheUsbFilterDescription) {
  for (const char* description :
       {"PS2_MOUSE_Quality_Test", "USB Mouse", "usb_mouse_quality_test", ""}) {
    ShowMice({{kChosenMouse, description}}, 0);
    EXPECT_FALSE(s.devices.mm_RemoveAdapterClick()) << description;
    EXPECT_TRUE(s.journal.empty()) << description;
  }
}

TEST_F(DeviceStepsTest, RemovalRunsWithAnimatedBannerAndEndsIdle) {
  ShowMice({{kOtherMouse, "USB Mouse"}, {kChosenMouse, "USB_MOUSE_Quality_Test"}}, 1);
  ListAfterScript({{kOtherMouse, "USB Mouse"}, {kChosenMouse, "Simulated mouse"}});

  EXPECT_EQ(s.devices.mm_RemoveAdapterClick(), kTimerRemoveDriverInterval);
  EXPECT_EQ(s.journal, (Lines{"busy", "banner <MsgRemoveMouDev> animated"}));
  s.journal.clear();

  EXPECT_EQ(s.devices.TimerRemoveDriverTimer(false), kListAfterRemovalDelay);
  EXPECT_EQ(s.journal, (Lines{"RemoveDriver " + kChosenModel + " 0", "Reflash",
                              "start hidden \".\\Tool\\GetList.bat\""}));
  EXPECT_TRUE(s.window.busy);
  s.journal.clear();

  EXPECT_EQ(s.devices.TimerRemoveDriverTimer(false), std::nullopt);
  EXPECT_EQ(s.journal,
            (Lines{"list rebuilt", "banner closed", "message <MsgMouRemoveOK>", "idle"}));
  EXPECT_FALSE(s.window.busy);

  // A stray timer event after the end does nothing.
  s.journal.clear();
  EXPECT_EQ(s.devices.TimerRemoveDriverTimer(false), std::nullopt);
  EXPECT_TRUE(s.journal.empty());
}

TEST_F(DeviceStepsTest, RemovalRemovesTheMouseChosenAtTheClick) {
  ShowMice({{kOtherMouse, "USB_MOUSE_Quality_Test"}, {kChosenMouse, "USB_MOUSE_Quality_Test"}}, 1);
  s.devices.mm_RemoveAdapterClick();
  // A device change rebuilds the list meanwhile and selects the first mouse.
  s.devices.RefreshDeviceList(false);
  ASSERT_EQ(ChosenMouseOf(s.window.text).instance_id, kOtherMouse);
  s.devices.TimerRemoveDriverTimer(false);
  EXPECT_EQ(s.Entries("RemoveDriver"), Lines{"RemoveDriver " + kChosenModel + " 0"});
}

TEST_F(DeviceStepsTest, TwoDeviceChangesWithinTheIntervalRunTheScriptOnce) {
  s.files.files[kListFile] = DeviceListFile({});
  ListAfterScript({{kChosenMouse, "Simulated mouse"}});
  bool timer_running = false;

  timer_running = s.devices.DeviceChanged(timer_running);
  EXPECT_TRUE(timer_running);
  EXPECT_FALSE(s.devices.DeviceChanged(timer_running)) << "a running timer keeps its period";
  EXPECT_EQ(s.devices.TimerAdapterTimer(false), std::nullopt);

  EXPECT_EQ(s.journal, (Lines{"start hidden \".\\Tool\\GetList.bat\"", "list rebuilt"}));
  EXPECT_EQ(s.window.items, Lines{FormatDeviceEntry(kChosenMouse, "Simulated mouse")});
}

TEST_F(DeviceStepsTest, EveryFurtherChangeOfABurstRunsTheScriptAgainAndTheListIsBuiltOnce) {
  s.files.files[kListFile] = DeviceListFile({});
  EXPECT_TRUE(s.devices.DeviceChanged(false));
  EXPECT_FALSE(s.devices.DeviceChanged(true));
  EXPECT_FALSE(s.devices.DeviceChanged(true));
  EXPECT_EQ(s.devices.TimerAdapterTimer(false), std::nullopt);
  EXPECT_EQ(s.Entries("GetList").size(), 2u);
  EXPECT_EQ(s.Entries("list rebuilt").size(), 1u);
}

TEST_F(DeviceStepsTest, SingleDeviceChangeRunsTheScriptBeforeTheListIsBuilt) {
  s.files.files[kListFile] = DeviceListFile({});
  ListAfterScript({{kChosenMouse, "Simulated mouse"}});
  EXPECT_TRUE(s.devices.DeviceChanged(false));
  EXPECT_EQ(s.devices.TimerAdapterTimer(false), kTimerAdapterInterval);
  EXPECT_EQ(s.journal, Lines{"start hidden \".\\Tool\\GetList.bat\""});
  EXPECT_EQ(s.devices.TimerAdapterTimer(false), std::nullopt);
  EXPECT_EQ(s.window.items, Lines{FormatDeviceEntry(kChosenMouse, "Simulated mouse")});
  EXPECT_EQ(s.Entries("GetList").size(), 1u);
}

TEST_F(DeviceStepsTest, CaptureDriverCheckAtStartUp) {
  struct Case {
    const char* what;
    bool present;
    bool needs_restart;
    std::optional<MsgResult> answer;
    Lines expected;
  };
  const std::string check = "IsExistDriver *Vorel\\MouseCapture";
  const std::string install = "InstallDriver *Vorel\\MouseCapture .\\Driver\\MouseCapture.inf";
  const std::string question = "question Restart PC now? | You need to restart the PC";
  const Case cases[] = {
      {"present", true, false, std::nullopt, {check, "record enabled"}},
      {"missing", false, false, std::nullopt, {check, install, "record enabled"}},
      {"missing, restart Yes",
       false,
       true,
       MsgResult::Yes,
       {check, install, question, "restart", "record enabled"}},
      {"missing, restart No",
       false,
       true,
       MsgResult::No,
       {check, install, question, "record enabled"}},
  };
  for (const Case& c : cases) {
    ScriptedStation station;
    if (c.present) station.driver_setup.present.insert("*Vorel\\MouseCapture");
    station.driver_setup.install_needs_restart = c.needs_restart;
    if (c.answer) station.prompter.answers = {*c.answer};
    EXPECT_FALSE(station.window.record_enabled);
    station.devices.TimerMouCapTimer();
    EXPECT_EQ(station.journal, c.expected) << c.what;
    EXPECT_TRUE(station.window.record_enabled) << c.what;
    EXPECT_FALSE(station.devices.DriverCheckBusy()) << c.what;
  }
}

TEST_F(DeviceStepsTest, DeviceChangesAreIgnoredWhileTheCaptureDriverInstalls) {
  bool busy_seen = false;
  bool timer_started = true;
  s.driver_setup.during_install = [&] {
    busy_seen = s.devices.DriverCheckBusy();
    timer_started = s.devices.DeviceChanged(false);
  };
  s.devices.TimerMouCapTimer();
  EXPECT_TRUE(busy_seen);
  EXPECT_FALSE(timer_started);
  EXPECT_TRUE(s.Entries("GetList").empty());
  EXPECT_TRUE(s.devices.DeviceChanged(false)) << "heard again after the installation";
}

TEST_F(DeviceStepsTest, TimerAlarmDrawsWarnsAndListsTheMice) {
  struct Case {
    const char* no_polling;
    bool warning;
  };
  for (const Case& c : {Case{"1", false}, Case{"0", true}, Case{"", true}, Case{" 1", true}}) {
    ScriptedStation station;
    station.settings.values["NoPolling"] = c.no_polling;
    station.files.files[kListFile] = DeviceListFile({{kChosenMouse, "Simulated mouse"}});
    station.devices.TimerAlarmTimer(false);
    Lines expected = {"plot"};
    if (c.warning) expected.push_back("driver warning");
    expected.insert(expected.end(), {"plot", "list rebuilt"});
    EXPECT_EQ(station.journal, expected) << "NoPolling \"" << c.no_polling << "\"";
    EXPECT_EQ(station.window.text, FormatDeviceEntry(kChosenMouse, "Simulated mouse"));
  }
}

TEST_F(DeviceStepsTest, EmptyOrMissingListFileShowsNoDeviceText) {
  for (bool exists : {false, true}) {
    ScriptedStation station;
    if (exists) station.files.files[kListFile] = {};
    station.window.items = {"old entry"};
    station.devices.RefreshDeviceList(false);
    EXPECT_TRUE(station.window.items.empty()) << exists;
    EXPECT_EQ(station.window.text, "<MsgNoDevice>") << exists;
  }
}

TEST_F(DeviceStepsTest, UnreadableListFileDoesNotHangTheWindow) {
  s.files.files[kListFile] = DeviceListFile({{kChosenMouse, "Simulated mouse"}});
  s.files.failing_reads[kListFile] = -1;
  const auto start = s.clock.now;
  s.devices.RefreshDeviceList(false);
  EXPECT_LE(s.clock.now - start, std::chrono::seconds(5));
  EXPECT_EQ(s.window.text, "<MsgNoDevice>");
}

TEST_F(DeviceStepsTest, RestartComputerCallsTheRestarter) {
  s.devices.RestartComputer();
  EXPECT_EQ(s.journal, Lines{"restart"});
}

}  // namespace
}  // namespace mqt
