#pragma once

#include <cstdint>

namespace mqt {

// The score of a D value truncated toward zero (x). Not clamped to 100:
// x = 0 gives 101, x = 1..5 give 100. x = 15 (the smallest the main measure
// can reach) gives 98.
std::int32_t ScoreMapping(std::int32_t x);

// A D value truncated toward zero for the score mapping. A D value beyond the
// 32-bit range (only absurd counts reach it) saturates instead of overflowing;
// it maps to score 0 either way.
std::int32_t TruncateDValue(double d_value);

}  // namespace mqt
