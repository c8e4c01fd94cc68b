#pragma once

#include <QDialog>

#include "shell/form_context.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace mqt {

class Prompter;
class Settings;

// The driver warning shown once after the splash window: asks the operator to
// remove other mouse drivers, and can be switched off for good ("NoPolling").
class TAlarmForm : public QDialog {
  Q_OBJECT
 public:
  // Throws PictureFileError when the language's warning picture is missing.
  TAlarmForm(const FormContext& context, Settings& settings, Prompter& prompter,
             QWidget* parent = nullptr);

  QLabel* ImageCom = nullptr;
  QLabel* lb_Alarm = nullptr;
  QCheckBox* cb_NoPolling = nullptr;
  QPushButton* bt_OK = nullptr;

  // Shows the dialog modally unless "NoPolling" is "1"; true when shown.
  bool ShowUnlessSwitchedOff();

  void bt_OKClick();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Settings& settings_;
  Prompter& prompter_;
};

}  // namespace mqt
