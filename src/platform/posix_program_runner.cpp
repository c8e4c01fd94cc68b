#include "platform/posix_program_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/command_line.h"
#include "platform/paths.h"

extern char** environ;

namespace mqt {
namespace {

bool IsExecutableFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

PosixProgramRunner::PosixProgramRunner(HostPathRoots roots) : roots_(std::move(roots)) {}

PosixProgramRunner::PosixProgramRunner() : PosixProgramRunner(DefaultHostPathRoots()) {}

bool PosixProgramRunner::Start(const std::string& command_line, bool /*hidden*/) {
  std::vector<std::string> words = SplitCommandLine(command_line);
  if (words.empty() || words[0].empty()) return false;

  const std::string named = ResolveHostPath(words[0], roots_);
  std::string program = MatchLetterCase(HostProgramStem(named));
  if (!IsExecutableFile(program)) program = named;
  if (!IsExecutableFile(program)) return false;
  words[0] = program;

  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;

  // Nobody waits for the program; this thread only keeps it from lingering
  // as a zombie once it ends.
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
}

}  // namespace mqt
