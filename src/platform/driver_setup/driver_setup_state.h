#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// A device the driver set-up library installed from an INF (the capture
// device), or a hardware ID bound to the capture filter by an INF.
struct InstalledDriver {
  std::string hardware_id;
  std::string description;  // the INF model line's description
  std::string inf_path;
};

struct DriverSetupState {
  std::vector<InstalledDriver> devices;  // installed root devices
  std::vector<InstalledDriver> filters;  // hardware IDs bound to the capture filter

  // The filter binding of this hardware ID (letter case ignored), or null.
  const InstalledDriver* FilterOf(std::string_view hardware_id) const;
  const InstalledDriver* DeviceOf(std::string_view hardware_id) const;
};

// The state file's text: a comment, then "device" or "filter", hardware ID,
// description and INF path per line, separated by tabs. Unknown lines are
// skipped when read, so an older or newer station can share the file.
std::vector<std::string> FormatDriverSetupState(const DriverSetupState& state);
DriverSetupState ParseDriverSetupState(const std::vector<std::string>& lines);

// The state file beside the settings. The station and its tools share it:
// every change is a locked read-modify-write that replaces the file atomically.
class DriverSetupStore {
 public:
  explicit DriverSetupStore(std::filesystem::path file) : file_(std::move(file)) {}

  // This user's store: AppConfigFolder()/driver_setup.state.
  static DriverSetupStore ForThisUser();

  // The current state; a missing or unreadable file is the empty state.
  DriverSetupState Load() const;
  // Applies `change` to the current state and writes it. False when the file
  // could not be locked or written; the state is then unchanged.
  bool Update(const std::function<void(DriverSetupState&)>& change) const;

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace mqt
