#include "devices/device_list.h"

#include <gtest/gtest.h>

#include "device_fakes.h"
#include "devices/device_list_format.h"

namespace mqt {
namespace {

using Lines = std::vector<std::string>;

struct ListCase {
  const char* what;
  Lines lines;
  bool nb_mode;
  Lines expected;
};

TEST(ParseDeviceList, FollowsTheFileLayout) {
  const std::string header = "Class \"Mouse\": Mice and other pointing devices";
  const ListCase cases[] = {
      {"empty file", {}, false, {}},
      {"header only", {header}, false, {}},
      {"one mouse",
       {header, "HID\\VID_046D&PID_C077\\7&1A2B&0&0000 : USB Optical Mouse"},
       false,
       {"HID\\VID_046D&PID_C077\\7&1A2B&0&0000  :  USB Optical Mouse"}},
      {"blanks around the colon are optional",
       {header, "HID\\VID_1111&PID_2222\\1:Plain", "HID\\VID_1111&PID_2222\\2   :   Wide  "},
       false,
       {"HID\\VID_1111&PID_2222\\1  :  Plain", "HID\\VID_1111&PID_2222\\2  :  Wide"}},
      {"first line without the class marker is read from its 9th character",
       {"12345678HID\\VID_1111&PID_2222\\1 : Header mouse"},
       false,
       {"HID\\VID_1111&PID_2222\\1  :  Header mouse"}},
      {"first line shorter than 9 characters", {"Mice"}, false, {}},
      {"header holding a device ID yields it",
       {"Class \"Mouse\"  Mice HID\\VID_1111&PID_2222\\7&1 : Header mouse",
        "HID\\VID_3333&PID_4444\\1 : Second"},
       false,
       {"HID\\VID_1111&PID_2222\\7&1  :  Header mouse", "HID\\VID_3333&PID_4444\\1  :  Second"}},
      {"header whose text after the marker is the ID",
       {"Class \"Mouse\": HID\\VID_1111&PID_2222\\7 : Right after"},
       false,
       {"HID\\VID_1111&PID_2222\\7  :  Right after"}},
      {"header whose ID does not begin with HID\\VID is not a device",
       {"Class \"Mouse\": Mice HID\\PNP0F13 : no"},
       false,
       {}},
      {"class marker at the very end", {"Class \"Mouse\""}, false, {}},
      {"description holding a colon is cut there",
       {header, "HID\\VID_1111&PID_2222\\1 : Mouse: model 7"},
       false,
       {"HID\\VID_1111&PID_2222\\1  :  Mouse"}},
      {"lower-case hid is not listed",
       {header, "hid\\vid_1111&pid_2222\\1 : lower", "Hid\\VID_1111&PID_2222\\2 : mixed"},
       false,
       {}},
      {"PS/2 mice, other devices and blank lines are dropped",
       {header, "ACPI\\PNP0F13\\4&2F94427B&0 : PS/2 Compatible Mouse", "", "   ",
        "garbage without colon", "HID\\VID_1111&PID_2222\\1 : Kept"},
       false,
       {"HID\\VID_1111&PID_2222\\1  :  Kept"}},
      {"order kept, duplicates kept",
       {header, "HID\\VID_2222&PID_0001\\1 : B", "HID\\VID_1111&PID_0001\\1 : A",
        "HID\\VID_2222&PID_0001\\1 : B"},
       false,
       {"HID\\VID_2222&PID_0001\\1  :  B", "HID\\VID_1111&PID_0001\\1  :  A",
        "HID\\VID_2222&PID_0001\\1  :  B"}},
      {"reserved models left out without NB mode",
       {header, "HID\\VID_06CB&PID_0001\\1 : TouchPad", "HID\\VID_06CB&PID_0007\\1 : Styk",
        "HID\\VID_06CB&PID_0003\\1 : Other Synaptics"},
       false,
       {"HID\\VID_06CB&PID_0003\\1  :  Other Synaptics"}},
      {"reserved models listed in NB mode",
       {header, "HID\\VID_06CB&PID_0001\\1 : TouchPad", "HID\\VID_06CB&PID_0002\\1 : Integrated"},
       true,
       {"HID\\VID_06CB&PID_0001\\1  :  TouchPad", "HID\\VID_06CB&PID_0002\\1  :  Integrated"}},
      {"reserved models compare with exact case",
       {header, "HID\\VID_06cb&PID_0001\\1 : lower-case vendor"},
       false,
       {"HID\\VID_06cb&PID_0001\\1  :  lower-case vendor"}},
  };
  for (const ListCase& c : cases) {
    EXPECT_EQ(ParseDeviceList(c.lines, c.nb_mode), c.expected) << c.what;
  }
}

TEST(ParseDeviceList, ReadsWhatTheListingToolWrites) {
  const Lines file = FormatDeviceListFile({{"HID\\VID_0000&PID_0001\\SIMULATED", "Simulated mouse"},
                                           {"HID\\VID_0000&PID_0002\\REC_swing", "Recording"}});
  EXPECT_EQ(ParseDeviceList(file, false),
            (Lines{"HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse",
                   "HID\\VID_0000&PID_0002\\REC_swing  :  Recording"}));
}

struct ReadCase {
  const char* what;
  bool exists;
  int failing_reads;  // -1: never readable
  std::size_t expected_lines;
  bool gives_up_in_time;
};

TEST(ReadDeviceListFile, RetriesAnUnreadableFileForABoundedTime) {
  const std::string path = "c:\\DevList.txt";
  const ReadCase cases[] = {
      {"missing file", false, 0, 0, true},
      {"readable at once", true, 0, 2, true},
      {"readable after three tries", true, 3, 2, true},
      {"never readable", true, -1, 0, true},
  };
  for (const ReadCase& c : cases) {
    testing::MemoryFiles files;
    testing::FakeClock clock;
    if (c.exists) files.files[path] = {"header", "HID\\VID_1111&PID_2222\\1 : A"};
    files.failing_reads[path] = c.failing_reads;
    const auto start = clock.now;
    EXPECT_EQ(ReadDeviceListFile(files, clock, path).size(), c.expected_lines) << c.what;
    EXPECT_LE(clock.now - start, kDeviceListReadLimit + kDeviceListRetryInterval) << c.what;
    if (c.failing_reads > 0) {
      EXPECT_EQ(clock.sleeps, c.failing_reads) << c.what;
    }
  }
}

TEST(ReadDeviceListFile, StopsWhenTheFileDisappearsWhileRetrying) {
  const std::string path = "c:\\DevList.txt";
  testing::MemoryFiles files;
  files.files[path] = {"header"};
  files.failing_reads[path] = -1;
  struct VanishingClock : testing::FakeClock {
    testing::MemoryFiles* files;
    void Sleep(std::chrono::milliseconds d) override {
      FakeClock::Sleep(d);
      files->files.clear();
    }
  } clock;
  clock.files = &files;
  EXPECT_TRUE(ReadDeviceListFile(files, clock, path).empty());
  EXPECT_EQ(clock.sleeps, 1);
}

}  // namespace
}  // namespace mqt
