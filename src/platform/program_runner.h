#pragma once

#include <string>

namespace mqt {

// Starts an external program without waiting for it. The command line is in
// the system's own Windows form (".\Tool\GetList.bat", quoted arguments);
// the implementation resolves it to the host executable.
class ProgramRunner {
 public:
  virtual ~ProgramRunner() = default;
  // False when the program could not be started.
  virtual bool Start(const std::string& command_line, bool hidden) = 0;
};

}  // namespace mqt
