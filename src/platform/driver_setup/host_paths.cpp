#include "platform/driver_setup/host_paths.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace mqt {
namespace {

constexpr std::string_view kAppFolder = "mouse-quality-test";

std::filesystem::path HomeFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::filesystem::path(home)
                                          : std::filesystem::temp_directory_path();
}

// An XDG base folder: the variable when it holds an absolute path, else the default.
std::filesystem::path XdgFolder(const char* variable, const char* default_below_home) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return std::filesystem::path(value);
  return HomeFolder() / default_below_home;
}

std::string WithForwardSlashes(std::string_view path) {
  std::string result(path);
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

}  // namespace

std::filesystem::path UserConfigFolder() {
  return XdgFolder("XDG_CONFIG_HOME", ".config") / kAppFolder;
}

std::filesystem::path UserDataFolder() {
  return XdgFolder("XDG_DATA_HOME", ".local/share") / kAppFolder;
}

std::filesystem::path DriveCFolder() {
  std::filesystem::path folder = UserDataFolder() / "drive_c";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : exe.parent_path();
}

std::filesystem::path ToHostPath(std::string_view system_path) {
  const bool drive_c = system_path.size() >= 3 &&
                       (system_path[0] == 'c' || system_path[0] == 'C') && system_path[1] == ':' &&
                       (system_path[2] == '\\' || system_path[2] == '/');
  if (drive_c) return DriveCFolder() / WithForwardSlashes(system_path.substr(3));
  const bool program_relative = system_path.size() >= 2 && system_path[0] == '.' &&
                                (system_path[1] == '\\' || system_path[1] == '/');
  if (program_relative) return ProgramFolder() / WithForwardSlashes(system_path.substr(2));
  return std::filesystem::path(WithForwardSlashes(system_path));
}

}  // namespace mqt
