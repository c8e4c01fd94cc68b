#include "shell/station_start.h"

#include <exception>

#include "capture/ExpertUnit.h"
#include "platform/prompter.h"
#include "shell/AboutUnit.h"
#include "shell/AlarmUnit.h"
#include "shell/EnlargeUnit.h"
#include "shell/First.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/station_context.h"

namespace mqt {

StationWindowSet::StationWindowSet() = default;

StationWindowSet::~StationWindowSet() = default;

int RefuseSecondCopy(Prompter& prompter) {
  prompter.MessageBox("Program had been start", "Verify", MsgButtons::Ok, MsgIcon::Error);
  return -1;
}

void ShowException(Prompter& prompter, const std::string& title, const std::string& message) {
  prompter.MessageBox(message, title, MsgButtons::Ok, MsgIcon::Error);
}

namespace {

void CreateWindows(StationContext& context, StationWindowSet& windows) {
  StationWindows& w = context.windows;
  windows.MainForm = std::make_unique<TMainForm>(context);
  TMainForm* main_form = windows.MainForm.get();
  w.MainForm = main_form;

  TFirstForm::Services splash{
      *context.prompter, *context.runner,
      [&context](std::string_view path) { return context.Expand(std::string(path)); },
      [main_form] {
        main_form->EnterConfirmed = 1;
        TMainForm::EnableTimer(main_form->TimerAlarm);
        TMainForm::EnableTimer(main_form->TimerMouCap);
      },
      [&context](const std::string& title) { context.application_title = title; }};
  windows.FirstForm = std::make_unique<TFirstForm>(context.Form(), splash);
  w.FirstForm = windows.FirstForm.get();
  windows.AboutBox = std::make_unique<TAboutBox>(context.Form(), *context.shell);
  w.AboutBox = windows.AboutBox.get();
  windows.ProgressForm = std::make_unique<TProgressForm>(context);
  w.ProgressForm = windows.ProgressForm.get();
  windows.AlarmForm =
      std::make_unique<TAlarmForm>(context.Form(), *context.settings, *context.prompter);
  w.AlarmForm = windows.AlarmForm.get();
  windows.Expert = std::make_unique<TExpert>(context);
  w.Expert = windows.Expert.get();
  windows.EnlargeForm =
      std::make_unique<TEnlargeForm>(context.Form(), *context.settings, *context.prompter);
  w.EnlargeForm = windows.EnlargeForm.get();

  w.Expert->OnWaveRangeChange = [main_form] { main_form->cb_WaveRangeChange(); };
}

}  // namespace

int StartStation(StationContext& context, StationWindowSet& windows,
                 const std::function<int()>& message_loop) {
  try {
    CreateWindows(context, windows);
  } catch (const std::exception& e) {
    ShowException(*context.prompter, context.application_title, e.what());
    return 0;
  } catch (...) {
    ShowException(*context.prompter, context.application_title, "");
    return 0;
  }
  windows.MainForm->showMaximized();
  message_loop();
  return 0;
}

StationApplication::StationApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void StationApplication::SetExceptionDisplay(
    std::function<void(const std::string& message)> display) {
  display_ = std::move(display);
}

bool StationApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    if (display_) display_(e.what());
  } catch (...) {
    if (display_) display_("");
  }
  return false;
}

}  // namespace mqt
