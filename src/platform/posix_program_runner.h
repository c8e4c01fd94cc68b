#pragma once

#include <string>

#include "platform/host_path.h"
#include "platform/program_runner.h"

namespace mqt {

// Starts programs with posix_spawn and does not wait for them. The first word
// of the command line is a Windows path resolved with ResolveHostPath; a
// ".bat"/".exe" name runs the host executable of the same stem beside it
// (".\Tool\GetList.bat" runs Tool/GetList). The other words are passed on
// unchanged: our tools resolve the Windows paths they are given themselves.
// The hidden flag has no meaning here (our tools open no console window).
// Standard input is /dev/null; a reaper thread collects each child's exit.
class PosixProgramRunner : public ProgramRunner {
 public:
  explicit PosixProgramRunner(HostPathRoots roots);
  PosixProgramRunner();  // the roots of this run

  // False when the command line is empty or the program cannot be found or
  // started.
  bool Start(const std::string& command_line, bool hidden) override;

 private:
  HostPathRoots roots_;
};

}  // namespace mqt
