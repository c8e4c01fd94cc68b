#include "capture/precise_pause.h"

#include <algorithm>
#include <thread>

namespace mqt {

void PrecisePause::Pause(std::chrono::microseconds length) {
  using Clock = std::chrono::steady_clock;
  if (length.count() <= 0) return;
  const Clock::time_point end = Clock::now() + length;
  const Clock::time_point wake = end - margin_;
  if (wake > Clock::now()) {
    std::this_thread::sleep_until(wake);
    // Keep the margin a little above the overshoot seen lately.
    const auto overshoot =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - wake);
    const auto wanted = std::clamp(overshoot + kLeast, kLeast, kMost);
    margin_ = (margin_ * 7 + wanted) / 8;
  }
  while (Clock::now() < end) {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
  }
}

}  // namespace mqt
