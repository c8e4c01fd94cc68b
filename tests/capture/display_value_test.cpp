#include "capture/display_value.h"

#include <gtest/gtest.h>

namespace mqt {
namespace {

struct Case {
  int movement;
  int bit_width;
  int expected;
};

TEST(DisplayValue, ScalesWithBiasTruncatesAndClamps) {
  const Case cases[] = {
      {3, 9, 2},       {0, 9, 0},     {-1, 9, -1},     {300, 9, 127},
      {-300, 9, -128}, {127, 8, 127}, {128, 8, 127},   {-129, 8, -128},
      {0, 8, 0},       {-2, 10, 0},   {4095, 13, 127}, {-4096, 13, -128},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayValue(c.movement, c.bit_width), c.expected)
        << "movement " << c.movement << " bit width " << c.bit_width;
  }
}

}  // namespace
}  // namespace mqt
