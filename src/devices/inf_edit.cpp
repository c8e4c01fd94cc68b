#include "devices/inf_edit.h"

namespace mqt {

std::string UsbModelLine(std::string_view hardware_id) {
  return "%MouseMonitor.DeviceDesc%=USBHID_Mouse_Inst, " + std::string(hardware_id);
}

std::string Ps2ModelLine(std::string_view hardware_id) {
  return "%DDK_Ex% = moufiltr, " + std::string(hardware_id);
}

std::optional<std::vector<std::string>> InsertModelLine(std::vector<std::string> lines,
                                                        std::size_t index, std::string line) {
  if (index > lines.size()) return std::nullopt;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
  return lines;
}

}  // namespace mqt
