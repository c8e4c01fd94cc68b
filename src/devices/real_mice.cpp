#include "devices/real_mice.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>

namespace mqt {
namespace {

constexpr unsigned kBusUsb = 0x03;
constexpr unsigned kBusBluetooth = 0x05;
constexpr unsigned kBusI8042 = 0x11;

bool IsEventNode(const std::string& devnode) {
  const std::size_t slash = devnode.rfind('/');
  return std::string_view(devnode)
      .substr(slash == std::string::npos ? 0 : slash + 1)
      .starts_with("event");
}

// The event number of "/dev/input/event12", so event2 comes before event10.
long EventNumber(const std::string& devnode) {
  const std::size_t digits = devnode.find_last_not_of("0123456789") + 1;
  if (digits >= devnode.size() || devnode.size() - digits > 9) return -1;
  return std::stol(devnode.substr(digits));
}

// An instance ID part: letters in upper case, digits, '.', '-' and '_' kept,
// anything else (':', '\', '/', blanks ...) that would break a device entry
// or an ID made '_'.
std::string InstancePart(std::string_view text) {
  std::string part;
  for (const char c : text) {
    if (c >= 'a' && c <= 'z') {
      part += static_cast<char>(c - 'a' + 'A');
    } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
               c == '_') {
      part += c;
    } else {
      part += '_';
    }
  }
  return part;
}

// Where the mouse is plugged in: its phys without the interface
// ("usb-0000:00:14.0-2/input0" gives "usb-0000:00:14.0-2"), or the input
// device's name when it has no phys (a virtual device). Two mice on one
// Bluetooth adapter share the adapter's phys, so their own address is added.
std::string InstanceOf(const InputEventNode& node) {
  std::string place = node.phys.substr(0, node.phys.find("/input"));
  if (place.empty()) place = node.input_name;
  if (node.bus != kBusUsb && !node.uniq.empty()) place += "-" + node.uniq;
  return InstancePart(place);
}

std::string EnumeratorOf(unsigned bus) {
  switch (bus) {
    case kBusUsb:
      return "HID";
    case kBusBluetooth:
      return "BTH";
    case kBusI8042:
      return "PS2";
    default:
      return "INPUT";
  }
}

std::string InstanceIdOf(const InputEventNode& node) {
  char model[32];
  std::snprintf(model, sizeof model, "VID_%04X&PID_%04X", node.vendor & 0xFFFFu,
                node.product & 0xFFFFu);
  return EnumeratorOf(node.bus) + "\\" + model + "\\" + InstanceOf(node);
}

// The device's name as a device entry can carry it: a ':' would end the
// description and control characters would garble the list.
std::string DescriptionOf(const InputEventNode& node) {
  std::string description;
  for (const char c : node.name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) continue;
    description += c == ':' ? '-' : c;
  }
  const std::size_t first = description.find_first_not_of(' ');
  if (first == std::string::npos) return node.bus == kBusUsb ? "USB mouse" : "Mouse";
  return description.substr(first, description.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<RealMouse> RealMiceOf(const std::vector<InputEventNode>& nodes) {
  std::vector<const InputEventNode*> mice;
  for (const InputEventNode& node : nodes) {
    if (node.is_mouse && IsEventNode(node.devnode)) mice.push_back(&node);
  }
  std::stable_sort(mice.begin(), mice.end(), [](const auto* a, const auto* b) {
    return EventNumber(a->devnode) < EventNumber(b->devnode);
  });
  // Keyed by instance ID: one entry per physical mouse, in ID order.
  std::map<std::string, RealMouse> by_id;
  for (const InputEventNode* node : mice) {
    const std::string id = InstanceIdOf(*node);
    RealMouse& mouse = by_id[id];
    if (mouse.instance_id.empty()) {
      mouse.instance_id = id;
      mouse.description = DescriptionOf(*node);
    }
    mouse.event_nodes.push_back(node->devnode);
  }
  std::vector<RealMouse> listed;
  for (auto& [id, mouse] : by_id) listed.push_back(std::move(mouse));
  return listed;
}

}  // namespace mqt
