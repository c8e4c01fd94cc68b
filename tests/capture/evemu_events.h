#pragma once

#include <linux/input.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "event_feed.h"

namespace mqt::testing {

// The event lines of an evemu recording, "E: <sec>.<usec> <type> <code>
// <value>" with type and code in hex and the value in decimal, as the events
// an evdev node would hand out. Other lines (the device description) are
// skipped. `error` names the first event line that is not understood.
inline std::vector<input_event> ReadEvemuEvents(const std::string& path, std::string& error) {
  std::vector<input_event> events;
  std::ifstream in(path);
  if (!in) {
    error = path + ": cannot be opened";
    return events;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.starts_with("E: ")) continue;
    std::istringstream fields(line.substr(3));
    long long seconds = 0;
    char point = 0;
    std::string micros;
    unsigned type = 0;
    unsigned code = 0;
    long value = 0;  // decimal, though written with leading zeros ("-013")
    fields >> seconds >> point >> micros >> std::hex >> type >> code >> std::dec >> value;
    if (!fields || point != '.' || micros.size() != 6) {
      error = path + ":" + std::to_string(number) + ": not an event line";
      return {};
    }
    events.push_back(Event(seconds * 1'000'000 + std::stoll(micros),
                           static_cast<std::uint16_t>(type), static_cast<std::uint16_t>(code),
                           static_cast<std::int32_t>(value)));
  }
  return events;
}

}  // namespace mqt::testing
