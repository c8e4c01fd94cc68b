#include "platform/driver_setup/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>

namespace mqt {
namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    line.clear();
  }
  if (in.bad()) return std::nullopt;
  return lines;
}

bool WriteTextFileAtomically(const std::filesystem::path& path,
                             const std::vector<std::string>& lines) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);

  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += '\n';
  }

  std::string temp = path.string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  // mkstemp creates the file for the owner only: a replaced file keeps its
  // mode, a new one gets the usual rw-r--r--.
  const std::filesystem::file_status old_status = std::filesystem::status(path, error);
  const auto mode = std::filesystem::exists(old_status)
                        ? static_cast<mode_t>(old_status.permissions())
                        : static_cast<mode_t>(0644);
  ::fchmod(fd, mode);
  const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace mqt
