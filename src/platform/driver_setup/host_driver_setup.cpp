#include "platform/driver_setup/host_driver_setup.h"

#include <algorithm>
#include <optional>

#include "devices/device_entry.h"
#include "devices/inf_models.h"
#include "platform/driver_setup/text_file.h"
#include "platform/paths.h"

namespace mqt {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  }
  return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

// The model of a readable driver INF that names the hardware ID.
std::optional<InfModel> ModelFromInf(const std::string& inf_path, std::string_view hardware_id) {
  const auto lines = ReadTextLines(std::filesystem::path(ResolveHostPath(inf_path)));
  if (!lines || !HasInfSignature(*lines)) return std::nullopt;
  return FindInfModel(*lines, hardware_id);
}

void Replace(std::vector<InstalledDriver>& list, InstalledDriver entry) {
  std::erase_if(list, [&](const InstalledDriver& old) {
    return EqualsIgnoringCase(old.hardware_id, entry.hardware_id);
  });
  list.push_back(std::move(entry));
}

}  // namespace

HostDriverSetup::HostDriverSetup(DriverSetupStore store, PresentMiceSource present_mice)
    : store_(std::move(store)), present_mice_(std::move(present_mice)) {}

HostDriverSetup HostDriverSetup::ForThisUser() {
  return HostDriverSetup(DriverSetupStore::ForThisUser(), [] { return EnumeratePresentMice(); });
}

std::int32_t HostDriverSetup::IsExistDriver(const std::string& hardware_id) {
  if (store_.Load().DeviceOf(hardware_id) != nullptr) return 1;
  const std::vector<PresentMouse> mice = present_mice_();
  const bool present = std::any_of(mice.begin(), mice.end(), [&](const PresentMouse& mouse) {
    return EqualsIgnoringCase(HardwareIdOf(mouse.instance_id), hardware_id);
  });
  return present ? 1 : 0;
}

std::int32_t HostDriverSetup::InstallDriver(const std::string& hardware_id,
                                            const std::string& inf_path,
                                            std::int32_t& need_restart) {
  need_restart = 0;
  const std::optional<InfModel> model = ModelFromInf(inf_path, hardware_id);
  if (!model) return 0;
  const bool stored = store_.Update([&](DriverSetupState& state) {
    Replace(state.devices, {hardware_id, model->description, inf_path});
  });
  if (!stored) return 0;
  need_restart = model->needs_restart ? 1 : 0;
  return 1;
}

std::int32_t HostDriverSetup::cmdUpdate(const std::string& inf_path,
                                        const std::string& hardware_id) {
  const std::optional<InfModel> model = ModelFromInf(inf_path, hardware_id);
  if (!model) return kCmdUpdateFailed;
  const std::vector<PresentMouse> mice = present_mice_();
  const bool present = std::any_of(mice.begin(), mice.end(), [&](const PresentMouse& mouse) {
    return EqualsIgnoringCase(HardwareIdOf(mouse.instance_id), hardware_id);
  });
  if (!present) return kCmdUpdateFailed;
  const bool stored = store_.Update([&](DriverSetupState& state) {
    Replace(state.filters, {hardware_id, model->description, inf_path});
  });
  return stored ? kCmdUpdateOk : kCmdUpdateFailed;
}

std::int32_t HostDriverSetup::RemoveDriver(const std::string& hardware_id, std::int32_t /*flags*/,
                                           std::int32_t& need_restart) {
  need_restart = 0;
  if (hardware_id.empty()) return 0;
  std::size_t removed = 0;
  const bool stored = store_.Update([&](DriverSetupState& state) {
    auto matches = [&](const InstalledDriver& entry) {
      return StartsWithIgnoringCase(entry.hardware_id, hardware_id);
    };
    removed = std::erase_if(state.filters, matches) + std::erase_if(state.devices, matches);
  });
  return stored && removed > 0 ? 1 : 0;
}

std::int32_t HostDriverSetup::Reflash() { return 1; }

}  // namespace mqt
