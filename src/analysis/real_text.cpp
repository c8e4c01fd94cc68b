#include "analysis/real_text.h"

#include <charconv>

namespace mqt {

std::string RealText(double value) {
  // to_chars, unlike printf, ignores LC_NUMERIC, which a Qt application takes
  // from the environment.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::string DecimalText(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace mqt
