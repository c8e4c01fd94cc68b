#include "shell/dialog_prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QThread>

namespace mqt {

namespace {

// Runs `show` on the user-interface thread and returns its result.
template <typename Result, typename Show>
Result OnUserInterfaceThread(Show show) {
  if (QThread::currentThread() == qApp->thread()) return show();
  Result result{};
  QMetaObject::invokeMethod(
      qApp, [&] { result = show(); }, Qt::BlockingQueuedConnection);
  return result;
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return QMessageBox::Ok;
    case MsgButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None:
      return QMessageBox::NoIcon;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

MsgResult ResultOf(int button, MsgButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MsgResult::Ok;
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    case QMessageBox::Retry:
      return MsgResult::Retry;
    case QMessageBox::Cancel:
      return MsgResult::Cancel;
    default:
      // Closed by its title bar: Cancel where there is one, else the only answer.
      return buttons == MsgButtons::Ok      ? MsgResult::Ok
             : buttons == MsgButtons::YesNo ? MsgResult::No
                                            : MsgResult::Cancel;
  }
}

}  // namespace

MsgResult DialogPrompter::MessageBox(const std::string& text, const std::string& caption,
                                     MsgButtons buttons, MsgIcon icon) {
  return OnUserInterfaceThread<MsgResult>(
      [&] { return ShowMessageBox(text, caption, buttons, icon); });
}

std::optional<std::string> DialogPrompter::InputBox(const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& initial) {
  return OnUserInterfaceThread<std::optional<std::string>>(
      [&] { return ShowInputBox(caption, prompt, initial); });
}

MsgResult DialogPrompter::ShowMessageBox(const std::string& text, const std::string& caption,
                                         MsgButtons buttons, MsgIcon icon) {
  QMessageBox box(IconOf(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  ButtonsOf(buttons), owner_);
  return ResultOf(box.exec(), buttons);
}

std::optional<std::string> DialogPrompter::ShowInputBox(const std::string& caption,
                                                        const std::string& prompt,
                                                        const std::string& initial) {
  bool ok = false;
  const QString answer =
      QInputDialog::getText(owner_, QString::fromStdString(caption), QString::fromStdString(prompt),
                            QLineEdit::Normal, QString::fromStdString(initial), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

}  // namespace mqt
