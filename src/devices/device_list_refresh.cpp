#include "devices/device_list_refresh.h"

#include "devices/device_list.h"
#include "devices/device_services.h"
#include "devices/device_window.h"
#include "devices/extract_field.h"

namespace mqt {

void RefreshDeviceList(const DeviceServices& services, bool nb_mode) {
  const std::vector<std::string> lines =
      ReadDeviceListFile(services.files, services.clock, services.paths.device_list_file);
  const std::vector<std::string> entries = ParseDeviceList(lines, nb_mode);
  services.window.SetDeviceItems(entries);
  if (!entries.empty()) {
    services.window.SelectDeviceItem(0);
  } else {
    services.window.SetDeviceText(services.text("MsgNoDevice"));
  }
}

void ReselectDevice(DeviceWindow& window, std::string_view instance_id) {
  const std::string wanted(TrimBlanks(instance_id));
  const std::vector<std::string> items = window.DeviceItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (ExtractField(items[i], ':', 0) == wanted) window.SelectDeviceItem(i);
  }
}

}  // namespace mqt
