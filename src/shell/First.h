#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>
#include <string>
#include <string_view>

#include "shell/form_context.h"

class QLabel;

namespace mqt {

class Prompter;
class ProgramRunner;

// The entry screen: a borderless window shaped like its background picture,
// with Enter and Exit pictures that light up under the mouse. Shown modally
// once; only Enter lets the program go on.
class TFirstForm : public QDialog {
  Q_OBJECT
 public:
  struct Services {
    Prompter& prompter;
    ProgramRunner& runner;
    // ExpandPath of the program-relative listing script path.
    std::function<std::string(std::string_view)> expand_path;
    // Entering: the main window sets EnterConfirmed to 1 and enables
    // TimerAlarm and TimerMouCap.
    std::function<void()> on_enter;
    // The application title, which captions the plain message dialogs.
    std::function<void(const std::string&)> set_application_title;
  };

  // Starts the listing script and loads the language's pictures; throws
  // PictureFileError when one of them cannot be opened.
  TFirstForm(FormContext context, Services services, QWidget* parent = nullptr);

  QLabel* SplashImage = nullptr;
  QLabel* ImageEnter = nullptr;
  QLabel* ImageExit = nullptr;

  bool ShapePending() const { return shape_pending_; }
  bool EnterLit() const { return enter_lit_ == 1; }
  bool ExitLit() const { return exit_lit_ == 1; }
  // True once the operator has entered; exec() then returns Accepted.
  bool Entered() const { return entered_; }

  void FormActivate();
  void SplashImageMouseDown(const QPoint& global_pos);
  void SplashImageMouseMove();
  void ImageEnterMouseMove();
  void ImageExitMouseMove();
  void ImageEnterClick();
  void ImageExitClick();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QPixmap Picture(const QString& file) const;
  // Hover pictures load during mouse moves; a failure is shown, not thrown.
  void LoadHoverPicture(QLabel* target, const QString& file);
  void ShowPlainMessage(std::string_view key);

  FormContext context_;
  Services services_;
  QString title_;
  int enter_lit_ = 0;
  int exit_lit_ = 0;
  bool shape_pending_ = true;
  bool entered_ = false;
  // Dragging by hand where the window system cannot move the window itself.
  bool dragging_ = false;
  QPoint drag_offset_;
};

}  // namespace mqt
