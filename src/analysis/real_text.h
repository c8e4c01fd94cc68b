#pragma once

#include <cstdint>
#include <string>

namespace mqt {

// A real number as the operator sees it: the general format with at most 15
// significant digits, no trailing zeros, '.' as the decimal point whatever the
// process locale. Analysis values are 32-bit floats widened to double, so the
// text shows the float's inexact value (0.6f * 0.5 gives 0.300000011920929).
std::string RealText(double value);

// An integer in decimal with a leading minus sign when negative.
std::string DecimalText(std::int64_t value);

}  // namespace mqt
