#pragma once

#include <vector>

#include "devices/real_mice.h"

namespace mqt {

// Every event node of the input subsystem as udev knows it now. Empty when
// udev cannot be asked (no /sys, no udev database: then no node is a mouse).
std::vector<InputEventNode> EnumerateInputEventNodes();

// The real mice attached now: RealMiceOf(EnumerateInputEventNodes()).
std::vector<RealMouse> EnumerateRealMice();

}  // namespace mqt
