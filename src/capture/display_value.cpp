#include "capture/display_value.h"

#include <algorithm>
#include <cmath>

namespace mqt {

int DisplayValue(std::int32_t movement, int bit_width) {
  double value = movement;
  if (bit_width != 8) {
    const double divisor = std::ldexp(1.0, bit_width - 8);
    // The +1/-1 bias rounds small movements away from zero before truncation.
    const double biased =
        movement >= 0 ? static_cast<double>(movement) + 1.0 : static_cast<double>(movement) - 1.0;
    value = std::trunc(biased / divisor);
  }
  return static_cast<int>(std::clamp(value, -128.0, 127.0));
}

}  // namespace mqt
