#pragma once

#include <string>
#include <vector>

namespace mqt {

// One event node of the input subsystem, as udev describes it.
struct InputEventNode {
  std::string devnode;    // "/dev/input/event5"
  bool is_mouse = false;  // udev's ID_INPUT_MOUSE
  // Of the input device the node belongs to:
  std::string input_name;  // its sysfs name, "input12"
  std::string name;        // "Logitech USB Optical Mouse"
  unsigned bus = 0;        // id/bustype: 0x03 USB, 0x05 Bluetooth, 0x11 PS/2 (i8042) ...
  unsigned vendor = 0;
  unsigned product = 0;
  std::string phys;  // where it is attached: "usb-0000:00:14.0-2/input0"
  std::string uniq;  // its own address or serial number, often empty
};

// A real mouse as the device list shows it. A USB mouse's instance ID is
// HID\VID_vvvv&PID_pppp\<port>, the port taken from where it is plugged in,
// so the same mouse in the same socket keeps its ID across plugging and
// restarts. Other mice begin with PS2\, BTH\ or INPUT\, never with HID, so
// the device list leaves them out as it leaves out every PS/2 mouse.
struct RealMouse {
  std::string instance_id;
  std::string description;
  std::vector<std::string> event_nodes;  // every mouse node of it, lowest event number first
};

// The mice among `nodes`: every event node udev marks as a mouse, the nodes of
// one physical mouse (same port, vendor and product) joined into one entry,
// ordered by instance ID. The description is the device's name, made safe for
// a device entry (no ':' or control characters).
std::vector<RealMouse> RealMiceOf(const std::vector<InputEventNode>& nodes);

}  // namespace mqt
