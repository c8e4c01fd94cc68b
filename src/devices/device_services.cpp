#include "devices/device_services.h"

#include "devices/device_entry.h"
#include "devices/device_window.h"

namespace mqt {

DevicePaths ExpandDevicePaths(const std::function<std::string(std::string_view)>& expand_path) {
  DevicePaths paths;
  // Drive C: is absolute already; only the program's own files are expanded.
  paths.device_list_file = std::string(kDeviceListFile);
  paths.listing_script = expand_path(kListingScript);
  paths.device_console_tool = expand_path(kDeviceConsoleTool);
  paths.capture_inf = expand_path(kCaptureInf);
  paths.usb_filter_inf = expand_path(kUsbFilterInf);
  paths.ps2_filter_inf = expand_path(kPs2FilterInf);
  return paths;
}

void ShowPlainMessage(Prompter& prompter, const std::string& text) {
  prompter.MessageBox(text, "", MsgButtons::Ok, MsgIcon::None);
}

void StartListingScript(const DeviceServices& services) {
  services.runner.Start("\"" + services.paths.listing_script + "\"", /*hidden=*/true);
}

std::string CurrentDeviceEntry(DeviceWindow& window) {
  const std::string text = window.DeviceText();
  const std::vector<std::string> items = window.DeviceItems();
  if (const auto index = FindListedEntry(text, items)) return items[*index];
  return text;
}

}  // namespace mqt
