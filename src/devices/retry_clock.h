#pragma once

#include <chrono>

namespace mqt {

// Time for the short retry waits that run on the user-interface thread.
class RetryClock {
 public:
  virtual ~RetryClock() = default;
  virtual std::chrono::milliseconds Now() = 0;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace mqt
