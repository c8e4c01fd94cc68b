#include "shell/Languageunit.h"

#include <array>
#include <optional>

namespace mqt {

namespace {

constexpr std::array<CaptionKey, 32> kCaptionKeys{{
    {"MainForm->Caption", "MainForm"},
    {"MainForm->mm_File->Caption", "mm_File"},
    {"MainForm->mm_SaveAs->Caption", "mm_SaveAs"},
    {"MainForm->mm_Close->Caption", "mm_Close"},
    {"MainForm->mm_View->Caption", "mm_View"},
    {"MainForm->mm_ZoomIn->Caption", "mm_ZoomIn"},
    {"MainForm->mm_ZoomOut->Caption", "mm_ZoomOut"},
    {"MainForm->mm_FitToScreen->Caption", "mm_FitToScreen"},
    {"MainForm->mm_Execute->Caption", "mm_Execute"},
    {"MainForm->mm_Record->Caption", "mm_Record"},
    {"MainForm->mm_Stop->Caption", "mm_Stop"},
    {"MainForm->mm_RemoveAdapter->Caption", "mm_RemoveAdapter"},
    {"MainForm->mm_RealtimeDisplay->Caption", "mm_RealtimeDisplay"},
    {"MainForm->mm_Help->Caption", "mm_Help"},
    {"MainForm->mm_AppHelp->Caption", "mm_AppHelp"},
    {"MainForm->mm_About->Caption", "mm_About"},
    {"MainForm->tb_Record->Caption", "tb_Record"},
    {"MainForm->tb_Stop->Caption", "tb_Stop"},
    {"MainForm->sb_ZoomIn->Caption", "sb_ZoomIn"},
    {"MainForm->sb_Fit->Caption", "sb_Fit"},
    {"MainForm->sb_ZoomOut->Caption", "sb_ZoomOut"},
    // The two help items keep the keys of the toolbar buttons they once were.
    {"MainForm->sb_Example->Caption", "mm_Example"},
    {"MainForm->sb_TestRule->Caption", "mm_TestRules"},
    {"MainForm->sb_SaveAs->Caption", "sb_SaveAs"},
    {"MainForm->CoolBar1->Bands->Items[0]->Text", "CoolBar1"},
    {"MainForm->lb_ScoreLable->Caption", "lb_ScoreLable"},
    {"MainForm->lb_TestResult->Caption", "lb_TestResult"},
    {"MainForm->lb_Quality->Caption", "lb_Quality"},
    {"ReportRate", "gb_ReportRate"},
    {"ReportRate", "lb_AverageRate"},
    {"Average", "lb_Average"},
    {"Show", "cb_ShowReport"},
}};

// One cell of the adjustment table: nothing, add, or set.
struct Step {
  enum Kind { kNone, kAdd, kSet } kind = kNone;
  int value = 0;
};
constexpr Step Add(int v) { return {Step::kAdd, v}; }
constexpr Step Set(int v) { return {Step::kSet, v}; }
constexpr Step Keep = {};

enum Column { kEnglish, kGerman, kRussia, kColumns };

struct AdjustmentRow {
  std::string_view control;
  ControlProperty property;
  std::array<Step, kColumns> steps;
};

using P = ControlProperty;

// The result and toolbar controls, widened or moved for the longer texts of
// these languages; applied in row order.
constexpr std::array<AdjustmentRow, 18> kAdjustments{{
    // control, property, {English, German, Russia}
    {"GroupBox2", P::Width, {Keep, Set(58), Set(58)}},
    {"ImageLogo", P::Width, {Keep, Set(53), Set(53)}},
    {"GroupBox3", P::Left, {Keep, Add(-118), Add(-118)}},
    {"GroupBox3", P::Width, {Add(40), Add(60), Add(65)}},
    {"lb_ScoreLable", P::Width, {Add(40), Add(60), Add(67)}},
    {"lb_TestResult", P::Width, {Add(40), Add(60), Add(67)}},
    {"lb_Score", P::Left, {Add(40), Add(60), Add(67)}},
    {"GroupBox1", P::Left, {Add(40), Add(-58), Add(-51)}},
    {"GroupBox1", P::Width, {Add(-40), Add(58), Add(51)}},
    {"lb_Suggest", P::Width, {Keep, Add(58), Add(51)}},
    {"tb_Record", P::Width, {Add(-30), Add(-15), Add(-15)}},
    {"tb_Stop", P::Width, {Add(-5), Add(-5), Add(30)}},
    {"sb_ZoomIn", P::Width, {Add(15), Keep, Keep}},
    {"sb_Fit", P::Width, {Add(10), Keep, Keep}},
    {"sb_ZoomOut", P::Width, {Add(20), Keep, Keep}},
    {"sb_SaveAs", P::Width, {Keep, Add(30), Add(10)}},
    {"lb_ScoreLable", P::FontPoints, {Keep, Keep, Set(15)}},
    {"lb_TestResult", P::FontPoints, {Keep, Keep, Set(15)}},
}};

// Widths that follow the screen: width = screen width - margin.
struct ScreenRule {
  int coolbar_margin;
  int groupbox1_margin;
  int suggest_margin;
};
constexpr ScreenRule kChineseRule{466, 375, 527};
constexpr ScreenRule kEnglishRule{469, 375, 567};

struct LanguageProfile {
  std::string_view name;
  std::string_view logo_file;
  std::optional<Column> adjustments;
  std::optional<ScreenRule> layout;
};

constexpr std::array<LanguageProfile, 5> kProfiles{{
    {"ChineseS", "ChT_Logo.bmp", std::nullopt, kChineseRule},
    {"ChineseT", "ChT_Logo.bmp", std::nullopt, kChineseRule},
    {"English", "Eng_Logo.bmp", kEnglish, kEnglishRule},
    {"German", "Eng_Logo.bmp", kGerman, std::nullopt},
    {"Russia", "Eng_Logo.bmp", kRussia, std::nullopt},
}};

// Language names are compared exactly: " English" or "english" is another
// language.
const LanguageProfile* FindProfile(std::string_view language) {
  for (const auto& p : kProfiles) {
    if (p.name == language) return &p;
  }
  return nullptr;
}

}  // namespace

std::span<const CaptionKey> MainCaptionKeys() { return kCaptionKeys; }

MainCaptionPlan ApplyMainCaptions(std::string_view active_language, const TextLookup& lookup) {
  MainCaptionPlan plan;
  plan.captions.reserve(kCaptionKeys.size());
  for (const auto& k : kCaptionKeys) {
    plan.captions.push_back({std::string(k.control), lookup ? lookup(k.key) : std::string()});
  }

  const LanguageProfile* profile = FindProfile(active_language);
  if (profile == nullptr) return plan;
  plan.logo_file = std::string(profile->logo_file);
  if (!profile->adjustments) return plan;

  const Column column = *profile->adjustments;
  for (const auto& row : kAdjustments) {
    const Step& step = row.steps[column];
    if (step.kind == Step::kNone) continue;
    plan.changes.push_back(
        {std::string(row.control), row.property, step.kind == Step::kAdd, step.value});
  }
  // These languages offer no Manual item in the Help menu.
  plan.hidden_and_disabled.push_back("mm_AppHelp");
  return plan;
}

std::vector<ControlChange> LayoutByLanguage(std::string_view active_language, int screen_width) {
  const LanguageProfile* profile = FindProfile(active_language);
  if (profile == nullptr || !profile->layout) return {};
  const ScreenRule& r = *profile->layout;
  return {
      {"CoolBar1", ControlProperty::Width, false, screen_width - r.coolbar_margin},
      {"GroupBox1", ControlProperty::Width, false, screen_width - r.groupbox1_margin},
      {"lb_Suggest", ControlProperty::Width, false, screen_width - r.suggest_margin},
  };
}

}  // namespace mqt
