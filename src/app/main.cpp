// The station: wires the real platform into the windows and starts them.
#include <QFont>
#include <QScreen>

#include "app/score_echo.h"
#include "capture/capture_device_channel.h"
#include "platform/capture_driver/capture_driver.h"
#include "platform/desktop_shell_opener.h"
#include "platform/file_settings.h"
#include "platform/paths.h"
#include "platform/posix_program_runner.h"
#include "platform/single_instance.h"
#include "shell/MainUnit.h"
#include "shell/dialog_prompter.h"
#include "shell/language_file.h"
#include "shell/settings_table.h"
#include "shell/station_context.h"
#include "shell/station_start.h"

int main(int argc, char* argv[]) {
  mqt::SingleInstance instance(mqt::kStationMutexName);
  mqt::StationApplication app(argc, argv);
  mqt::DialogPrompter prompter;
  if (instance.already_exists()) return mqt::RefuseSecondCopy(prompter);

  // The forms' fonts, by their Windows names.
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Courier New", "Liberation Mono");

  mqt::StationContext context;
  context.application_title = std::string(mqt::kStationTitle);
  mqt::FileSettings settings(mqt::AppConfigFolder(), mqt::kSettingsKey);
  mqt::DesktopShellOpener shell;
  mqt::PosixProgramRunner runner;
  // Until the device list knows the attached mice, the simulated mouse is the
  // one mouse behind the capture driver.
  mqt::SimulatedMouseProvider capture_sources;
  mqt::CaptureDriver capture_driver(capture_sources);

  context.settings = &settings;
  context.prompter = &prompter;
  context.shell = &shell;
  context.runner = &runner;
  context.open_language_file = [](const std::string& path, const std::string& section) {
    mqt::OpenLanguageFile(mqt::ResolveHostPath(path), section);
  };
  context.lookup = [](const std::string& key) { return mqt::LanguageLookup(key); };
  context.expand_path = [](const std::string& path) { return mqt::ExpandPath(path); };
  context.open_capture_device = [&capture_driver] {
    return mqt::OpenCaptureDevice(capture_driver, 0);
  };
  context.res_folder = mqt::ResolveHostPath(".\\res");
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    context.screen_width = screen->geometry().width();
    context.screen_height = screen->geometry().height();
    context.logical_dpi = static_cast<int>(screen->logicalDotsPerInch());
  }
  app.SetExceptionDisplay([&](const std::string& message) {
    mqt::ShowException(prompter, context.application_title, message);
  });

  mqt::StationWindowSet windows;
  return mqt::StartStation(context, windows, [&] {
    prompter.SetOwner(windows.MainForm.get());
    mqt::EchoScoreIfAsked(windows.MainForm.get());
    return app.exec();
  });
}
