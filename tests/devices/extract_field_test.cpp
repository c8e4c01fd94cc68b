#include "devices/extract_field.h"

#include <gtest/gtest.h>

#include "devices/device_entry.h"

namespace mqt {
namespace {

struct FieldCase {
  std::string text;
  char separator;
  int n;
  std::string expected;
};

TEST(ExtractField, SplitsAtSeparatorAndTrims) {
  const FieldCase cases[] = {
      {"a:b", ':', 0, "a"},
      {"a:b", ':', 1, "b"},
      {"a:b", ':', 2, ""},
      {" a :", ':', 0, "a"},
      {" a :", ':', 1, ""},
      {"", ':', 0, ""},
      {"", ':', 1, ""},
      {"", ':', 5, ""},
      {"no separator", ':', 0, "no separator"},
      {"no separator", ':', 1, ""},
      {"a::b", ':', 1, ""},
      {"a::b", ':', 2, "b"},
      {"\t id \r\n: desc with  inner  blanks \x01", ':', 0, "id"},
      {"\t id \r\n: desc with  inner  blanks \x01", ':', 1, "desc with  inner  blanks"},
      {"HID\\VID_046D&PID_C077  :  USB Mouse: extra", ':', 1, "USB Mouse"},
      {"HID\\VID_046D&PID_C077\\7&1A2B&0&0000", '\\', 0, "HID"},
      {"HID\\VID_046D&PID_C077\\7&1A2B&0&0000", '\\', 1, "VID_046D&PID_C077"},
      {"HID\\VID_046D&PID_C077\\7&1A2B&0&0000", '\\', 2, "7&1A2B&0&0000"},
      {"a:b", ':', -1, ""},
      {"Mäus : Gerät", ':', 1, "Gerät"},
  };
  for (const FieldCase& c : cases) {
    EXPECT_EQ(ExtractField(c.text, c.separator, c.n), c.expected)
        << "text \"" << c.text << "\" separator " << c.separator << " field " << c.n;
  }
}

TEST(DeviceEntry, ChosenMouseIdsFromEntryText) {
  struct Case {
    std::string entry;
    ChosenMouse expected;
  };
  const Case cases[] = {
      {"HID\\VID_046D&PID_C077\\7&1A2B&0&0000  :  USB Optical Mouse",
       {"HID\\VID_046D&PID_C077\\7&1A2B&0&0000", "HID\\VID_046D&PID_C077", "USB Optical Mouse"}},
      {"HID\\VID_0000&PID_0001\\SIMULATED  :  USB_MOUSE_Quality_Test",
       {"HID\\VID_0000&PID_0001\\SIMULATED", "HID\\VID_0000&PID_0001", "USB_MOUSE_Quality_Test"}},
      // A typed text without description or instance part still gives the '\' joint.
      {"HID", {"HID", "HID\\", ""}},
      {"", {"", "\\", ""}},
  };
  for (const Case& c : cases) {
    const ChosenMouse mouse = ChosenMouseOf(c.entry);
    EXPECT_EQ(mouse.instance_id, c.expected.instance_id) << c.entry;
    EXPECT_EQ(mouse.hardware_id, c.expected.hardware_id) << c.entry;
    EXPECT_EQ(mouse.description, c.expected.description) << c.entry;
  }
}

TEST(DeviceEntry, ListedEntryMatchesIgnoringLetterCase) {
  const std::vector<std::string> items = {"HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse",
                                          "HID\\VID_046D&PID_C077\\1  :  USB Mouse"};
  EXPECT_EQ(FindListedEntry("hid\\vid_046d&pid_c077\\1  :  usb mouse", items), 1u);
  EXPECT_EQ(FindListedEntry(items[0], items), 0u);
  EXPECT_FALSE(FindListedEntry("HID\\VID_046D&PID_C077\\1 : USB Mouse", items));
  EXPECT_FALSE(FindListedEntry("", items));
  EXPECT_FALSE(FindListedEntry("anything", {}));
}

}  // namespace
}  // namespace mqt
