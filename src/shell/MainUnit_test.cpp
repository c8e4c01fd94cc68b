// Starting and stopping a test, and test completion.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "capture/ExpertUnit.h"
#include "capture/capture_device_channel.h"
#include "platform/prompter.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/form_controls.h"
#include "shell/main_placement_sink.h"
#include "shell/station_context.h"
#include "shell/whole_number.h"

namespace mqt {

namespace {

constexpr const char* kNoCaptureDevice =
    "The capture device cannot be opened. Check that the capture driver is installed, then "
    "start the test again.";

}  // namespace

bool TMainForm::AdapterTextIsListed() const {
  const QString text = cb_Adapter->currentText();
  for (int i = 0; i < cb_Adapter->count(); ++i) {
    if (cb_Adapter->itemText(i).compare(text, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

void TMainForm::mm_RecordClick() {
  if (!AdapterTextIsListed()) {
    context_.prompter->MessageBox(context_.Text("MsgValidDev"), context_.application_title,
                                  MsgButtons::Ok, MsgIcon::None);
    return;
  }
  SetBusyControls();

  tb_Stop->setEnabled(false);
  mm_Stop->setEnabled(false);
  if (!PrepareMouseFilter()) return;
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

  // The console's settings count whether it is shown or not. An interval that
  // is no whole number is refused like one below 1.
  const TExpert* expert = context_.windows.Expert;
  PlacementSettings settings;
  settings.slot_length =
      WholeNumber(expert ? expert->le_Interval->text().toStdString() : "8").value_or(0);
  settings.last_position = ImageXY->width() - 50;
  settings.bit_width = (expert ? expert->cb_WaveRange->currentIndex() : 0) + 8;
  if (const std::string refusal = CheckPlacementSettings(settings); !refusal.empty()) {
    AbandonTestStart(refusal);
    return;
  }

  const TestCaptureLinks links{context_.timeline,  context_.test_slot_carry,
                               *placement_sink_,   *this,
                               *context_.prompter, context_.application_title};
  std::unique_ptr<CaptureDeviceChannel> device;
  if (context_.open_capture_device) device = context_.open_capture_device();
  const TestCaptureStart start =
      StartMouWaveThread(links, settings, std::move(device), context_.capture_pause_after_read);
  if (!start.refusal.empty()) {
    AbandonTestStart(start.refusal);
    return;
  }
  if (start.thread.isNull()) {
    AbandonTestStart(kNoCaptureDevice);
    return;
  }
  CurrentTestThread = start.thread;
}

// A test that cannot start must not leave the window busy with the banner up.
void TMainForm::AbandonTestStart(const std::string& message) {
  context_.prompter->MessageBox(message, context_.application_title, MsgButtons::Ok,
                                MsgIcon::Error);
  if (TProgressForm* banner = context_.windows.ProgressForm) banner->close();
  SetIdleControls();
}

// Only asks the thread to end; it finishes on its own and hands over test
// completion. The stop controls are also on while a filter removal runs,
// when there is no capture: then there is nothing to ask.
void TMainForm::tb_StopClick() {
  mm_Stop->setEnabled(false);
  tb_Stop->setEnabled(false);
  if (!CurrentTestThread.isNull()) CurrentTestThread->RequestStop();
}

void TMainForm::TestCompletion(const CaptureOutcome& outcome) {
  SetIdleControls();
  // A failed start request recorded nothing: nothing to draw or analyse.
  const bool recorded = outcome.end != CaptureEnd::StartFailed;
  if (recorded && !mm_RealtimeDisplay->isChecked()) DrawWave();
  CGauge->SetProgress(ImageXY->width() - 90);
  if (TProgressForm* banner = context_.windows.ProgressForm) banner->close();
  // After the capture's fixed message, the driver's reason: which mouse went
  // away, or which event node could not be read and how to get access to it.
  if (!outcome.detail.empty()) {
    context_.prompter->MessageBox(outcome.detail, context_.application_title, MsgButtons::Ok,
                                  MsgIcon::Error);
  }
  if (recorded) bt_WaveConvertClick();
}

void TMainForm::EndTestCaptureForGood() {
  MouWaveThread* thread = CurrentTestThread.data();
  if (thread == nullptr) return;
  thread->StopAndWait();
  delete thread;
}

// Closing the window during a test ends the capture first: the capture thread
// must not hand anything over to windows that are going away.
// The main window's close ends the program, whatever other window is still up.
void TMainForm::closeEvent(QCloseEvent* event) {
  EndTestCaptureForGood();
  QMainWindow::closeEvent(event);
  QCoreApplication::quit();
}

}  // namespace mqt
