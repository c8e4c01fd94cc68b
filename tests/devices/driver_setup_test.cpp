// The driver set-up library on the host: the shipped INF files, the state
// file, the present mice and the paths of drive C: and the program folder.

#include <gtest/gtest.h>

#include "devices/device_entry.h"
#include "devices/inf_edit.h"
#include "devices/inf_models.h"
#include "platform/device_ids.h"
#include "platform/driver_setup/bound_mice.h"
#include "platform/driver_setup/host_driver_setup.h"
#include "platform/driver_setup/text_file.h"
#include "platform/paths.h"
#include "user_profile.h"

namespace mqt {
namespace {

using Lines = std::vector<std::string>;
using testing::FreshProfileTest;

const std::string kSimulatedModel(kSimulatedHardwareId);

Lines ShippedInf(const std::string& name) {
  const auto lines = ReadTextLines(std::filesystem::path(MQT_ASSETS_DIR) / "Driver" / name);
  EXPECT_TRUE(lines) << name;
  return lines.value_or(Lines{});
}

TEST(ShippedInfFiles, ModelLineAtItsLineBindsToTheInstallSection) {
  struct Case {
    const char* file;
    std::size_t index;
    std::string line;
    const char* install;
    const char* description;
  };
  const Case cases[] = {
      {"MFilter.inf", kUsbModelLineIndex, UsbModelLine(kSimulatedModel), "USBHID_Mouse_Inst",
       "USB_MOUSE_Quality_Test"},
      {"PS2MouseMonitor.inf", kPs2ModelLineIndex, Ps2ModelLine(kSimulatedModel), "moufiltr",
       "PS2_MOUSE_Quality_Test"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const Lines shipped = ShippedInf(c.file);
    EXPECT_TRUE(HasInfSignature(shipped));
    EXPECT_FALSE(FindInfModel(shipped, kSimulatedModel)) << "ships without model lines";
    auto edited = InsertModelLine(shipped, c.index, c.line);
    ASSERT_TRUE(edited);
    // A second installation pushes the first line down; both stay bound.
    edited = InsertModelLine(*edited, c.index,
                             std::string(c.line).replace(c.line.size() - 4, 4, "0042"));
    ASSERT_TRUE(edited);
    for (const char* id : {"HID\\VID_0000&PID_0001", "HID\\VID_0000&PID_0042"}) {
      const auto model = FindInfModel(*edited, id);
      ASSERT_TRUE(model) << id;
      EXPECT_EQ(model->install_section, c.install);
      EXPECT_EQ(model->description, c.description);
      EXPECT_FALSE(model->needs_restart);
    }
  }
}

TEST(ShippedInfFiles, CaptureInfInstallsTheCaptureDevice) {
  const auto model = FindInfModel(ShippedInf("MouseCapture.inf"), kCaptureDeviceId);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->install_section, "MouseCapture_Inst");
  EXPECT_FALSE(model->needs_restart);
}

class HostDriverSetupTest : public FreshProfileTest {
 protected:
  HostDriverSetup Setup() const {
    return HostDriverSetup(DriverSetupStore::ForThisUser(), [] { return EnumeratePresentMice(); });
  }
  // MFilter.inf with a model line for `hardware_id`, as the station leaves it.
  std::string FilterInfNaming(const std::string& hardware_id) const {
    const std::filesystem::path inf = CopyOfDriverFile("MFilter.inf");
    const auto edited =
        InsertModelLine(*ReadTextLines(inf), kUsbModelLineIndex, UsbModelLine(hardware_id));
    EXPECT_TRUE(WriteTextFileAtomically(inf, *edited));
    return inf.string();
  }
};

TEST_F(HostDriverSetupTest, UpdateBindsOnlyAPresentMouseThatTheInfNames) {
  HostDriverSetup setup = Setup();
  const std::string plain_inf = CopyOfDriverFile("MFilter.inf").string();
  EXPECT_EQ(setup.cmdUpdate(plain_inf, kSimulatedModel), kCmdUpdateFailed) << "INF names no model";
  EXPECT_EQ(setup.cmdUpdate(root_ / "missing.inf", kSimulatedModel), kCmdUpdateFailed);

  const std::string absent = "HID\\VID_1234&PID_5678";
  EXPECT_EQ(setup.cmdUpdate(FilterInfNaming(absent), absent), kCmdUpdateFailed) << "no such mouse";
  EXPECT_TRUE(ReadBoundMice().empty());

  EXPECT_EQ(setup.cmdUpdate(FilterInfNaming(kSimulatedModel), "hid\\vid_0000&pid_0001"),
            kCmdUpdateOk);
  const std::vector<PresentMouse> bound = ReadBoundMice();
  ASSERT_EQ(bound.size(), 1u);
  EXPECT_EQ(bound[0].instance_id, kSimulatedInstanceId);
  EXPECT_EQ(bound[0].source, MouseSource::kSimulated);
}

TEST_F(HostDriverSetupTest, InstallRecordsTheCaptureDeviceAndAsksForRestartOnlyWhenTheInfDoes) {
  HostDriverSetup setup = Setup();
  const std::string capture(kCaptureDeviceId);
  EXPECT_EQ(setup.IsExistDriver(capture), 0);
  std::int32_t need_restart = 7;
  EXPECT_EQ(setup.InstallDriver(capture, (root_ / "missing.inf").string(), need_restart), 0);
  EXPECT_EQ(need_restart, 0) << "written on every call";
  EXPECT_EQ(setup.IsExistDriver(capture), 0);

  need_restart = 7;
  EXPECT_EQ(
      setup.InstallDriver(capture, CopyOfDriverFile("MouseCapture.inf").string(), need_restart), 1);
  EXPECT_EQ(need_restart, 0);
  EXPECT_EQ(setup.IsExistDriver(capture), 1);
  EXPECT_EQ(Setup().IsExistDriver("*vorel\\mousecapture"), 1) << "kept in the state file";

  // An install section with a Reboot directive asks for a restart.
  const std::filesystem::path rebooting = CopyOfDriverFile("MouseCapture.inf");
  Lines lines = *ReadTextLines(rebooting);
  const auto section = std::find(lines.begin(), lines.end(), "[MouseCapture_Inst]");
  ASSERT_NE(section, lines.end());
  lines.insert(section + 1, "Reboot");
  ASSERT_TRUE(WriteTextFileAtomically(rebooting, lines));
  EXPECT_EQ(setup.InstallDriver(capture, rebooting.string(), need_restart), 1);
  EXPECT_EQ(need_restart, 1);
}

TEST_F(HostDriverSetupTest, PresentMiceExistByHardwareId) {
  AddRecording("swing.csv");
  HostDriverSetup setup = Setup();
  EXPECT_EQ(setup.IsExistDriver(kSimulatedModel), 1);
  EXPECT_EQ(setup.IsExistDriver(std::string(kRecordingHardwareId)), 1);
  EXPECT_EQ(setup.IsExistDriver("HID\\VID_1234&PID_5678"), 0);
}

TEST_F(HostDriverSetupTest, RemoveUnbindsByModelPrefix) {
  HostDriverSetup setup = Setup();
  ASSERT_EQ(setup.cmdUpdate(FilterInfNaming(kSimulatedModel), kSimulatedModel), kCmdUpdateOk);
  std::int32_t need_restart = 7;
  EXPECT_EQ(setup.RemoveDriver("", 0, need_restart), 0) << "an empty ID removes nothing";
  EXPECT_EQ(need_restart, 0);
  EXPECT_EQ(ReadBoundMice().size(), 1u);
  EXPECT_EQ(setup.RemoveDriver("HID\\VID_0000&PID_0009", 0, need_restart), 0);
  EXPECT_EQ(setup.RemoveDriver(std::string(kSimulatedInstanceId).substr(0, 21), 0, need_restart),
            1);
  EXPECT_EQ(setup.Reflash(), 1);
  EXPECT_TRUE(ReadBoundMice().empty());
}

TEST_F(HostDriverSetupTest, StateFileIsReplacedWholeAndSkipsLinesItDoesNotKnow) {
  HostDriverSetup setup = Setup();
  ASSERT_EQ(setup.cmdUpdate(FilterInfNaming(kSimulatedModel), kSimulatedModel), kCmdUpdateOk);
  const std::filesystem::path state_file = AppConfig() / "driver_setup.state";
  ASSERT_TRUE(std::filesystem::exists(state_file));
  for (const auto& entry : std::filesystem::directory_iterator(AppConfig())) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "driver_setup.state" || name == "driver_setup.state.lock") << name;
  }
  Lines lines = *ReadTextLines(state_file);
  lines.insert(lines.begin() + 1, "future\tsomething\tnew");
  lines.push_back("filter\tno fields");
  ASSERT_TRUE(WriteTextFileAtomically(state_file, lines));
  const DriverSetupState state = DriverSetupStore::ForThisUser().Load();
  ASSERT_EQ(state.filters.size(), 1u);
  EXPECT_EQ(state.filters[0].description, "USB_MOUSE_Quality_Test");
}

