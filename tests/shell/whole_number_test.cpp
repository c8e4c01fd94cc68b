#include "shell/whole_number.h"

#include <gtest/gtest.h>

#include <optional>

namespace mqt {
namespace {

TEST(WholeNumber, AcceptsSignedDecimalsOnlyWithinThirtyTwoBits) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"8", 8},
      {"25", 25},
      {"-3", -3},
      {"+7", 7},
      {"  12", 12},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"12abc", std::nullopt},
      {"1.5", std::nullopt},
      {"8 ", std::nullopt},
      {"+-1", std::nullopt},
      {"2147483648", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(WholeNumber(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace mqt
