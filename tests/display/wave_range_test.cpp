#include "display/wave_range.h"

#include <gtest/gtest.h>

#include "capture/display_value.h"

namespace mqt {
namespace {

TEST(WaveRange, RowsGiveLabelsAndBitWidthIndexPlusEight) {
  struct Case {
    int index;
    const char* upper;
    const char* lower;
  };
  const Case cases[] = {{0, "+127", "-128"},   {1, "+255", "-256"},   {2, "+511", "-512"},
                        {3, "+1023", "-1024"}, {4, "+2047", "-2048"}, {5, "+4095", "-4096"}};
  for (const Case& c : cases) {
    const auto row = WaveRangeAt(c.index);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->upper_label, c.upper);
    EXPECT_EQ(row->lower_label, c.lower);
    EXPECT_EQ(row->bit_width, WaveRangeBitWidth(c.index));
  }
  EXPECT_FALSE(WaveRangeAt(-1));
  EXPECT_FALSE(WaveRangeAt(6));
  EXPECT_EQ(kWaveRanges[0].item_text, " -128 ~ +127 (8bit)");
  EXPECT_EQ(kWaveRanges[5].item_text, "-4096 ~ +4095 (13bit)");
}

// The display values the plot draws for each wave range, including an
// unselected list (index -1, bit width 7, divisor 1/2).
TEST(WaveRange, DisplayValuesOfThePlot) {
  struct Case {
    int wave_range;
    int raw;
    int expected;
  };
  const Case cases[] = {
      {1, 0, 0},    {1, 1, 1},     {1, 2, 1},       {1, 3, 2},       {1, -1, -1},      {1, -2, -1},
      {1, -3, -2},  {1, 254, 127}, {1, 255, 127},   {1, -256, -128}, {1, -257, -128},  {4, 14, 0},
      {4, 15, 1},   {4, -15, -1},  {4, -16, -1},    {5, 4095, 127},  {5, -4096, -128}, {5, 30, 0},
      {5, 31, 1},   {0, 200, 127}, {0, -200, -128}, {0, 5, 5},       {0, -5, -5},      {-1, 1, 4},
      {-1, -1, -4}, {-1, 0, 2},    {-1, 63, 127},   {-1, -64, -128},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayValue(c.raw, WaveRangeBitWidth(c.wave_range)), c.expected)
        << "range " << c.wave_range << " raw " << c.raw;
  }
}

}  // namespace
}  // namespace mqt
