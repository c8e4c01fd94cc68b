#include "capture/dump_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace mqt {

std::string SaveDumpList(const std::vector<std::string>& lines, const std::string& host_path) {
  errno = 0;
  std::FILE* file = std::fopen(host_path.c_str(), "wb");
  if (file == nullptr) return errno != 0 ? std::strerror(errno) : "cannot be created";
  bool ok = true;
  for (const std::string& line : lines) {
    ok = std::fwrite(line.data(), 1, line.size(), file) == line.size() &&
         std::fwrite("\r\n", 1, 2, file) == 2;
    if (!ok) break;
  }
  const int write_errno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!ok) return write_errno != 0 ? std::strerror(write_errno) : "write failed";
  if (!closed) return std::strerror(errno);
  return {};
}

DumpSaveResult SaveDumpListSomewhere(const std::vector<std::string>& lines,
                                     const std::vector<std::string>& host_paths) {
  DumpSaveResult result;
  for (const std::string& path : host_paths) {
    const std::string error = SaveDumpList(lines, path);
    if (error.empty()) {
      result.written_path = path;
      return result;
    }
    result.failures.push_back(path + ": " + error);
  }
  return result;
}

}  // namespace mqt
