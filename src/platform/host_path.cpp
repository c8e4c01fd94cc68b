#include "platform/host_path.h"

#include <algorithm>

namespace mqt {

char DriveLetterOf(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return 0;
  const char c = path[0];
  if (c >= 'a' && c <= 'z') return c;
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return 0;
}

std::string WindowsToHostPath(std::string_view path, const HostPathRoots& roots) {
  std::string p(path);
  std::replace(p.begin(), p.end(), '\\', '/');
  if (const char drive = DriveLetterOf(p)) {
    std::string rest = p.substr(2);
    rest.erase(0, std::min(rest.find_first_not_of('/'), rest.size()));
    return roots.drives_folder + "drive_" + drive + "/" + rest;
  }
  if (p.starts_with('/')) return p;
  if (p.starts_with("./")) p.erase(0, 2);
  return roots.program_folder + p;
}

}  // namespace mqt
