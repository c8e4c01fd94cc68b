#pragma once

#include "devices/file_store.h"
#include "devices/retry_clock.h"

namespace mqt {

// The device steps' files on the host: system paths mapped by ResolveHostPath,
// whole-file replacement by WriteTextFileAtomically.
class HostFileStore : public FileStore {
 public:
  bool Exists(const std::string& path) override;
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override;
  bool WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
};

// The monotonic clock; Sleep blocks the calling thread.
class SteadyRetryClock : public RetryClock {
 public:
  std::chrono::milliseconds Now() override;
  void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace mqt
