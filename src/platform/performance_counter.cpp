#include "platform/performance_counter.h"

#include <ctime>

namespace mqt {

std::int64_t PerformanceCounter::Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * kFrequency + ts.tv_nsec;
}

}  // namespace mqt
