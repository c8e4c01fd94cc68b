#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mqt {

// The files the device steps read and edit: the device list file and the
// filter INF files. Paths are in the system's own form ("c:\DevList.txt", an
// expanded ".\Driver\MFilter.inf"); the implementation maps them to the host.
class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual bool Exists(const std::string& path) = 0;
  // All lines without their line ends; nullopt when the file cannot be read.
  virtual std::optional<std::vector<std::string>> ReadLines(const std::string& path) = 0;
  // Replaces the file as a whole: a reader sees the old or the new lines,
  // never a part. False when the file could not be written.
  virtual bool WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
};

}  // namespace mqt
