#pragma once

#include <string>
#include <vector>

namespace mqt {

// Creates or replaces `host_path` with every line ended by CR LF, as 8-bit
// text without a byte-order mark. Returns "" on success, otherwise the
// reason, for the operator.
std::string SaveDumpList(const std::vector<std::string>& lines, const std::string& host_path);

// Where a dump list ended up.
struct DumpSaveResult {
  // The path written, "" when none could be.
  std::string written_path;
  // One "path: reason" per path that could not be written, in order tried.
  std::vector<std::string> failures;
};

// Tries `host_paths` in order until one is written, so the lines are not lost
// when the first place cannot be written.
DumpSaveResult SaveDumpListSomewhere(const std::vector<std::string>& lines,
                                     const std::vector<std::string>& host_paths);

}  // namespace mqt
