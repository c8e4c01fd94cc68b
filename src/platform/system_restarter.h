#pragma once

#include "platform/restarter.h"

namespace mqt {

// Asks the system to restart (systemctl reboot), without waiting. False when
// the request cannot be started; the system may still refuse it (policy).
class SystemRestarter : public Restarter {
 public:
  bool Restart() override;
};

}  // namespace mqt
