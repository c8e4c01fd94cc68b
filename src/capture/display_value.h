#pragma once

#include <cstdint>

namespace mqt {

// A movement scaled to 8 bits for drawing with the given bit width (8..13),
// truncated toward zero and clamped to -128..127. Record placement and the
// wave plot both draw through this one function.
int DisplayValue(std::int32_t movement, int bit_width);

}  // namespace mqt
