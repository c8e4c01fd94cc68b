#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mqt {

// One band of scores on the main window: the advice text's language key, the
// grade letters for lb_ScoreA (seven leading blanks; empty below 75) and the
// advice font size for the languages that have their own.
struct GradeRow {
  std::int32_t lower_bound;
  std::string_view advice_key;
  std::string_view grade_letters;
  int font_size_chinese_t;
  int font_size_english;
  int font_size_german;
};

// The first row whose lower bound the score reaches.
const GradeRow& GradeRowFor(std::int32_t score);

// Font size of lb_Suggest for a row in the active language. Languages other
// than ChineseT, English and German keep 10 in every row.
int AdviceFontSize(const GradeRow& row, std::string_view active_language);

}  // namespace mqt
