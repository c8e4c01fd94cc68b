#pragma once

#include <functional>
#include <vector>

#include "platform/driver_setup/driver_setup_library.h"
#include "platform/driver_setup/driver_setup_state.h"
#include "platform/driver_setup/present_mice.h"

namespace mqt {

// The driver set-up library on the host. It keeps the installed capture
// device and the hardware IDs bound to the capture filter in its store, and
// binds or installs a hardware ID only when a model line of the INF it is
// given names it. The description a bound mouse shows is that model line's.
class HostDriverSetup : public DriverSetupLibrary {
 public:
  using PresentMiceSource = std::function<std::vector<PresentMouse>()>;

  HostDriverSetup(DriverSetupStore store, PresentMiceSource present_mice);

  // This user's store and present mice.
  static HostDriverSetup ForThisUser();

  // 1 for an installed device of this hardware ID or a present mouse of it, else 0.
  std::int32_t IsExistDriver(const std::string& hardware_id) override;
  // 1 when installed, 0 when the INF cannot be read, is no driver INF, names
  // no model for the ID, or the state cannot be written. `need_restart` is 1
  // when the model's install section holds a Reboot or Restart directive.
  std::int32_t InstallDriver(const std::string& hardware_id, const std::string& inf_path,
                             std::int32_t& need_restart) override;
  // kCmdUpdateOk, or kCmdUpdateFailed when the INF cannot be read, names no
  // model for the ID, no mouse of that ID is present, or the state cannot be
  // written.
  std::int32_t cmdUpdate(const std::string& inf_path, const std::string& hardware_id) override;
  // Unbinds the filter from (and uninstalls the devices of) every hardware ID
  // beginning with `hardware_id`: 1 when something was removed, else 0. An
  // empty ID removes nothing.
  std::int32_t RemoveDriver(const std::string& hardware_id, std::int32_t flags,
                            std::int32_t& need_restart) override;
  // Every call reads the state afresh, so there is nothing to scan again: 1.
  std::int32_t Reflash() override;

 private:
  DriverSetupStore store_;
  PresentMiceSource present_mice_;
};

}  // namespace mqt
