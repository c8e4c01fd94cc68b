#include "devices/device_entry.h"

#include <algorithm>

#include "devices/extract_field.h"

namespace mqt {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

}  // namespace

std::string FormatDeviceEntry(std::string_view instance_id, std::string_view description) {
  std::string entry(instance_id);
  entry += kEntrySeparator;
  entry += description;
  return entry;
}

std::string HardwareIdOf(std::string_view instance_id) {
  return ExtractField(instance_id, '\\', 0) + "\\" + ExtractField(instance_id, '\\', 1);
}

ChosenMouse ChosenMouseOf(std::string_view entry_text) {
  ChosenMouse mouse;
  mouse.instance_id = ExtractField(entry_text, ':', 0);
  mouse.hardware_id = HardwareIdOf(mouse.instance_id);
  mouse.description = ExtractField(entry_text, ':', 1);
  return mouse;
}

bool IsFilterDescription(std::string_view description) {
  return description == kUsbFilterDescription || description == kPs2FilterDescription;
}

std::optional<std::size_t> FindListedEntry(std::string_view text,
                                           const std::vector<std::string>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (EqualsIgnoringCase(text, items[i])) return i;
  }
  return std::nullopt;
}

}  // namespace mqt
