#include <gtest/gtest.h>

#include "devices/inf_edit.h"
#include "devices/inf_models.h"

namespace mqt {
namespace {

using Lines = std::vector<std::string>;

Lines NumberedLines(std::size_t count) {
  Lines lines;
  for (std::size_t i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

TEST(InsertModelLine, InsertsAtTheIndexOrRefusesATooShortFile) {
  struct Case {
    std::size_t file_lines;
    std::size_t index;
    bool inserted;
  };
  const Case cases[] = {{40, 32, true}, {32, 32, true},  {31, 32, false}, {0, 32, false},
                        {27, 27, true}, {26, 27, false}, {0, 0, true}};
  for (const Case& c : cases) {
    const auto edited = InsertModelLine(NumberedLines(c.file_lines), c.index, "model");
    ASSERT_EQ(edited.has_value(), c.inserted) << c.file_lines << " lines, index " << c.index;
    if (!edited) continue;
    ASSERT_EQ(edited->size(), c.file_lines + 1);
    EXPECT_EQ((*edited)[c.index], "model");
    if (c.index < c.file_lines) {
      EXPECT_EQ((*edited)[c.index + 1], "line " + std::to_string(c.index + 1));
    }
  }
}

TEST(InsertModelLine, ModelLinesOfBothFilters) {
  EXPECT_EQ(UsbModelLine("HID\\VID_046D&PID_C077"),
            "%MouseMonitor.DeviceDesc%=USBHID_Mouse_Inst, HID\\VID_046D&PID_C077");
  EXPECT_EQ(Ps2ModelLine("HIDX\\VID_046D&PID_C077"),
            "%DDK_Ex% = moufiltr, HIDX\\VID_046D&PID_C077");
}

// A small INF with the shapes model lines take.
const Lines kInf = {
    "; test INF",
    "[Version]",
    "Signature = \"$Windows NT$\"  ; signature",
    "[Manufacturer]",
    "%Mfg% = Models, NTamd64",
    "[Models]",
    "%Plain.Desc% = Plain_Inst, HID\\VID_1111&PID_0001",
    "%Plain.Desc% = Plain_Inst, HID\\VID_1111&PID_0009 ; HID\\VID_1111&PID_0002 in a comment",
    "\"Literal; description\" = Plain_Inst, HID\\VID_1111&PID_0003",
    "%Plain.Desc% = Plain_Inst, \\",
    "    HID\\VID_1111&PID_0004",
    "%Compat.Desc% = Plain_Inst, HID\\VID_1111&PID_0005, HID\\VID_1111&PID_0006",
    "[Models.NTamd64]",
    "%Restart.Desc% = Restart_Inst, HID\\VID_2222&PID_0001",
    "[Other_Section]",
    "%Plain.Desc% = Plain_Inst, HID\\VID_3333&PID_0001",
    "[Restart_Inst.NT]",
    "CopyFiles = x",
    "Reboot",
    "[Strings]",
    "Mfg = \"Maker\"",
    "Plain.Desc = \"Plain mouse\"",
    "Compat.Desc = \"Compatible mouse\"",
    "Restart.Desc = \"Restarting mouse\"",
};

TEST(FindInfModel, BindsOnlyIdsThatModelLinesName) {
  struct Case {
    const char* id;
    bool found;
    const char* description;
    const char* install;
    bool restart;
  };
  const Case cases[] = {
      {"HID\\VID_1111&PID_0001", true, "Plain mouse", "Plain_Inst", false},
      {"hid\\vid_1111&pid_0001", true, "Plain mouse", "Plain_Inst", false},
      {"HID\\VID_1111&PID_0002", false, "", "", false},  // only in a comment
      {"HID\\VID_1111&PID_0003", true, "Literal; description", "Plain_Inst", false},
      {"HID\\VID_1111&PID_0004", true, "Plain mouse", "Plain_Inst", false},  // continued line
      {"HID\\VID_1111&PID_0006", true, "Compatible mouse", "Plain_Inst", false},
      {"HID\\VID_2222&PID_0001", true, "Restarting mouse", "Restart_Inst", true},
      {"HID\\VID_3333&PID_0001", false, "", "", false},  // not a models section
      {"HID\\VID_1111", false, "", "", false},
      {"", false, "", "", false},
  };
  for (const Case& c : cases) {
    const auto model = FindInfModel(kInf, c.id);
    ASSERT_EQ(model.has_value(), c.found) << c.id;
    if (!model) continue;
    EXPECT_EQ(model->description, c.description) << c.id;
    EXPECT_EQ(model->install_section, c.install) << c.id;
    EXPECT_EQ(model->needs_restart, c.restart) << c.id;
  }
}

TEST(FindInfModel, ModelLineOutsideTheModelsSectionBindsNothing) {
  // What a too short or rearranged INF would do with an inserted line.
  Lines inf = kInf;
  inf.insert(inf.begin() + 2, "%Plain.Desc% = Plain_Inst, HID\\VID_4444&PID_0001");
  EXPECT_FALSE(FindInfModel(inf, "HID\\VID_4444&PID_0001"));
}

TEST(HasInfSignature, RecognisesDriverInfs) {
  EXPECT_TRUE(HasInfSignature(kInf));
  EXPECT_TRUE(HasInfSignature({"[version]", "signature=$CHICAGO$"}));
  EXPECT_FALSE(HasInfSignature({"[Version]", "Signature = \"$Something$\""}));
  EXPECT_FALSE(HasInfSignature({"Signature = \"$Windows NT$\""}));
  EXPECT_FALSE(HasInfSignature({}));
}

}  // namespace
}  // namespace mqt
