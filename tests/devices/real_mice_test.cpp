// Real mice from udev's description of the input event nodes, and the device
// list the listing tool writes for them. libudev reads only the real /sys and
// udev database and has no test mode, so its answers are given here as the
// InputEventNode table that the enumeration fills from them.

#include "devices/real_mice.h"

#include <gtest/gtest.h>

#include "devices/device_list.h"
#include "devices/device_list_format.h"
#include "platform/driver_setup/bound_mice.h"
#include "platform/driver_setup/present_mice.h"

namespace mqt {
namespace {

using Lines = std::vector<std::string>;

InputEventNode Node(std::string devnode, bool is_mouse, std::string input_name, std::string name,
                    unsigned bus, unsigned vendor, unsigned product, std::string phys,
                    std::string uniq = "") {
  return {std::move(devnode),
          is_mouse,
          std::move(input_name),
          std::move(name),
          bus,
          vendor,
          product,
          std::move(phys),
          std::move(uniq)};
}

// A desk as udev describes it: the mice of several kinds and some nodes that
// are no mice.
const std::vector<InputEventNode> kDesk = {
    Node("/dev/input/event2", false, "input3", "AT Translated Set 2 keyboard", 0x11, 0x0001, 0x0001,
         "isa0060/serio0/input0"),
    Node("/dev/input/event3", true, "input5", "PS/2 Generic Mouse", 0x11, 0x0002, 0x0001,
         "isa0060/serio1/input0"),
    Node("/dev/input/mouse1", true, "input7", "Logitech USB Optical Mouse", 0x03, 0x046d, 0xc077,
         "usb-0000:00:14.0-2/input0"),
    Node("/dev/input/event5", true, "input7", "Logitech USB Optical Mouse", 0x03, 0x046d, 0xc077,
         "usb-0000:00:14.0-2/input0"),
    // One gaming mouse: two mouse interfaces and a keyboard interface.
    Node("/dev/input/event12", true, "input14", "Razer Razer DeathAdder V2", 0x03, 0x1532, 0x0084,
         "usb-0000:00:14.0-3.1/input2"),
    Node("/dev/input/event11", false, "input13", "Razer Razer DeathAdder V2 Keyboard", 0x03, 0x1532,
         0x0084, "usb-0000:00:14.0-3.1/input1"),
    Node("/dev/input/event9", true, "input12", "Razer Razer DeathAdder V2", 0x03, 0x1532, 0x0084,
         "usb-0000:00:14.0-3.1/input0"),
    // The same model as event5 in another socket.
    Node("/dev/input/event20", true, "input22", "Logitech USB Optical Mouse", 0x03, 0x046d, 0xc077,
         "usb-0000:00:14.0-4/input0"),
    // Two mice paired with one wireless receiver.
    Node("/dev/input/event15", true, "input17", "Logitech M705", 0x03, 0x046d, 0x406d,
         "usb-0000:00:14.0-1/input2:1"),
    Node("/dev/input/event16", true, "input18", "Logitech M325", 0x03, 0x046d, 0x400a,
         "usb-0000:00:14.0-1/input2:2"),
    Node("/dev/input/event17", true, "input19", "Ultrathin Touch Mouse", 0x05, 0x046d, 0xb00d,
         "00:1a:7d:da:71:13", "c8:2a:14:01:02:03"),
    // A name with a colon and a control character; a virtual mouse with no phys.
    Node("/dev/input/event21", true, "input23", " Acme: Mouse\t", 0x03, 0x1234, 0xabcd,
         "usb-0000:03:00.0-1/input0"),
    Node("/dev/input/event30", true, "input30", "", 0x03, 0x0001, 0x0002, ""),
};

TEST(RealMice, OneEntryPerPhysicalMouseUsbUnderHidOthersNot) {
  const std::vector<RealMouse> mice = RealMiceOf(kDesk);
  struct Expected {
    std::string id;
    std::string description;
    Lines nodes;
  };
  const std::vector<Expected> expected = {
      {"BTH\\VID_046D&PID_B00D\\00_1A_7D_DA_71_13-C8_2A_14_01_02_03",
       "Ultrathin Touch Mouse",
       {"/dev/input/event17"}},
      {"HID\\VID_0001&PID_0002\\INPUT30", "USB mouse", {"/dev/input/event30"}},
      {"HID\\VID_046D&PID_400A\\USB-0000_00_14.0-1", "Logitech M325", {"/dev/input/event16"}},
      {"HID\\VID_046D&PID_406D\\USB-0000_00_14.0-1", "Logitech M705", {"/dev/input/event15"}},
      {"HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2",
       "Logitech USB Optical Mouse",
       {"/dev/input/event5"}},
      {"HID\\VID_046D&PID_C077\\USB-0000_00_14.0-4",
       "Logitech USB Optical Mouse",
       {"/dev/input/event20"}},
      {"HID\\VID_1234&PID_ABCD\\USB-0000_03_00.0-1", "Acme- Mouse", {"/dev/input/event21"}},
      {"HID\\VID_1532&PID_0084\\USB-0000_00_14.0-3.1",
       "Razer Razer DeathAdder V2",
       {"/dev/input/event9", "/dev/input/event12"}},
      {"PS2\\VID_0002&PID_0001\\ISA0060_SERIO1", "PS/2 Generic Mouse", {"/dev/input/event3"}},
  };
  ASSERT_EQ(mice.size(), expected.size());
  for (std::size_t i = 0; i < mice.size(); ++i) {
    SCOPED_TRACE(expected[i].id);
    EXPECT_EQ(mice[i].instance_id, expected[i].id);
    EXPECT_EQ(mice[i].description, expected[i].description);
    EXPECT_EQ(mice[i].event_nodes, expected[i].nodes);
  }
}

TEST(RealMice, SameMouseSameIdWhateverItsNodesAreCalledNow) {
  // Plugged out and in again: new input and event numbers, same socket.
  std::vector<InputEventNode> before = {kDesk[3]};
  std::vector<InputEventNode> after = {kDesk[3]};
  after[0].devnode = "/dev/input/event27";
  after[0].input_name = "input31";
  ASSERT_EQ(RealMiceOf(before).size(), 1u);
  EXPECT_EQ(RealMiceOf(after).at(0).instance_id, RealMiceOf(before).at(0).instance_id);
  EXPECT_EQ(RealMiceOf(after).at(0).event_nodes, Lines{"/dev/input/event27"});
}

// The listing tool's file for this desk, with the optical mouse in socket 2
// bound to the capture filter, and what the device list offers of it.
TEST(RealMice, ListingToolLinesAndTheEntriesOffered) {
  std::vector<PresentMouse> real;
  for (const RealMouse& mouse : RealMiceOf(kDesk)) real.push_back(PresentMouseOf(mouse));
  DriverSetupState state;
  state.filters.push_back(
      {"HID\\VID_046D&PID_C077", "USB_MOUSE_Quality_Test", ".\\Driver\\MFilter.inf"});
  const Lines lines =
      FormatDeviceListFile(ListDevices(state, PresentMiceOf(real, "/nonexistent/recordings")));
  const Lines expected_lines = {
      "Class \"Mouse\": Mice and other pointing devices",
      "BTH\\VID_046D&PID_B00D\\00_1A_7D_DA_71_13-C8_2A_14_01_02_03 : Ultrathin Touch Mouse",
      "HID\\VID_0001&PID_0002\\INPUT30 : USB mouse",
      "HID\\VID_046D&PID_400A\\USB-0000_00_14.0-1 : Logitech M325",
      "HID\\VID_046D&PID_406D\\USB-0000_00_14.0-1 : Logitech M705",
      "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2 : USB_MOUSE_Quality_Test",
      "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-4 : USB_MOUSE_Quality_Test",
      "HID\\VID_1234&PID_ABCD\\USB-0000_03_00.0-1 : Acme- Mouse",
      "HID\\VID_1532&PID_0084\\USB-0000_00_14.0-3.1 : Razer Razer DeathAdder V2",
      "PS2\\VID_0002&PID_0001\\ISA0060_SERIO1 : PS/2 Generic Mouse",
      "HID\\VID_0000&PID_0001\\SIMULATED : Simulated mouse (not hardware)",
  };
  EXPECT_EQ(lines, expected_lines);

  const Lines expected_entries = {
      "HID\\VID_0001&PID_0002\\INPUT30  :  USB mouse",
      "HID\\VID_046D&PID_400A\\USB-0000_00_14.0-1  :  Logitech M325",
      "HID\\VID_046D&PID_406D\\USB-0000_00_14.0-1  :  Logitech M705",
      "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2  :  USB_MOUSE_Quality_Test",
      "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-4  :  USB_MOUSE_Quality_Test",
      "HID\\VID_1234&PID_ABCD\\USB-0000_03_00.0-1  :  Acme- Mouse",
      "HID\\VID_1532&PID_0084\\USB-0000_00_14.0-3.1  :  Razer Razer DeathAdder V2",
      "HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse (not hardware)",
  };
  EXPECT_EQ(ParseDeviceList(lines, false), expected_entries);
}

}  // namespace
}  // namespace mqt
