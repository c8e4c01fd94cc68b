// Device list, driver and filter handling and their timers. The steps
// themselves are DeviceManagement's; the window starts its one-shot timers
// when a step asks for more.
#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QTimer>
#include <QToolButton>
#include <string>

#include "devices/device_management.h"
#include "platform/device_change_event.h"
#include "platform/device_ids.h"
#include "shell/AlarmUnit.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/main_device_window.h"
#include "shell/station_context.h"

namespace mqt {

// --- MainDeviceWindow ---

void MainDeviceWindow::SetDeviceItems(const std::vector<std::string>& entries) {
  QComboBox* list = form_.cb_Adapter;
  list->clear();
  for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
  list->setCurrentIndex(-1);
  list->setEditText(QString());
}

std::vector<std::string> MainDeviceWindow::DeviceItems() {
  std::vector<std::string> items;
  for (int i = 0; i < form_.cb_Adapter->count(); ++i) {
    items.push_back(form_.cb_Adapter->itemText(i).toStdString());
  }
  return items;
}

void MainDeviceWindow::SelectDeviceItem(std::size_t index) {
  form_.cb_Adapter->setCurrentIndex(static_cast<int>(index));
}

void MainDeviceWindow::SetDeviceText(const std::string& text) {
  form_.cb_Adapter->setEditText(QString::fromStdString(text));
}

std::string MainDeviceWindow::DeviceText() { return form_.cb_Adapter->currentText().toStdString(); }

void MainDeviceWindow::EnableRecord() {
  form_.tb_Record->setEnabled(true);
  form_.mm_Record->setEnabled(true);
}

void MainDeviceWindow::SetBusyControls() { form_.SetBusyControls(); }

void MainDeviceWindow::SetIdleControls() { form_.SetIdleControls(); }

void MainDeviceWindow::ShowBanner(const std::string& message, bool animated) {
  TProgressForm* banner = form_.Context().windows.ProgressForm;
  if (banner == nullptr) return;
  banner->Animated = animated ? 1 : 0;
  banner->Message = message;
  banner->show();
}

void MainDeviceWindow::CloseBanner() {
  if (TProgressForm* banner = form_.Context().windows.ProgressForm) banner->close();
}

void MainDeviceWindow::DrawEmptyPlot() { form_.cb_WaveRangeChange(); }

void MainDeviceWindow::ShowDriverWarning() {
  if (TAlarmForm* warning = form_.Context().windows.AlarmForm) warning->exec();
}

// --- TMainForm ---

void TMainForm::CreateDeviceManagement() {
  StationContext& c = context_;
  if (c.driver_setup == nullptr || c.device_files == nullptr || c.retry_clock == nullptr ||
      c.runner == nullptr || c.restarter == nullptr || c.settings == nullptr) {
    return;
  }
  device_window_ = std::make_unique<MainDeviceWindow>(*this);
  DeviceServices services{
      *device_window_,
      *c.prompter,
      *c.runner,
      *c.driver_setup,
      *c.device_files,
      *c.retry_clock,
      *c.restarter,
      *c.settings,
      [&c](std::string_view key) { return c.Text(std::string(key)); },
      ExpandDevicePaths([&c](std::string_view path) { return c.Expand(std::string(path)); })};
  devices_.reset(new DeviceManagement(std::move(services)));
}

void TMainForm::DeviceManagementDeleter::operator()(DeviceManagement* devices) const {
  delete devices;
}

bool TMainForm::MainWindowProc(QEvent* event) {
  if (event->type() != DeviceChangeEvent::EventType()) return false;
  // A burst of device changes rebuilds the list once, 1500 ms after the first;
  // the listing script runs again for every later change of the burst.
  if (devices_) {
    if (devices_->DeviceChanged(TimerAdapter->isActive())) EnableTimer(TimerAdapter);
  } else if (DriverCheckBusy == 0) {
    if (TimerAdapter->isActive() && context_.runner != nullptr) {
      context_.runner->Start("\"" + context_.Expand(std::string(kListingScript)) + "\"", true);
    }
    EnableTimer(TimerAdapter);
  }
  return true;
}

void TMainForm::StartNextStep(QTimer* timer, const NextStep& next) {
  if (next) timer->start(static_cast<int>(next->count()));
}

void TMainForm::RefreshDeviceList() {
  if (devices_) {
    devices_->RefreshDeviceList(NBMode == 1);
    return;
  }
  // No device steps: the simulated mouse is the one entry.
  cb_Adapter->clear();
  cb_Adapter->addItem(
      QString::fromStdString(std::string(kSimulatedInstanceId) + "  :  Simulated mouse"));
  cb_Adapter->setCurrentIndex(0);
}

// The steps after the INF edit wait in a local event loop, so the window
// keeps painting while the library, the device console tool and the listing
// script work; the controls are busy meanwhile.
bool TMainForm::PrepareMouseFilter() {
  if (!devices_) return true;
  FilterStep step = devices_->PrepareMouseFilter();
  while (step.outcome == FilterStep::Outcome::kWait) {
    QEventLoop wait;
    QTimer::singleShot(step.delay, &wait, &QEventLoop::quit);
    wait.exec();
    step = devices_->ContinueMouseFilter(NBMode == 1);
  }
  return step.outcome == FilterStep::Outcome::kGoOn;
}

void TMainForm::mm_RemoveAdapterClick() {
  if (devices_) StartNextStep(TimerRemoveDriver, devices_->mm_RemoveAdapterClick());
}

void TMainForm::TimerMouCapTimer() {
  TimerMouCap->stop();
  if (!devices_) {
    tb_Record->setEnabled(true);
    mm_Record->setEnabled(true);
    return;
  }
  DriverCheckBusy = 1;
  devices_->TimerMouCapTimer();
  DriverCheckBusy = 0;
}

void TMainForm::TimerAdapterTimer() {
  TimerAdapter->stop();
  if (devices_) {
    StartNextStep(TimerAdapter, devices_->TimerAdapterTimer(NBMode == 1));
  } else {
    RefreshDeviceList();
  }
}

void TMainForm::TimerRemoveDriverTimer() {
  TimerRemoveDriver->stop();
  if (devices_) StartNextStep(TimerRemoveDriver, devices_->TimerRemoveDriverTimer(NBMode == 1));
}

void TMainForm::TimerAlarmTimer() {
  TimerAlarm->stop();
  if (devices_) {
    devices_->TimerAlarmTimer(NBMode == 1);
    return;
  }
  cb_WaveRangeChange();
  RefreshDeviceList();
}

}  // namespace mqt
