#include "analysis/triple_deviation.h"

namespace mqt {
namespace {

bool SameSignNonZero(std::int32_t a, std::int32_t b) {
  return (a > 0 && b > 0) || (a < 0 && b < 0);
}

}  // namespace

float TripleDeviation(std::int32_t newest, std::int32_t middle, std::int32_t oldest) {
  // Summed in double: two large counts of one sign must not overflow 32 bits.
  const double mean = (static_cast<double>(newest) + static_cast<double>(oldest)) * 0.5;
  double quotient = (static_cast<double>(middle) - mean) / mean;
  if (quotient < 0) quotient = -quotient;
  return static_cast<float>(quotient);
}

bool CountsForA(std::int32_t n, std::int32_t /*m*/, std::int32_t o) {
  return static_cast<std::int64_t>(n) + o != 0;
}

bool CountsForBC(std::int32_t n, std::int32_t /*m*/, std::int32_t o) {
  return static_cast<std::int64_t>(n) * o >= 0 && static_cast<std::int64_t>(n) + o != 0;
}

bool CountsForD(std::int32_t n, std::int32_t m, std::int32_t o) {
  return SameSignNonZero(n, o) && m != 0;
}

bool CountsForMain(std::int32_t n, std::int32_t m, std::int32_t o) {
  return SameSignNonZero(n, o) && SameSignNonZero(n, m);
}

}  // namespace mqt
