#include "platform/driver_setup/host_file_store.h"

#include <filesystem>
#include <system_error>
#include <thread>

#include "platform/driver_setup/text_file.h"
#include "platform/paths.h"

namespace mqt {

bool HostFileStore::Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(ResolveHostPath(path)), error);
}

std::optional<std::vector<std::string>> HostFileStore::ReadLines(const std::string& path) {
  return ReadTextLines(std::filesystem::path(ResolveHostPath(path)));
}

bool HostFileStore::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteTextFileAtomically(std::filesystem::path(ResolveHostPath(path)), lines);
}

std::chrono::milliseconds SteadyRetryClock::Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyRetryClock::Sleep(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

}  // namespace mqt
