#include "analysis/real_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace mqt {
namespace {

struct RealCase {
  double value;
  const char* text;
};

TEST(RealText, ShowsTheFloatsInexactValueWithFifteenDigits) {
  const RealCase cases[] = {
      {0.6f * 0.5, "0.300000011920929"},  // a deviation of 0.6, halved
      {0.2f * 0.5, "0.100000001490116"},
      {31.7f, "31.7000007629395"},
      {40.1f, "40.0999984741211"},
      {3170 * 0.01, "31.7"},
      {4009 * 0.01, "40.09"},
      {15.5, "15.5"},
      {100.25f, "100.25"},
      {0.0, "0"},
      {16.0, "16"},
      {-35.0, "-35"},
      {123456789012345.0, "123456789012345"},
      {1e300, "1e+300"},
  };
  for (const RealCase& c : cases) EXPECT_EQ(RealText(c.value), c.text) << c.text;
}

TEST(RealText, IgnoresTheNumericLocale) {
  // A Qt application adopts LC_NUMERIC from the environment; German uses ','.
  const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  if (german == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not installed";
  const std::string text = RealText(31.7);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(text, "31.7");
}

TEST(DecimalText, PlainIntegersWithMinusSign) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(-128), "-128");
  EXPECT_EQ(DecimalText(2147483647), "2147483647");
}

}  // namespace
}  // namespace mqt
