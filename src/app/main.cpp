// The station: wires the real platform into the windows and starts them.
#include <QFont>
#include <QScreen>

#include "app/score_echo.h"
#include "capture/capture_device_channel.h"
#include "platform/capture_driver/bound_mice_provider.h"
#include "platform/capture_driver/capture_driver.h"
#include "platform/desktop_shell_opener.h"
#include "platform/device_change_event.h"
#include "platform/device_change_monitor.h"
#include "platform/driver_setup/host_driver_setup.h"
#include "platform/driver_setup/host_file_store.h"
#include "platform/file_settings.h"
#include "platform/paths.h"
#include "platform/posix_program_runner.h"
#include "platform/single_instance.h"
#include "platform/system_restarter.h"
#include "shell/MainUnit.h"
#include "shell/dialog_prompter.h"
#include "shell/file_save_dialog.h"
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
  mqt::FileSaveDialog save_dialog;
  mqt::SystemRestarter restarter;
  mqt::HostDriverSetup driver_setup = mqt::HostDriverSetup::ForThisUser();
  mqt::HostFileStore device_files;
  mqt::SteadyRetryClock retry_clock;
  // The capture driver is present once installed, and captures the mice the
  // driver set-up library bound to the capture filter, read afresh each time:
  // the simulated mouse, recordings, and real mice through their event nodes.
  mqt::BoundMiceProvider capture_sources = mqt::BoundMiceProvider::ForThisUser();
  mqt::CaptureDriver capture_driver(capture_sources);

  context.settings = &settings;
  context.prompter = &prompter;
  context.shell = &shell;
  context.runner = &runner;
  context.save_dialog = &save_dialog;
  context.restarter = &restarter;
  context.driver_setup = &driver_setup;
  context.device_files = &device_files;
  context.retry_clock = &retry_clock;
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
    save_dialog.SetOwner(windows.MainForm.get());
    // A mouse plugged in or out reaches the main window as its device-change event.
    mqt::DeviceChangeMonitor device_changes([&windows] {
      QCoreApplication::postEvent(windows.MainForm.get(), new mqt::DeviceChangeEvent);
    });
    mqt::EchoScoreIfAsked(windows.MainForm.get());
    return app.exec();
  });
}
