#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace mqt {

// One row of the expert console's range list `cb_WaveRange`. The list index
// is the wave range; bars are scaled to 8 bits by 2^(bit width - 8).
struct WaveRangeRow {
  int bit_width;
  std::string_view upper_label;
  std::string_view lower_label;
  std::string_view item_text;
};

inline constexpr std::array<WaveRangeRow, 6> kWaveRanges{{
    {8, "+127", "-128", " -128 ~ +127 (8bit)"},
    {9, "+255", "-256", " -256 ~ +255 (9bit)"},
    {10, "+511", "-512", " -512 ~ +511 (10bit)"},
    {11, "+1023", "-1024", "-1024 ~ +1023 (11bit)"},
    {12, "+2047", "-2048", "-2048 ~ +2047 (12bit)"},
    {13, "+4095", "-4096", "-4096 ~ +4095 (13bit)"},
}};

// The row of a list index, or nullopt when no row is selected (index -1) or
// the index is otherwise outside the list.
std::optional<WaveRangeRow> WaveRangeAt(int index);

// Bit width for a list index: always index + 8, so an unselected list (-1)
// draws with bit width 7.
constexpr int WaveRangeBitWidth(int index) { return index + 8; }

}  // namespace mqt
