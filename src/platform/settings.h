#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace mqt {

// The settings key (string values under Software\Tessarin). Each access opens
// the store, reads or writes one value and closes it again; nothing keeps it
// open. An absent value, or a store that cannot be read, reads as "".
// A value that cannot be written raises SettingsWriteError, whose text tells
// the operator which value and why, as the registry's own error did.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string Read(std::string_view name) = 0;
  // Throws SettingsWriteError when the value could not be stored.
  virtual void Write(std::string_view name, std::string_view value) = 0;
};

}  // namespace mqt
