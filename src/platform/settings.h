#pragma once

#include <string>
#include <string_view>

namespace mqt {

// The settings key (string values under Software\Tessarin). Each access opens
// the store, reads or writes one value and closes it again; nothing keeps it
// open. An absent value, or a store that cannot be read, reads as "".
class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string Read(std::string_view name) = 0;
  virtual void Write(std::string_view name, std::string_view value) = 0;
};

}  // namespace mqt
