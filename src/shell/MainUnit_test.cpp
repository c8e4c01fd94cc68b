#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "capture/ExpertUnit.h"
#include "platform/prompter.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/form_controls.h"
#include "shell/station_context.h"
#include "shell/whole_number.h"

namespace mqt {

bool TMainForm::AdapterTextIsListed() const {
  const QString text = cb_Adapter->currentText();
  for (int i = 0; i < cb_Adapter->count(); ++i) {
    if (cb_Adapter->itemText(i).compare(text, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

void TMainForm::mm_RecordClick() {
  if (!AdapterTextIsListed()) {
    if (context_.prompter != nullptr) {
      context_.prompter->MessageBox(context_.Text("MsgValidDev"), context_.application_title,
                                    MsgButtons::Ok, MsgIcon::None);
    }
    return;
  }
  SetBusyControls();

  tb_Stop->setEnabled(false);
  mm_Stop->setEnabled(false);
  PrepareMouseFilter();
  tb_Stop->setEnabled(true);
  mm_Stop->setEnabled(true);

  lb_Score->setText("---");
  lb_Suggest->clear();
  lb_ScoreA->clear();

  if (TProgressForm* banner = context_.windows.ProgressForm) {
    banner->Animated = 0;
    banner->Message = context_.Text("Msgplay");
    banner->show();
  }

  DrawRangeAxes();

  CGauge->SetMinValue(0);
  CGauge->SetMaxValue(ImageXY->width() - 90);
  CGauge->SetProgress(40);

  AbandonTestStart(
      "The capture device cannot be opened. Check that the capture driver is installed, "
      "then start the test again.");
}

// A test that cannot start must not leave the window busy with the banner up.
void TMainForm::AbandonTestStart(const std::string& message) {
  if (context_.prompter != nullptr) {
    context_.prompter->MessageBox(message, context_.application_title, MsgButtons::Ok,
                                  MsgIcon::Error);
  }
  if (TProgressForm* banner = context_.windows.ProgressForm) banner->close();
  SetIdleControls();
}

void TMainForm::tb_StopClick() {
  mm_Stop->setEnabled(false);
  tb_Stop->setEnabled(false);
}

void TMainForm::closeEvent(QCloseEvent* event) { QMainWindow::closeEvent(event); }

}  // namespace mqt