TEST_F(FreshProfileTest, RecordingsBecomeMiceWhenTheirNameFitsAnInstanceId) {
  for (const char* name : {"b swing.csv", "a.csv", "notes.txt", "bad:name.csv", " lead.csv",
                           "quote\".csv", "back\\slash.csv"}) {
    AddRecording(name);
  }
  std::filesystem::create_directories(Recordings() / "folder.csv");
  std::vector<std::string> ids;
  for (const PresentMouse& mouse : EnumeratePresentMice()) ids.push_back(mouse.instance_id);
  EXPECT_EQ(ids, (Lines{std::string(kSimulatedInstanceId), "HID\\VID_0000&PID_0002\\REC_a",
                        "HID\\VID_0000&PID_0002\\REC_b swing"}));
  const std::vector<PresentMouse> recorded = RecordedMice(Recordings());
  ASSERT_EQ(recorded.size(), 2u);
  EXPECT_EQ(recorded[0].recording, Recordings() / "a.csv");
  EXPECT_NE(recorded[0].description.find("not hardware"), std::string::npos);
  EXPECT_NE(SimulatedMouse().description.find("not hardware"), std::string::npos);
}

TEST_F(FreshProfileTest, SystemPathsMapToTheUserAndProgramFolders) {
  struct Case {
    std::string system_path;
    std::filesystem::path host_path;
  };
  const Case cases[] = {
      {"c:\\DevList.txt", AppData() / "drive_c" / "DevList.txt"},
      {"C:\\MouseData.txt", AppData() / "drive_c" / "MouseData.txt"},
      {"c:/sub\\file.txt", AppData() / "drive_c" / "sub" / "file.txt"},
      {".\\Driver\\MFilter.inf", std::filesystem::path(ProgramFolder()) / "Driver" / "MFilter.inf"},
      {"/opt/station\\Driver\\MFilter.inf", "/opt/station/Driver/MFilter.inf"},
      {"relative\\file", std::filesystem::path(ProgramFolder()) / "relative" / "file"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(std::filesystem::path(ResolveHostPath(c.system_path)), c.host_path) << c.system_path;
  EXPECT_TRUE(std::filesystem::is_directory(AppData() / "drive_c")) << "created on first use";
}

}  // namespace
}  // namespace mqt
