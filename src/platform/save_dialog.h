#pragma once

#include <optional>
#include <string>

namespace mqt {

// The save dialog: returns the chosen host path, or nullopt when cancelled.
class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  virtual std::optional<std::string> AskSavePath(const std::string& title,
                                                 const std::string& filter,
                                                 const std::string& default_suffix) = 0;
};

}  // namespace mqt
