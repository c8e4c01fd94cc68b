#include "shell/later_windows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/MainUnit.h"
#include "shell/dialog_window_proc.h"
#include "shell/station_context.h"

namespace mqt {

TFirstForm::TFirstForm(StationContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName("FirstForm");
  setAttribute(Qt::WA_QuitOnClose, false);
  const std::string title = context_.Text("FirstForm->Caption");
  setWindowTitle(QString::fromStdString(title));
  context_.application_title = title;
}

int TFirstForm::exec() {
  if (TMainForm* main_form = context_.windows.MainForm) {
    main_form->EnterConfirmed = 1;
    main_form->EnableTimer(main_form->TimerAlarm);
    main_form->EnableTimer(main_form->TimerMouCap);
  }
  return QDialog::Accepted;
}

TAboutBox::TAboutBox(StationContext& context, QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  InstallDialogWindowProc(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString(context.Text("FirstForm->Caption")), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

TAlarmForm::TAlarmForm(StationContext& context, QWidget* parent) : QDialog(parent) {
  setObjectName("AlarmForm");
  InstallDialogWindowProc(this);
  setWindowTitle(QString::fromStdString(context.Text("AlarmForm->Caption")));
}

TEnlargeForm::TEnlargeForm(StationContext& context, QWidget* parent) : QDialog(parent) {
  setObjectName("EnlargeForm");
  InstallDialogWindowProc(this);
  setWindowTitle(QString::fromStdString(context.Text("AlarmForm->Caption")));
}

}  // namespace mqt
