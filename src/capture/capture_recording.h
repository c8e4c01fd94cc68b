#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace mqt {

// A capture recording: the one format for recorded reports in and out of the
// program and its tools. A text file of an optional block of lines starting
// with '#', the header line "frequency,timestamp,dx,dy", then one report per
// line as four signed decimal integers.
inline constexpr std::string_view kCaptureRecordingHeader = "frequency,timestamp,dx,dy";

struct RecordedReport {
  std::int64_t frequency = 0;  // counter counts per second, positive
  std::int64_t timestamp = 0;  // counter value; may run backward
  std::int32_t dx = 0;
  std::int32_t dy = 0;

  friend bool operator==(const RecordedReport&, const RecordedReport&) = default;
};

struct CaptureRecording {
  // The '#' block, each line without its leading '#'.
  std::vector<std::string> comments;
  std::vector<RecordedReport> reports;
};

// Reads a recording from `in`; `name` is the file name errors start with.
// Returns "" on success, otherwise "<name>:<line>: <what is wrong>".
std::string ReadCaptureRecording(std::istream& in, std::string_view name, CaptureRecording& out);
// The same for a file; a file that cannot be opened is an error too.
std::string LoadCaptureRecording(const std::string& path, CaptureRecording& out);

void WriteCaptureRecording(std::ostream& out, const CaptureRecording& recording);
// Writes the file atomically (temporary file, then rename). "" on success,
// otherwise the path and the reason.
std::string SaveCaptureRecording(const std::string& path, const CaptureRecording& recording);

}  // namespace mqt
