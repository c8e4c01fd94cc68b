#include "analysis/score_mapping.h"

#include <limits>

namespace mqt {

std::int32_t ScoreMapping(std::int32_t x) {
  // Worked in 64 bits so that no x can overflow 30 - x.
  const std::int64_t v = x;
  if (v <= 30) return static_cast<std::int32_t>(95 + (30 - v) / 5);
  if (v <= 100) return static_cast<std::int32_t>(60 + (100 - v) / 2);
  if (v <= 700) return static_cast<std::int32_t>((700 - v) / 10);
  return 0;
}

std::int32_t TruncateDValue(double d_value) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  if (!(d_value < kMax)) return std::numeric_limits<std::int32_t>::max();  // NaN too
  if (d_value <= kMin) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(d_value);
}

}  // namespace mqt
