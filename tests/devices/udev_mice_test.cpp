// Real mice found through libudev in a small fake sysfs tree and udev
// database (umockdev's test bed; the test runs under umockdev-wrapper): the
// enumeration, the listing tool's file for them, and the device-change
// notification when a mouse is plugged in or out.

#include <spawn.h>
#include <sys/wait.h>
#include <umockdev.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <cstdlib>

#include "devices/device_list.h"
#include "platform/device_change_monitor.h"
#include "platform/driver_setup/present_mice.h"
#include "platform/driver_setup/text_file.h"
#include "platform/driver_setup/udev_mice.h"
#include "user_profile.h"

extern char** environ;

namespace mqt {
namespace {

using Lines = std::vector<std::string>;

// A test bed with a desk's input devices: a USB mouse, a USB gaming mouse
// with two mouse interfaces and a keyboard interface, a PS/2 mouse and a
// PS/2 keyboard, each with what the kernel and udev's input rules give them.
class UdevMiceTest : public testing::FreshProfileTest {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test_udev_mice";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  }

  void SetUp() override {
    FreshProfileTest::SetUp();
    ::unsetenv(kRealMiceVariable);  // here the attached mice are the test bed's
    bed_ = umockdev_testbed_new();
    ASSERT_TRUE(umockdev_in_mock_environment()) << "run the test under umockdev-wrapper";

    const std::string usb_mouse = UsbDevice("1-2", 1);
    const std::string optical =
        Input(usb_mouse + "/1-2:1.0", "input7", "Logitech USB Optical Mouse", "0003", "046d",
              "c077", "usb-0000:00:14.0-2/input0", true);
    EventNode(optical, "event5", true);
    // The legacy node of the same mouse.
    Add("input", "mouse1", optical, {}, {"DEVNAME", "/dev/input/mouse1", "ID_INPUT_MOUSE", "1"});

    const std::string gaming = UsbDevice("1-3.1", 3);
    const char* razer = "Razer DeathAdder V2";
    EventNode(Input(gaming + "/1-3.1:1.0", "input12", razer, "0003", "1532", "0084",
                    "usb-0000:00:14.0-3.1/input0", true),
              "event9", true);
    EventNode(Input(gaming + "/1-3.1:1.1", "input13", "Razer DeathAdder V2 Keyboard", "0003",
                    "1532", "0084", "usb-0000:00:14.0-3.1/input1", false),
              "event11", false);
    EventNode(Input(gaming + "/1-3.1:1.2", "input14", razer, "0003", "1532", "0084",
                    "usb-0000:00:14.0-3.1/input2", true),
              "event12", true);

    const std::string i8042 = Add("platform", "i8042", "", {}, {});
    const std::string serio1 = Add("serio", "serio1", i8042, {}, {});
    EventNode(Input(serio1, "input5", "PS/2 Generic Mouse", "0011", "0002", "0001",
                    "isa0060/serio1/input0", true),
              "event3", true);
    const std::string serio0 = Add("serio", "serio0", i8042, {}, {});
    keyboard_ = EventNode(Input(serio0, "input3", "AT Translated Set 2 keyboard", "0011", "0001",
                                "0001", "isa0060/serio0/input0", false),
                          "event2", false);
  }

  void TearDown() override {
    if (bed_ != nullptr) g_object_unref(bed_);
    FreshProfileTest::TearDown();
  }

  std::string Add(const char* subsystem, const std::string& name, const std::string& parent,
                  Lines attributes, Lines properties) {
    std::vector<gchar*> attrs, props;
    for (std::string& a : attributes) attrs.push_back(a.data());
    for (std::string& p : properties) props.push_back(p.data());
    attrs.push_back(nullptr);
    props.push_back(nullptr);
    gchar* path = umockdev_testbed_add_devicev(bed_, subsystem, name.c_str(),
                                               parent.empty() ? nullptr : parent.c_str(),
                                               attrs.data(), props.data());
    std::string syspath = path != nullptr ? path : "";
    g_free(path);
    return syspath;
  }

  std::string UsbDevice(const std::string& port, int interfaces) {
    const std::string device = Add("usb", port, "", {}, {"DEVTYPE", "usb_device"});
    for (int i = 0; i < interfaces; ++i)
      Add("usb", port + ":1." + std::to_string(i), device, {}, {"DEVTYPE", "usb_interface"});
    return device;
  }

