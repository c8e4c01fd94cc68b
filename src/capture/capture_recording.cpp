#include "capture/capture_recording.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>

namespace mqt {
namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Located(std::string_view name, int line, const std::string& what) {
  return std::string(name) + ":" + std::to_string(line) + ": " + what;
}

// One signed decimal field; "" when it parsed, otherwise what is wrong with it.
template <typename T>
std::string ParseField(std::string_view text, const char* field, T& value) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec == std::errc::result_out_of_range) return std::string(field) + " is out of range";
  if (text.empty() || ec != std::errc() || ptr != end)
    return std::string(field) + " is not a signed decimal integer: \"" + std::string(text) + "\"";
  return {};
}

std::string ParseReport(std::string_view line, RecordedReport& report) {
  std::string_view fields[4];
  std::size_t count = 0;
  for (;;) {
    const std::size_t comma = line.find(',');
    if (count < 4) fields[count] = line.substr(0, comma);
    ++count;
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  if (count != 4) return "expected 4 fields, found " + std::to_string(count);
  std::string error = ParseField(fields[0], "frequency", report.frequency);
  if (error.empty()) error = ParseField(fields[1], "timestamp", report.timestamp);
  if (error.empty()) error = ParseField(fields[2], "dx", report.dx);
  if (error.empty()) error = ParseField(fields[3], "dy", report.dy);
  if (error.empty() && report.frequency <= 0) error = "frequency must be positive";
  return error;
}

}  // namespace

std::string ReadCaptureRecording(std::istream& in, std::string_view name, CaptureRecording& out) {
  CaptureRecording recording;
  std::string line;
  int number = 0;
  bool header_seen = false;
  while (std::getline(in, line)) {
    ++number;
    const std::string_view text = Trim(line);
    if (!header_seen) {
      if (!text.empty() && text.front() == '#') {
        recording.comments.emplace_back(std::string_view(line).substr(line.find('#') + 1));
        if (!recording.comments.back().empty() && recording.comments.back().back() == '\r')
          recording.comments.back().pop_back();
        continue;
      }
      if (text != kCaptureRecordingHeader)
        return Located(name, number,
                       "expected the header \"" + std::string(kCaptureRecordingHeader) + "\"");
      header_seen = true;
      continue;
    }
    // Blank lines carry no report; they are allowed, for instance at the end.
    if (text.empty()) continue;
    if (text.front() == '#') return Located(name, number, "comment lines belong before the header");
    RecordedReport report;
    const std::string error = ParseReport(text, report);
    if (!error.empty()) return Located(name, number, error);
    recording.reports.push_back(report);
  }
  if (in.bad()) return Located(name, number + 1, "read error");
  if (!header_seen)
    return Located(name, number + 1,
                   "missing the header \"" + std::string(kCaptureRecordingHeader) + "\"");
  out = std::move(recording);
  return {};
}

std::string LoadCaptureRecording(const std::string& path, CaptureRecording& out) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return path + ": cannot be opened: " + std::strerror(errno);
  return ReadCaptureRecording(file, path, out);
}

void WriteCaptureRecording(std::ostream& out, const CaptureRecording& recording) {
  for (const std::string& comment : recording.comments) {
    // A comment must stay one line, or the reader would take the rest as data.
    std::string_view rest = comment;
    for (;;) {
      const std::size_t newline = rest.find('\n');
      out << '#' << rest.substr(0, newline) << '\n';
      if (newline == std::string_view::npos) break;
      rest.remove_prefix(newline + 1);
    }
  }
  out << kCaptureRecordingHeader << '\n';
  for (const RecordedReport& r : recording.reports)
    out << r.frequency << ',' << r.timestamp << ',' << r.dx << ',' << r.dy << '\n';
}

std::string SaveCaptureRecording(const std::string& path, const CaptureRecording& recording) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return path + ": cannot be written: " + std::strerror(errno);
    WriteCaptureRecording(file, recording);
    file.flush();
    if (!file) {
      std::remove(temporary.c_str());
      return path + ": cannot be written";
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    std::remove(temporary.c_str());
    return path + ": cannot be written: " + reason;
  }
  return {};
}

}  // namespace mqt
