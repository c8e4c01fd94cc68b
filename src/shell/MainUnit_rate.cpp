// The report-rate monitor: the mouse hook, installed once the entry window
// has been accepted and removed with the window, and its rate step.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "shell/MainUnit.h"
#include "shell/station_context.h"

namespace mqt {

void TMainForm::tm_MainFormOKTimer() {
  tm_MainFormOK->stop();
  if (mouse_hook_) return;
  if (!rate_monitor_) {
    RateClock& clock = context_.rate_clock ? *context_.rate_clock : performance_clock_;
    rate_monitor_ = std::make_unique<ReportRateMonitor>(clock);
  }
  auto on_move = [this] { ReportRateStep(); };
  mouse_hook_ = context_.install_mouse_hook ? context_.install_mouse_hook(on_move)
                                            : InstallMouseHook(on_move);
  // Without X11 and without a readable mouse there is nothing to watch: the
  // panel keeps showing "0".
}

void TMainForm::ReportRateStep() {
  if (!rate_monitor_) return;
  const RateStepResult result = rate_monitor_->Step(cb_ShowReport->isChecked());
  if (result.rate_text) ed_ReportRate->setText(QString::fromStdString(*result.rate_text));
  if (result.report_line)
    mm_ReportRate->appendPlainText(QString::fromStdString(*result.report_line));
}

void TMainForm::FormDestroy() { mouse_hook_.reset(); }

}  // namespace mqt
