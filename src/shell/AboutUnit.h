#pragma once

#include <QDialog>

#include "shell/form_context.h"

class QFrame;
class QLabel;
class QPushButton;

namespace mqt {

class ShellOpener;

// The about box of the Help menu: product name, version, copyright and the
// maker's web address, all from the language file.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  TAboutBox(const FormContext& context, ShellOpener& shell, QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Version = nullptr;
  QLabel* Copyright = nullptr;
  QLabel* Comments = nullptr;
  QLabel* lb_ProductName = nullptr;
  QLabel* lb_Version = nullptr;
  QLabel* lb_CopyRight = nullptr;
  QLabel* lb_Web = nullptr;
  QPushButton* OKButton = nullptr;

  void OKButtonClick();
  void lb_WebClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  ShellOpener& shell_;
  QString web_;
};

}  // namespace mqt
