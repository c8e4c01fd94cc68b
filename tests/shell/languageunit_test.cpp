#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>

#include "shell/Languageunit.h"

namespace mqt {
namespace {

// Every key reads as "<key>"; one key is missing from the file.
std::string FakeLookup(std::string_view key) {
  if (key == "MainForm->mm_About->Caption") return "";
  return "<" + std::string(key) + ">";
}

// The main window's controls as the form holds them, for the properties the
// language adjusts; the plans are applied to it as the window would.
struct Geometry {
  std::map<std::pair<std::string, ControlProperty>, int> values{
      {{"tb_Record", ControlProperty::Width}, 105},
      {{"tb_Stop", ControlProperty::Width}, 88},
      {{"sb_ZoomIn", ControlProperty::Width}, 56},
      {{"sb_Fit", ControlProperty::Width}, 64},
      {{"sb_ZoomOut", ControlProperty::Width}, 56},
      {{"sb_SaveAs", ControlProperty::Width}, 96},
      {{"GroupBox1", ControlProperty::Left}, 400},
      {{"GroupBox1", ControlProperty::Width}, 600},
      {{"GroupBox3", ControlProperty::Left}, 200},
      {{"GroupBox3", ControlProperty::Width}, 190},
      {{"lb_Score", ControlProperty::Left}, 100},
      {{"lb_Suggest", ControlProperty::Width}, 500},
      {{"GroupBox2", ControlProperty::Width}, 90},
      {{"ImageLogo", ControlProperty::Width}, 80},
      {{"CoolBar1", ControlProperty::Width}, 300},
      {{"lb_ScoreLable", ControlProperty::Width}, 60},
      {{"lb_TestResult", ControlProperty::Width}, 60},
      {{"lb_ScoreLable", ControlProperty::FontPoints}, 18},
      {{"lb_TestResult", ControlProperty::FontPoints}, 18},
  };

  void Apply(const std::vector<ControlChange>& changes) {
    for (const auto& c : changes) {
      auto it = values.find({c.control, c.property});
      ASSERT_NE(it, values.end()) << "plan names an unknown control " << c.control;
      it->second = c.Apply(it->second);
    }
  }
  int operator()(const std::string& control, ControlProperty p) const {
    return values.at({control, p});
  }
};

constexpr auto W = ControlProperty::Width;
constexpr auto L = ControlProperty::Left;
constexpr auto F = ControlProperty::FontPoints;

struct LanguageCase {
  const char* name;
  std::string language;
  std::string logo;
  bool app_help_hidden;
  // Expected after both steps on a 1280-pixel screen.
  std::map<std::pair<std::string, ControlProperty>, int> expected;
};

// Test names show the case, not its bytes.
void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

class MainCaptionsByLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(MainCaptionsByLanguage, AppliesLogoAdjustmentsAndLayout) {
  const LanguageCase& c = GetParam();
  const MainCaptionPlan plan = ApplyMainCaptions(c.language, FakeLookup);

  // Every language gets every caption, whatever its name.
  ASSERT_EQ(plan.captions.size(), 32u);
  EXPECT_EQ(plan.captions.front(), (CaptionText{"MainForm", "<MainForm->Caption>"}));
  EXPECT_EQ(plan.logo_file, c.logo);
  EXPECT_EQ(plan.hidden_and_disabled, c.app_help_hidden ? std::vector<std::string>{"mm_AppHelp"}
                                                        : std::vector<std::string>{});

  Geometry g;
  g.Apply(plan.changes);
  g.Apply(LayoutByLanguage(c.language, 1280));
  // Twice, as every resize runs it again: widths are set, not changed.
  g.Apply(LayoutByLanguage(c.language, 1280));

