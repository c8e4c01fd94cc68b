#pragma once

#include <chrono>

namespace mqt {

// A pause that lasts what it is asked to, to within a few microseconds. The
// kernel's sleep overshoots by 50 to 100 us on a busy machine; after every
// read of a 1000 Hz mouse that alone would lose one report in ten. So it
// sleeps most of the pause and spins the rest, learning how much the sleep
// overshoots. One object per thread.
class PrecisePause {
 public:
  void Pause(std::chrono::microseconds length);

 private:
  static constexpr std::chrono::nanoseconds kLeast{20'000};
  static constexpr std::chrono::nanoseconds kMost{300'000};
  // How long before the end the sleep stops and the spin takes over.
  std::chrono::nanoseconds margin_{100'000};
};

}  // namespace mqt
