#include "analysis/score_mapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace mqt {
namespace {

TEST(ScoreMapping, TellingValues) {
  // x = 0 gives 101 and x = 1..5 give 100: the table is truncating division.
  const std::pair<int, int> cases[] = {
      {0, 101},  {1, 100},  {5, 100},  {6, 99},
      {9, 99},   {15, 98},  {25, 96},  {26, 95},
      {30, 95},  {31, 94},  {32, 94},  {33, 93},
      {40, 90},  {41, 89},  {50, 85},  {60, 80},
      {70, 75},  {71, 74},  {80, 70},  {81, 69},
      {100, 60}, {101, 59}, {110, 59}, {111, 58},
      {699, 0},  {700, 0},  {701, 0},  {std::numeric_limits<int>::max(), 0},
  };
  for (const auto& [x, score] : cases) EXPECT_EQ(ScoreMapping(x), score) << "x = " << x;
}

TEST(ScoreMapping, TruncatesTheDValueTowardZeroAndSaturates) {
  EXPECT_EQ(TruncateDValue(15.5), 15);
  EXPECT_EQ(TruncateDValue(31.999), 31);
  EXPECT_EQ(TruncateDValue(0.0), 0);
  EXPECT_EQ(TruncateDValue(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(ScoreMapping(TruncateDValue(1e12)), 0);
}

}  // namespace
}  // namespace mqt
