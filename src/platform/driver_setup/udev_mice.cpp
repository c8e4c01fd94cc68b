#include "platform/driver_setup/udev_mice.h"

#include <libudev.h>

#include <cstdlib>
#include <string>

namespace mqt {
namespace {

std::string Text(const char* value) { return value != nullptr ? value : ""; }

unsigned Hex(const char* value) {
  return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 16)) : 0;
}

InputEventNode NodeOf(udev_device* device) {
  InputEventNode node;
  node.devnode = Text(udev_device_get_devnode(device));
  node.is_mouse = Text(udev_device_get_property_value(device, "ID_INPUT_MOUSE")) == "1";
  // The input device above the node holds the name and the IDs; it belongs
  // to `device` and is released with it.
  udev_device* input = udev_device_get_parent_with_subsystem_devtype(device, "input", nullptr);
  if (input != nullptr) {
    node.input_name = Text(udev_device_get_sysname(input));
    node.name = Text(udev_device_get_sysattr_value(input, "name"));
    node.phys = Text(udev_device_get_sysattr_value(input, "phys"));
    node.uniq = Text(udev_device_get_sysattr_value(input, "uniq"));
    node.bus = Hex(udev_device_get_sysattr_value(input, "id/bustype"));
    node.vendor = Hex(udev_device_get_sysattr_value(input, "id/vendor"));
    node.product = Hex(udev_device_get_sysattr_value(input, "id/product"));
  }
  return node;
}

}  // namespace

std::vector<InputEventNode> EnumerateInputEventNodes() {
  std::vector<InputEventNode> nodes;
  udev* context = udev_new();
  if (context == nullptr) return nodes;
  udev_enumerate* enumerate = udev_enumerate_new(context);
  if (enumerate != nullptr && udev_enumerate_add_match_subsystem(enumerate, "input") >= 0 &&
      udev_enumerate_add_match_sysname(enumerate, "event*") >= 0 &&
      udev_enumerate_scan_devices(enumerate) >= 0) {
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
      udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
      if (device == nullptr) continue;  // gone since the scan
      nodes.push_back(NodeOf(device));
      udev_device_unref(device);
    }
  }
  if (enumerate != nullptr) udev_enumerate_unref(enumerate);
  udev_unref(context);
  return nodes;
}

std::vector<RealMouse> EnumerateRealMice() { return RealMiceOf(EnumerateInputEventNodes()); }

}  // namespace mqt
