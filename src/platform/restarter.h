#pragma once

namespace mqt {

// Restarts the computer (after a driver installation that needs it).
class Restarter {
 public:
  virtual ~Restarter() = default;
  virtual bool Restart() = 0;
};

}  // namespace mqt
