// The listing script: writes the mice of the mouse class to the device list
// file "c:\DevList.txt", a header line with the class marker, then one line
// "<instance ID> : <description>" per mouse. A mouse bound to the capture
// filter shows the filter's description.

#include <cstdio>

#include "devices/device_list_format.h"
#include "devices/device_services.h"
#include "platform/driver_setup/bound_mice.h"
#include "platform/driver_setup/text_file.h"
#include "platform/paths.h"

int main() {
  using namespace mqt;
  const DriverSetupState state = DriverSetupStore::ForThisUser().Load();
  const std::vector<std::string> lines =
      FormatDeviceListFile(ListDevices(state, EnumeratePresentMice()));
  // Replaced as a whole, so the station never reads half a list.
  const std::filesystem::path file = std::filesystem::path(ResolveHostPath(kDeviceListFile));
  if (!WriteTextFileAtomically(file, lines)) {
    std::fprintf(stderr, "GetList: cannot write %s\n", file.c_str());
    return 1;
  }
  return 0;
}
