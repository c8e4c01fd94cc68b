#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/driver_setup/driver_setup_library.h"
#include "platform/program_runner.h"
#include "platform/prompter.h"
#include "platform/restarter.h"
#include "platform/settings.h"

namespace mqt {

class DeviceWindow;
class FileStore;
class RetryClock;

// Files beside the program that the device steps use, before ExpandPath.
inline constexpr std::string_view kDeviceListFile = "c:\\DevList.txt";
inline constexpr std::string_view kListingScript = ".\\Tool\\GetList.bat";
inline constexpr std::string_view kDeviceConsoleTool = ".\\Tool\\devcon.exe";
inline constexpr std::string_view kCaptureInf = ".\\Driver\\MouseCapture.inf";
inline constexpr std::string_view kUsbFilterInf = ".\\Driver\\MFilter.inf";
inline constexpr std::string_view kPs2FilterInf = ".\\Driver\\PS2MouseMonitor.inf";

struct DevicePaths {
  std::string device_list_file;
  std::string listing_script;
  std::string device_console_tool;
  std::string capture_inf;
  std::string usb_filter_inf;
  std::string ps2_filter_inf;
};

// The paths above, each resolved with `expand_path` (the settings' ExpandPath).
DevicePaths ExpandDevicePaths(const std::function<std::string(std::string_view)>& expand_path);

// The language lookup: the text of a key of the language file, "" when absent.
using LanguageLookup = std::function<std::string(std::string_view key)>;

// Everything the device steps reach outside themselves.
struct DeviceServices {
  DeviceWindow& window;
  Prompter& prompter;
  ProgramRunner& runner;
  DriverSetupLibrary& driver_setup;
  FileStore& files;
  RetryClock& clock;
  Restarter& restarter;
  Settings& settings;
  LanguageLookup text;
  DevicePaths paths;
};

// The application's plain message dialog: OK only, the application title as
// caption (an empty caption asks the prompter for it).
void ShowPlainMessage(Prompter& prompter, const std::string& text);

// Starts the listing script hidden, without waiting for it.
void StartListingScript(const DeviceServices& services);

// The entry the list's current text names: the matching item when the
// operator typed it in other letter case, else the text itself.
std::string CurrentDeviceEntry(DeviceWindow& window);

}  // namespace mqt
