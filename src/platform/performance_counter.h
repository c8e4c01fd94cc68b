#pragma once

#include <cstdint>

namespace mqt {

// The high-resolution counter that timestamps carry: CLOCK_MONOTONIC in
// nanoseconds, reported with its frequency like the Windows counter.
struct PerformanceCounter {
  static constexpr std::int64_t kFrequency = 1'000'000'000;
  static std::int64_t Now();
};

}  // namespace mqt
