#include "devices/device_list.h"

#include "devices/device_entry.h"
#include "devices/extract_field.h"
#include "devices/file_store.h"
#include "devices/retry_clock.h"

namespace mqt {
namespace {

constexpr std::string_view kUsbEnumerator = "HID";
constexpr std::string_view kUsbIdStart = "HID\\VID";
constexpr std::size_t kModelPrefixLength = 21;  // HID\VID_vvvv&PID_pppp

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The header line holds the class marker, two more characters and free text;
// a device ID may follow in the same line.
std::string EntryTextOfHeader(const std::string& line) {
  const std::size_t marker = line.find(kClassMarker);
  const std::size_t from = marker == std::string::npos ? 8 : marker + 9;
  std::string text = from < line.size() ? line.substr(from) : std::string();
  if (!StartsWith(ExtractField(text, ':', 0), kUsbEnumerator)) {
    const std::size_t id = line.find(kUsbIdStart);
    if (id != std::string::npos) text = line.substr(id);
  }
  return text;
}

bool IsReservedModel(std::string_view instance_id) {
  for (std::string_view model : kReservedModels) {
    if (instance_id.substr(0, kModelPrefixLength) == model) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> ParseDeviceList(const std::vector<std::string>& lines, bool nb_mode) {
  std::vector<std::string> entries;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string text = k == 0 ? EntryTextOfHeader(lines[k]) : lines[k];
    const std::string id = ExtractField(text, ':', 0);
    if (!StartsWith(id, kUsbEnumerator)) continue;
    if (!nb_mode && IsReservedModel(id)) continue;
    entries.push_back(FormatDeviceEntry(id, ExtractField(text, ':', 1)));
  }
  return entries;
}

std::vector<std::string> ReadDeviceListFile(FileStore& files, RetryClock& clock,
                                            const std::string& path) {
  const std::chrono::milliseconds start = clock.Now();
  while (files.Exists(path)) {
    if (auto lines = files.ReadLines(path)) return *std::move(lines);
    if (clock.Now() - start >= kDeviceListReadLimit) break;
    clock.Sleep(kDeviceListRetryInterval);
  }
  return {};
}

}  // namespace mqt