  std::string Input(const std::string& parent, const std::string& name, const std::string& title,
                    const std::string& bus, const std::string& vendor, const std::string& product,
                    const std::string& phys, bool mouse) {
    return Add("input", name, parent,
               {"name", title, "phys", phys, "uniq", "", "id/bustype", bus, "id/vendor", vendor,
                "id/product", product},
               {"ID_INPUT", "1", mouse ? "ID_INPUT_MOUSE" : "ID_INPUT_KEYBOARD", "1"});
  }

  std::string EventNode(const std::string& input, const std::string& name, bool mouse) {
    return Add("input", name, input, {},
               {"DEVNAME", "/dev/input/" + name, "ID_INPUT", "1",
                mouse ? "ID_INPUT_MOUSE" : "ID_INPUT_KEYBOARD", "1"});
  }

  UMockdevTestbed* bed_ = nullptr;
  std::string keyboard_;
};

TEST_F(UdevMiceTest, EnumeratesOneEntryPerPhysicalMouse) {
  const std::vector<RealMouse> mice = EnumerateRealMice();
  ASSERT_EQ(mice.size(), 3u);
  EXPECT_EQ(mice[0].instance_id, "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2");
  EXPECT_EQ(mice[0].description, "Logitech USB Optical Mouse");
  EXPECT_EQ(mice[0].event_nodes, Lines{"/dev/input/event5"});
  EXPECT_EQ(mice[1].instance_id, "HID\\VID_1532&PID_0084\\USB-0000_00_14.0-3.1");
  EXPECT_EQ(mice[1].description, "Razer DeathAdder V2");
  EXPECT_EQ(mice[1].event_nodes, (Lines{"/dev/input/event9", "/dev/input/event12"}));
  EXPECT_EQ(mice[2].instance_id, "PS2\\VID_0002&PID_0001\\ISA0060_SERIO1");
  EXPECT_EQ(mice[2].event_nodes, Lines{"/dev/input/event3"});
}

TEST_F(UdevMiceTest, ListingToolWritesThemAndTheListOffersTheUsbOnes) {
  // The tool runs as the station starts it, inside the same test bed.
  const std::string program = std::string(MQT_BIN_DIR) + "/Tool/GetList";
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  const Lines lines = ReadTextLines(DeviceListFile()).value_or(Lines{});
  const Lines expected_lines = {
      "Class \"Mouse\": Mice and other pointing devices",
      "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2 : Logitech USB Optical Mouse",
      "HID\\VID_1532&PID_0084\\USB-0000_00_14.0-3.1 : Razer DeathAdder V2",
      "PS2\\VID_0002&PID_0001\\ISA0060_SERIO1 : PS/2 Generic Mouse",
      "HID\\VID_0000&PID_0001\\SIMULATED : Simulated mouse (not hardware)",
  };
  EXPECT_EQ(lines, expected_lines);
  const Lines expected_entries = {
      "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2  :  Logitech USB Optical Mouse",
      "HID\\VID_1532&PID_0084\\USB-0000_00_14.0-3.1  :  Razer DeathAdder V2",
      "HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse (not hardware)",
  };
  EXPECT_EQ(ParseDeviceList(lines, false), expected_entries);
}

TEST_F(UdevMiceTest, PluggingAMouseInOrOutNotifiesTheWindowOtherDevicesDoNot) {
  int calls = 0;
  DeviceChangeMonitor monitor([&] { ++calls; });
  ASSERT_TRUE(monitor.watching());
  auto spin = [] {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (std::chrono::steady_clock::now() < until)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  };

  umockdev_testbed_uevent(bed_, keyboard_.c_str(), "add");
  umockdev_testbed_uevent(bed_, keyboard_.c_str(), "remove");
  spin();
  EXPECT_EQ(calls, 0);

  const std::string port = UsbDevice("1-4", 1);
  const std::string input = Input(port + "/1-4:1.0", "input30", "Logitech USB Optical Mouse",
                                  "0003", "046d", "c077", "usb-0000:00:14.0-4/input0", true);
  const std::string node = EventNode(input, "event20", true);
  umockdev_testbed_uevent(bed_, input.c_str(), "add");
  umockdev_testbed_uevent(bed_, node.c_str(), "add");
  spin();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(EnumerateRealMice().size(), 4u);

  umockdev_testbed_uevent(bed_, node.c_str(), "remove");
  spin();
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace mqt
