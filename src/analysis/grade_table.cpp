#include "analysis/grade_table.h"

#include <array>

namespace mqt {
namespace {

constexpr std::array<GradeRow, 8> kGradeTable = {{
    {95, "Score95To100", "       A++", 10, 11, 10},
    {90, "Score90To94", "       A+", 10, 11, 10},
    {85, "Score85To89", "       A", 10, 13, 10},
    {80, "Score80To84", "       A-", 9, 11, 9},
    {75, "Score75To79", "       B+", 9, 13, 10},
    {70, "Score70To74", "", 9, 13, 10},
    {60, "Score60To69", "", 9, 13, 10},
    {0, "Score00To59", "", 10, 13, 10},
}};

constexpr int kDefaultFontSize = 10;

}  // namespace

const GradeRow& GradeRowFor(std::int32_t score) {
  for (const GradeRow& row : kGradeTable) {
    if (score >= row.lower_bound) return row;
  }
  return kGradeTable.back();
}

int AdviceFontSize(const GradeRow& row, std::string_view active_language) {
  // Names are compared exactly: "english" is some other language.
  if (active_language == "ChineseT") return row.font_size_chinese_t;
  if (active_language == "English") return row.font_size_english;
  if (active_language == "German") return row.font_size_german;
  return kDefaultFontSize;
}

}  // namespace mqt