  Geometry form;
  for (const auto& [control, value] : form.values) {
    const auto it = c.expected.find(control);
    const int want = it != c.expected.end() ? it->second : value;
    EXPECT_EQ(g.values.at(control), want)
        << control.first << " property " << static_cast<int>(control.second);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MainCaptionsByLanguage,
    ::testing::Values(
        LanguageCase{"English",
                     "English",
                     "Eng_Logo.bmp",
                     true,
                     {{{"GroupBox3", W}, 230},
                      {{"lb_ScoreLable", W}, 100},
                      {{"lb_TestResult", W}, 100},
                      {{"lb_Score", L}, 140},
                      {{"GroupBox1", L}, 440},
                      // moved and narrowed first, then set from the screen
                      {{"GroupBox1", W}, 1280 - 375},
                      {{"lb_Suggest", W}, 1280 - 567},
                      {{"CoolBar1", W}, 1280 - 469},
                      {{"tb_Record", W}, 75},
                      {{"tb_Stop", W}, 83},
                      {{"sb_ZoomIn", W}, 71},
                      {{"sb_Fit", W}, 74},
                      {{"sb_ZoomOut", W}, 76}}},
        LanguageCase{"German",
                     "German",
                     "Eng_Logo.bmp",
                     true,
                     {{{"GroupBox2", W}, 58},
                      {{"ImageLogo", W}, 53},
                      {{"GroupBox3", L}, 82},
                      {{"GroupBox3", W}, 250},
                      {{"lb_ScoreLable", W}, 120},
                      {{"lb_TestResult", W}, 120},
                      {{"lb_Score", L}, 160},
                      {{"GroupBox1", L}, 342},
                      {{"GroupBox1", W}, 658},
                      {{"lb_Suggest", W}, 558},
                      {{"tb_Record", W}, 90},
                      {{"tb_Stop", W}, 83},
                      {{"sb_SaveAs", W}, 126}}},
        LanguageCase{"Russia",
                     "Russia",
                     "Eng_Logo.bmp",
                     true,
                     {{{"GroupBox2", W}, 58},
                      {{"ImageLogo", W}, 53},
                      {{"GroupBox3", L}, 82},
                      {{"GroupBox3", W}, 255},
                      {{"lb_ScoreLable", W}, 127},
                      {{"lb_TestResult", W}, 127},
                      {{"lb_Score", L}, 167},
                      {{"GroupBox1", L}, 349},
                      {{"GroupBox1", W}, 651},
                      {{"lb_Suggest", W}, 551},
                      {{"tb_Record", W}, 90},
                      {{"tb_Stop", W}, 118},
                      {{"sb_SaveAs", W}, 106},
                      {{"lb_ScoreLable", F}, 15},
                      {{"lb_TestResult", F}, 15}}},
        LanguageCase{"ChineseT",
                     "ChineseT",
                     "ChT_Logo.bmp",
                     false,
                     {{{"CoolBar1", W}, 814}, {{"GroupBox1", W}, 905}, {{"lb_Suggest", W}, 753}}},
        LanguageCase{"ChineseS",
                     "ChineseS",
                     "ChT_Logo.bmp",
                     false,
                     {{{"CoolBar1", W}, 814}, {{"GroupBox1", W}, 905}, {{"lb_Suggest", W}, 753}}},
        // Names are exact: these are other languages with captions only.
        LanguageCase{"Unknown", "Klingon", "", false, {}},
        LanguageCase{"LowerCase", "english", "", false, {}},
        LanguageCase{"LeadingBlank", " English", "", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyMainCaptions, ReportRateLabelsTwoControls) {
  const MainCaptionPlan plan = ApplyMainCaptions("ChineseT", FakeLookup);
  std::map<std::string, std::string> by_control;
  for (const auto& c : plan.captions) by_control[c.control] = c.text;
  EXPECT_EQ(by_control.size(), plan.captions.size()) << "a control captioned twice";
  EXPECT_EQ(by_control["gb_ReportRate"], "<ReportRate>");
  EXPECT_EQ(by_control["lb_AverageRate"], "<ReportRate>");
  EXPECT_EQ(by_control["lb_Average"], "<Average>");
  EXPECT_EQ(by_control["cb_ShowReport"], "<Show>");
  // The help items take the keys of the old toolbar buttons.
  EXPECT_EQ(by_control["mm_Example"], "<MainForm->sb_Example->Caption>");
  EXPECT_EQ(by_control["mm_TestRules"], "<MainForm->sb_TestRule->Caption>");
  EXPECT_EQ(by_control["CoolBar1"], "<MainForm->CoolBar1->Bands->Items[0]->Text>");
  // A missing key is an empty caption.
  EXPECT_EQ(by_control["mm_About"], "");

  std::set<std::string_view> keys;
  for (const auto& k : MainCaptionKeys()) keys.insert(k.key);
  EXPECT_EQ(keys.size(), 31u);
}

TEST(ApplyMainCaptions, NoLookupGivesEmptyCaptions) {
  const MainCaptionPlan plan = ApplyMainCaptions("English", TextLookup{});
  for (const auto& c : plan.captions) EXPECT_EQ(c.text, "") << c.control;
}

TEST(LayoutByLanguage, FollowsTheScreenWidthPixelForPixel) {
  struct Case {
    std::string language;
    int screen;
    std::optional<std::array<int, 3>> widths;  // CoolBar1, GroupBox1, lb_Suggest
  };
  const Case cases[] = {
      {"ChineseT", 1024, std::array{558, 649, 497}},
      {"ChineseS", 1025, std::array{559, 650, 498}},
      {"ChineseT", 800, std::array{334, 425, 273}},
      {"English", 1024, std::array{555, 649, 457}},
      {"Russia", 1280, std::nullopt},
      {"German", 1280, std::nullopt},
      {"Klingon", 1280, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language + " on " + std::to_string(c.screen));
    const auto changes = LayoutByLanguage(c.language, c.screen);
    if (!c.widths) {
      EXPECT_TRUE(changes.empty());
      continue;
    }
    ASSERT_EQ(changes.size(), 3u);
    const char* controls[] = {"CoolBar1", "GroupBox1", "lb_Suggest"};
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(changes[i], (ControlChange{controls[i], W, false, (*c.widths)[i]}));
    }
  }
}

}  // namespace
}  // namespace mqt
