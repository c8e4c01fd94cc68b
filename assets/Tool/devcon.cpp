// The device console tool: updates, removes and shows the capture filter of
// mice through the driver set-up library.
//
//   devcon [-r] update <INF file> <hardware ID>
//   devcon [-r] remove <hardware ID>
//   devcon status
//
// Exit codes: 0 done, 2 failed, 3 wrong command line. -r (restart when
// needed) is accepted; no update of ours needs a restart.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "devices/device_entry.h"
#include "platform/driver_setup/bound_mice.h"
#include "platform/driver_setup/host_driver_setup.h"

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 2;
constexpr int kUsage = 3;

int Usage() {
  std::fprintf(stderr,
               "usage: devcon [-r] update <INF file> <hardware ID>\n"
               "       devcon [-r] remove <hardware ID>\n"
               "       devcon status\n");
  return kUsage;
}

int Status() {
  using namespace mqt;
  const DriverSetupState state = DriverSetupStore::ForThisUser().Load();
  for (const InstalledDriver& device : state.devices) {
    std::printf("device  %s : %s\n", device.hardware_id.c_str(), device.description.c_str());
  }
  for (const InstalledDriver& filter : state.filters) {
    std::printf("filter  %s : %s\n", filter.hardware_id.c_str(), filter.description.c_str());
  }
  for (const PresentMouse& mouse : EnumeratePresentMice()) {
    const bool bound = state.FilterOf(HardwareIdOf(mouse.instance_id)) != nullptr;
    std::printf("mouse   %s : %s%s\n", mouse.instance_id.c_str(), mouse.description.c_str(),
                bound ? " [capture filter]" : "");
  }
  return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // -r asks for a restart when one is needed; none of our updates needs one.
  if (!args.empty() && args.front() == "-r") args.erase(args.begin());
  if (args.empty()) return Usage();

  mqt::HostDriverSetup setup = mqt::HostDriverSetup::ForThisUser();
  const std::string& command = args.front();
  if (command == "update" && args.size() == 3) {
    if (setup.cmdUpdate(args[1], args[2]) != mqt::kCmdUpdateOk) {
      std::fprintf(stderr, "devcon: update of %s from %s failed\n", args[2].c_str(),
                   args[1].c_str());
      return kFailed;
    }
    std::printf("Updated drivers for %s.\n", args[2].c_str());
    return kDone;
  }
  if (command == "remove" && args.size() == 2) {
    std::int32_t need_restart = 0;
    if (setup.RemoveDriver(args[1], 0, need_restart) == 0) {
      std::printf("No capture filter to remove for %s.\n", args[1].c_str());
      return kDone;
    }
    setup.Reflash();
    std::printf("Removed the capture filter from %s.\n", args[1].c_str());
    return kDone;
  }
  if (command == "status" && args.size() == 1) return Status();
  return Usage();
}
