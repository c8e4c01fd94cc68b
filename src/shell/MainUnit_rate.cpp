// The report-rate monitor's mouse hook: not installed yet.
#include <QTimer>

#include "shell/MainUnit.h"

namespace mqt {

void TMainForm::tm_MainFormOKTimer() { tm_MainFormOK->stop(); }

void TMainForm::FormDestroy() {}

}  // namespace mqt
