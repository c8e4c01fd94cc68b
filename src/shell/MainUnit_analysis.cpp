#include "shell/MainUnit.h"

namespace mqt {

// The analysis of a finished test; nothing is analysed yet.
void TMainForm::bt_WaveConvertClick() {}

}  // namespace mqt
