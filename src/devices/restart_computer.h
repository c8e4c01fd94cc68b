#pragma once

namespace mqt {

class Restarter;

// Restarts the computer. A refused restart leaves the program running as it was.
void RestartComputer(Restarter& restarter);

}  // namespace mqt
