#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mqt {

// Hardware ID of the capture device that the capture driver provides.
inline constexpr std::string_view kCaptureDeviceId = "*Vorel\\MouseCapture";

// Results of cmdUpdate the station acts on; other values are possible and
// show no message.
inline constexpr std::int32_t kCmdUpdateOk = 0;
inline constexpr std::int32_t kCmdUpdateFailed = 2;

// The driver set-up library: install, update, test for and remove drivers by
// hardware ID. INF paths are in the system's own form (an expanded
// ".\Driver\MFilter.inf"). The library writes each restart flag on every call.
class DriverSetupLibrary {
 public:
  virtual ~DriverSetupLibrary() = default;
  // Non-zero when a device with this hardware ID is present.
  virtual std::int32_t IsExistDriver(const std::string& hardware_id) = 0;
  // Installs a device with this hardware ID from the INF. `need_restart` is
  // non-zero afterwards when the computer must be restarted.
  virtual std::int32_t InstallDriver(const std::string& hardware_id, const std::string& inf_path,
                                     std::int32_t& need_restart) = 0;
  // Updates the present devices of this hardware ID with the INF:
  // kCmdUpdateOk, kCmdUpdateFailed or another value.
  virtual std::int32_t cmdUpdate(const std::string& inf_path, const std::string& hardware_id) = 0;
  // Removes the driver from the devices whose hardware ID begins with
  // `hardware_id` (HID\VID_vvvv&PID_pppp).
  virtual std::int32_t RemoveDriver(const std::string& hardware_id, std::int32_t flags,
                                    std::int32_t& need_restart) = 0;
  // Scans for hardware changes after a removal.
  virtual std::int32_t Reflash() = 0;
};

}  // namespace mqt
