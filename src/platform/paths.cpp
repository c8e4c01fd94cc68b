#include "platform/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace mqt {
namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return "/tmp";
}

// An XDG base folder: the variable when it holds an absolute path, otherwise
// the default below the home folder.
std::string XdgFolder(const char* variable, const char* default_below_home) {
  if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') {
    return WithSlash(value);
  }
  return WithSlash(HomeFolder()) + default_below_home + "/";
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

std::string ProgramFolder() {
  if (QCoreApplication::instance() != nullptr) {
    return WithSlash(QCoreApplication::applicationDirPath().toStdString());
  }
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithSlash(fs::current_path(ec).string());
  return WithSlash(exe.parent_path().string());
}

std::string AppConfigFolder() {
  return XdgFolder("XDG_CONFIG_HOME", ".config") + std::string(kAppFolderName) + "/";
}

std::string AppDataFolder() {
  return XdgFolder("XDG_DATA_HOME", ".local/share") + std::string(kAppFolderName) + "/";
}

HostPathRoots DefaultHostPathRoots() { return {ProgramFolder(), AppDataFolder()}; }

std::string ExpandPath(std::string_view path) { return ExpandPath(path, ProgramFolder()); }

std::string ResolveHostPath(std::string_view windows_path, const HostPathRoots& roots) {
  if (const char drive = DriveLetterOf(windows_path)) {
    std::error_code ec;  // a folder that cannot be made shows when the file is opened
    fs::create_directories(roots.drives_folder + "drive_" + drive, ec);
  }
  return MatchLetterCase(WindowsToHostPath(windows_path, roots));
}

std::string ResolveHostPath(std::string_view windows_path) {
  return ResolveHostPath(windows_path, DefaultHostPathRoots());
}

std::string MatchLetterCase(const std::string& host_path) {
  std::error_code ec;
  if (host_path.empty() || fs::exists(host_path, ec)) return host_path;
  const fs::path path(host_path);
  fs::path matched = path.root_path();
  bool matching = true;
  for (const fs::path& part : path.relative_path()) {
    if (part.empty()) continue;  // after a trailing separator
    const fs::path exact = matched / part;
    if (!matching || fs::exists(exact, ec) || part == "." || part == "..") {
      matched = exact;
      continue;
    }
    std::vector<std::string> candidates;
    for (fs::directory_iterator it(matched.empty() ? fs::path(".") : matched, ec), end;
         !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (EqualsIgnoringCase(name, part.string())) candidates.push_back(name);
    }
    if (candidates.empty()) {
      matching = false;  // the rest does not exist in any case
      matched = exact;
    } else {
      matched /= *std::min_element(candidates.begin(), candidates.end());
    }
  }
  // Keep a trailing separator as written.
  std::string result = matched.string();
  if (host_path.back() == '/' && (result.empty() || result.back() != '/')) result += '/';
  return result;
}

}  // namespace mqt
