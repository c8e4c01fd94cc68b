// Device list and driver handling: until the device list is read from the
// listing script, the simulated mouse is the one entry.
#include <QAction>
#include <QComboBox>
#include <QTimer>
#include <QToolButton>
#include <string>

#include "platform/device_ids.h"
#include "shell/MainUnit.h"

namespace mqt {

void TMainForm::RefreshDeviceList() {
  const QString entry =
      QString::fromStdString(std::string(kSimulatedInstanceId) + "  :  Simulated mouse");
  cb_Adapter->clear();
  cb_Adapter->addItem(entry);
  cb_Adapter->setCurrentIndex(0);
}

void TMainForm::PrepareMouseFilter() {}

void TMainForm::mm_RemoveAdapterClick() {}

void TMainForm::TimerMouCapTimer() {
  TimerMouCap->stop();
  tb_Record->setEnabled(true);
  mm_Record->setEnabled(true);
}

void TMainForm::TimerAdapterTimer() {
  TimerAdapter->stop();
  RefreshDeviceList();
}

void TMainForm::TimerRemoveDriverTimer() { TimerRemoveDriver->stop(); }

void TMainForm::TimerAlarmTimer() {
  TimerAlarm->stop();
  cb_WaveRangeChange();
  RefreshDeviceList();
}

}  // namespace mqt
