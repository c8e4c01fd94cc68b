// Shows the splash window (or one of the small dialogs) of one language with
// the pictures of the build, for looking at it under a real X server:
//   show_splash [Language] [--backdrop] [--alarm | --enlarge | --about]
// The backdrop is a plain window behind it, so the shaped outline shows.
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>

#include "platform/program_runner.h"
#include "platform/prompter.h"
#include "platform/settings.h"
#include "platform/shell_opener.h"
#include "shell/AboutUnit.h"
#include "shell/AlarmUnit.h"
#include "shell/EnlargeUnit.h"
#include "shell/First.h"

namespace {

class PrintPrompter : public mqt::Prompter {
 public:
  mqt::MsgResult MessageBox(const std::string& text, const std::string& caption, mqt::MsgButtons,
                            mqt::MsgIcon) override {
    std::printf("[%s] %s\n", caption.c_str(), text.c_str());
    return mqt::MsgResult::Ok;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

class MemorySettings : public mqt::Settings {
 public:
  std::string Read(std::string_view) override { return ""; }
  void Write(std::string_view name, std::string_view value) override {
    std::printf("setting %.*s = %.*s\n", int(name.size()), name.data(), int(value.size()),
                value.data());
  }
};

class PrintShell : public mqt::ShellOpener {
 public:
  bool Open(const std::string& target) override {
    std::printf("open %s\n", target.c_str());
    return true;
  }
};

class NoRunner : public mqt::ProgramRunner {
 public:
  bool Start(const std::string&, bool) override { return true; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString language = args.size() > 1 && !args[1].startsWith("--") ? args[1] : "English";

  QWidget backdrop;
  if (args.contains("--backdrop")) {
    backdrop.setStyleSheet(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #d8dee6, stop:1 #9fb0c2);");
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop.show();
  }

  PrintPrompter prompter;
  NoRunner runner;
  mqt::FormContext context;
  // Sample texts in place of the language file.
  context.text = [](std::string_view key) -> std::string {
    if (key == "FirstForm->Caption") return "Mouse Moving Quality Test";
    if (key == "AlarmForm->Caption") return "Notice";
    if (key == "MsgCertainDriver")
      return "Before testing, remove or disable any other mouse driver you installed for this "
             "mouse, so that it cannot change the reports the station analyses.";
    if (key == "MsgNoPolling" || key == "MsgNoHint") return "Do not show this again";
    if (key == "MsgOK") return "OK";
    if (key == "MsgClose") return "Close";
    if (key == "Version") return "1.0";
    if (key == "CopyRight") return "Copyright (C) Korvel";
    if (key == "PaintWeb") return "https://www.example.com/";
    return std::string(key);
  };
  context.language = language.toStdString();
  context.res_folder = MQT_BIN_DIR "/res";
  MemorySettings settings;
  PrintShell shell;
  if (args.contains("--alarm")) return mqt::TAlarmForm(context, settings, prompter).exec();
  if (args.contains("--about")) return mqt::TAboutBox(context, shell).exec();
  if (args.contains("--enlarge")) {
    mqt::TEnlargeForm hint(context, settings, prompter);
    hint.ShowUnlessSwitchedOff(200, 600);
    return app.exec();
  }
  mqt::TFirstForm splash(context, {prompter, runner, {}, [] { std::puts("entered"); }, {}});
  const int result = splash.exec();
  std::printf("splash closed: %s\n", result == QDialog::Accepted ? "entered" : "program ends");
  return 0;
}
