#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/text_lookup.h"

namespace mqt {

// Control names in these plans are the main window's own names. Two are not
// controls: "MainForm" stands for the window's title and "CoolBar1" for the
// text of the band bar's first band.

struct CaptionKey {
  std::string_view key;      // in the language file
  std::string_view control;  // whose caption it sets
};

// The main window's caption keys in the order they are applied. "ReportRate"
// appears twice: it labels both gb_ReportRate and lb_AverageRate.
std::span<const CaptionKey> MainCaptionKeys();

struct CaptionText {
  std::string control;
  std::string text;

  friend bool operator==(const CaptionText&, const CaptionText&) = default;
};

enum class ControlProperty { Left, Width, FontPoints };

// One geometry or font step: "relative" adds value to the current one,
// otherwise value is set.
struct ControlChange {
  std::string control;
  ControlProperty property = ControlProperty::Width;
  bool relative = false;
  int value = 0;

  int Apply(int current) const { return relative ? current + value : value; }

  friend bool operator==(const ControlChange&, const ControlChange&) = default;
};

// What ApplyMainCaptions does to the main window, for the window to carry out
// in order: captions first, then the logo, then the changes, then hiding.
struct MainCaptionPlan {
  std::vector<CaptionText> captions;
  // Picture file inside the res folder for ImageLogo; empty keeps the form's.
  std::string logo_file;
  std::vector<ControlChange> changes;
  // Menu items to hide and disable.
  std::vector<std::string> hidden_and_disabled;
};

// The captions, logo and per-language adjustments of the main window. Only the
// exact names "English", "German", "Russia", "ChineseS" and "ChineseT" get a
// logo or adjustments; any other language gets its captions only.
MainCaptionPlan ApplyMainCaptions(std::string_view active_language, const TextLookup& lookup);

// Widths of CoolBar1, GroupBox1 and lb_Suggest for the screen width (set, not
// changed, so running it on every resize gives the same result). Empty for
// languages without a rule ("Russia", "German" and unknown names).
std::vector<ControlChange> LayoutByLanguage(std::string_view active_language, int screen_width);

}  // namespace mqt
