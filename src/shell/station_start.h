#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace mqt {

class Prompter;
struct StationContext;
class TMainForm;
class TFirstForm;
class TAboutBox;
class TProgressForm;
class TAlarmForm;
class TExpert;
class TEnlargeForm;

// The named mutex that keeps a second copy from starting.
inline constexpr std::string_view kStationMutexName =
    "Korvel Optical Mouse Moving Quality Test Program";
inline constexpr std::string_view kStationTitle = "Korvel MOUSE Moving Quality Test Program";

// The seven windows, created once and kept until the program ends. Members go
// in reverse order, the main window last.
struct StationWindowSet {
  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TFirstForm> FirstForm;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TProgressForm> ProgressForm;
  std::unique_ptr<TAlarmForm> AlarmForm;
  std::unique_ptr<TExpert> Expert;
  std::unique_ptr<TEnlargeForm> EnlargeForm;

  StationWindowSet();
  ~StationWindowSet();
};

// A second copy: says so and gives the exit code -1.
int RefuseSecondCopy(Prompter& prompter);

// The application's exception display: the message in an error box titled
// with the application's title.
void ShowException(Prompter& prompter, const std::string& title, const std::string& message);

// Creates the seven windows in their fixed order (the main window first, so
// every later window takes its texts from the language file it opened), shows
// the main window maximised and runs `message_loop`. An exception while the
// windows are created is shown and ends the start with exit code 0, without
// the message loop.
int StartStation(StationContext& context, StationWindowSet& windows,
                 const std::function<int()>& message_loop);

// The application object: an exception that escapes an event handler is shown
// by the exception display and the program goes on, instead of ending.
class StationApplication : public QApplication {
 public:
  StationApplication(int& argc, char** argv);
  void SetExceptionDisplay(std::function<void(const std::string& message)> display);
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::function<void(const std::string&)> display_;
};

}  // namespace mqt
