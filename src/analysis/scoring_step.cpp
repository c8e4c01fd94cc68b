#include "analysis/scoring_step.h"

#include <cmath>

#include "analysis/grade_table.h"
#include "analysis/real_text.h"
#include "analysis/score_mapping.h"
#include "display/zoomed_wave.h"

namespace mqt {
namespace {

constexpr std::int32_t kLowestShownScore = 60;

// Characters from the 1-based position `first`, at most `count`; a shorter
// text yields what it has.
std::string Cut(const std::string& text, std::size_t first, std::size_t count) {
  if (text.size() < first) return {};
  return text.substr(first - 1, count);
}

}  // namespace

std::string PaintedDifferenceNumber(float difference_value) {
  const double hundredths = std::trunc(static_cast<double>(difference_value) * 100.0);
  return RealText(hundredths * 0.01);
}

std::string SummaryLine(float difference_value,
                        const std::array<std::string, 4>& algorithm_d_labels) {
  std::string line = Cut(RealText(difference_value), 1, 4);
  for (const std::string& label : algorithm_d_labels) {
    line += '\t';
    line += Cut(label, 6, 4);
  }
  return line;
}

ScoreResult RunScoringStep(float deviation_sum, const ScoringInputs& inputs) {
  ScoreResult r;
  r.d_value = static_cast<double>(deviation_sum) * 0.5 + 0.5;
  r.x = TruncateDValue(r.d_value);
  r.score = ScoreMapping(r.x);
  r.difference_value = static_cast<float>(r.d_value);

  r.score_caption = r.score >= kLowestShownScore ? DecimalText(r.score) : "000";
  const GradeRow& row = GradeRowFor(r.score);
  r.advice_key = row.advice_key;
  r.grade = row.grade_letters;
  r.advice_font_size = AdviceFontSize(row, inputs.active_language);

  r.difference_caption = PaintedDifferenceNumber(r.difference_value);
  // The same place the zoomed view repaints the caption.
  const PanelPosition caption = DifferenceCaptionPosition(inputs.screen_width);
  r.caption_x = caption.left;
  r.caption_y = caption.top;

  if (inputs.operator_mode == "Expert") {
    r.summary_line = SummaryLine(r.difference_value, inputs.algorithm_d_labels);
    r.start_next_test = inputs.continue_ticked;
  }
  return r;
}

}  // namespace mqt
