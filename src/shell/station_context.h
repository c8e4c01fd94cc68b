#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "capture/record_placement.h"
#include "capture/sample_timeline.h"
#include "shell/form_context.h"
#include "shell/picture_file.h"

namespace mqt {

class Settings;
class Prompter;
class ShellOpener;
class ProgramRunner;
class SaveDialog;
class Restarter;
class CaptureDeviceChannel;
class DriverSetupLibrary;
class FileStore;
class RetryClock;
class MouseHook;
class RateClock;

class TMainForm;
class TFirstForm;
class TAboutBox;
class TProgressForm;
class TAlarmForm;
class TExpert;
class TEnlargeForm;

// The station's seven windows, filled in as they are created, in this order.
// A window reaches the others only through here, so a test builds just the
// windows it needs and leaves the rest null.
struct StationWindows {
  TMainForm* MainForm = nullptr;
  TFirstForm* FirstForm = nullptr;
  TAboutBox* AboutBox = nullptr;
  TProgressForm* ProgressForm = nullptr;
  TAlarmForm* AlarmForm = nullptr;
  TExpert* Expert = nullptr;
  TEnlargeForm* EnlargeForm = nullptr;
};

// Everything a window needs from outside itself. main() fills it with the real
// platform; window tests fill it with fakes. It outlives every window.
struct StationContext {
  // Required, as the prompter is.
  Settings* settings = nullptr;
  // Required: the capture threads show their boxes through it.
  Prompter* prompter = nullptr;
  ShellOpener* shell = nullptr;
  ProgramRunner* runner = nullptr;
  SaveDialog* save_dialog = nullptr;
  Restarter* restarter = nullptr;
  // The device steps' driver set-up library, files and retry waits. Without
  // all three (and the runner and restarter), the device list shows only the
  // simulated mouse and no driver step runs.
  DriverSetupLibrary* driver_setup = nullptr;
  FileStore* device_files = nullptr;
  RetryClock* retry_clock = nullptr;

  // The language file: opened once by the main window's constructor (path and
  // section), looked up by key afterwards. A missing text is "".
  std::function<void(const std::string& path, const std::string& section)> open_language_file;
  std::function<std::string(const std::string& key)> lookup;
  // Makes ".\..." absolute against the program's folder and expands "%VAR%".
  std::function<std::string(const std::string& path)> expand_path;

  // Set by the main window's constructor from the "Language" setting.
  std::string active_language;
  // The title of message boxes that have no window of their own.
  std::string application_title = "Korvel MOUSE Moving Quality Test Program";

  // Host folder of res/ beside the program, and how pictures are read from it.
  std::string res_folder;
  PictureLoader load_picture = LoadPictureFile;

  int screen_width = 1024;
  int screen_height = 768;
  int logical_dpi = 96;

  StationWindows windows;

  // The process-wide sample timeline and the test capture's slot carry.
  SampleTimeline timeline;
  SlotCarry test_slot_carry;
  // The continuous capture's own slot carry, never cleared at a start.
  SlotCarry continue_slot_carry;
  // Where the continuous capture saves its dump list, tried in order; empty
  // means "c:\MouseData.txt", then MouseData.txt in the station's data folder.
  std::vector<std::string> continue_dump_paths;
  // OpenCaptureDevice of the capture interface's member 0; null when the
  // capture device is not present.
  std::function<std::unique_ptr<CaptureDeviceChannel>()> open_capture_device;
  // The capture thread's pause after each read; tests take it out.
  std::chrono::microseconds capture_pause_after_read{1000};

  // Installs the report-rate monitor's mouse hook (InstallMouseHook when
  // empty); tests put in their own.
  std::function<std::unique_ptr<MouseHook>(std::function<void()> on_move)> install_mouse_hook;
  // The monitor's clock; the performance counter when null.
  RateClock* rate_clock = nullptr;

  std::string Text(const std::string& key) const { return lookup ? lookup(key) : std::string(); }
  std::string Expand(const std::string& path) const {
    return expand_path ? expand_path(path) : path;
  }
  // What the small windows take from it.
  FormContext Form() const {
    FormContext form;
    form.text = [this](std::string_view key) { return Text(std::string(key)); };
    form.language = active_language;
    form.res_folder = QString::fromStdString(res_folder);
    form.screen_size = [this] { return QSize(screen_width, screen_height); };
    form.load_picture = load_picture;
    return form;
  }
};

}  // namespace mqt
