#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace mqt {

// What the scoring step needs besides the deviation sum.
struct ScoringInputs {
  std::string operator_mode;     // "Expert" adds the summary line
  std::string active_language;   // picks the advice font size
  int screen_width = 1024;       // exactly 800 moves the difference caption up
  bool continue_ticked = false;  // the expert console's cb_Continue
  // Captions of the console's lb_AlgmA..lb_AlgmD, for the summary line.
  std::array<std::string, 4> algorithm_d_labels;
};

// Everything a scored run shows. The window copies it into its controls:
// enable the six zoom controls, lb_Score = score_caption, lb_ScoreA = grade,
// lb_Suggest = lookup(advice_key) in advice_font_size, paints
// lookup("PaintDifference") + difference_caption at (caption_x, caption_y) on
// ImageXY, keeps difference_value for repaints, appends summary_line to
// TotamMemo, and starts the next test when start_next_test.
struct ScoreResult {
  double d_value = 0;          // S * 0.5 + 0.5
  std::int32_t x = 0;          // d_value truncated
  std::int32_t score = 0;      // score mapping of x
  float difference_value = 0;  // d_value as the program-wide 32-bit float
  std::string score_caption;   // the score, or "000" below 60
  std::string grade;           // grade letters with their leading blanks, or empty
  std::string advice_key;      // "Score95To100" ... "Score00To59"
  int advice_font_size = 10;
  std::string difference_caption;  // the number painted after "PaintDifference"
  int caption_x = 202;
  int caption_y = 525;
  std::optional<std::string> summary_line;  // Expert mode only
  bool start_next_test = false;             // Expert mode with Continue ticked
};

// The scoring step for a deviation sum S that passed the run's checks
// (it includes the base offset, so S >= 30 and the score is at most 98).
ScoreResult RunScoringStep(float deviation_sum, const ScoringInputs& inputs);

// The number painted after "PaintDifference" by a scored run: the value cut
// (not rounded) to two decimals, as real text; 23.4567 gives "23.45" and the
// float 40.1 gives "40.09". The zoomed view's repaint shows the float in full.
std::string PaintedDifferenceNumber(float difference_value);

// The line added to TotamMemo: four characters of the main D value, then
// characters 6 to 9 of each algorithm's D label (the first four of its value),
// tab-separated under the header "Now AlgmA AlgmB AlgmC AlgmD".
std::string SummaryLine(float difference_value,
                        const std::array<std::string, 4>& algorithm_d_labels);

}  // namespace mqt
