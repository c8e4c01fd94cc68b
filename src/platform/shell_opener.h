#pragma once

#include <string>

namespace mqt {

// The shell's "open" verb: a document path or a web address.
class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual bool Open(const std::string& document_or_url) = 0;
};

}  // namespace mqt
