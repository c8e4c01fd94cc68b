#include "devices/restart_computer.h"

#include "platform/restarter.h"

namespace mqt {

void RestartComputer(Restarter& restarter) { restarter.Restart(); }

}  // namespace mqt
