#include "capture/ExpertUnit.h"

namespace mqt {

// The continuous capture to the raw dump file; nothing to start yet.
void TExpert::Button1Click() {}

void TExpert::Button2Click() {}

}  // namespace mqt
