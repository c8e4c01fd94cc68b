#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace mqt {

// The command line of mouse-quality-analyze.
struct AnalyzeOptions {
  std::string recording_path;
  std::string operator_mode;         // --mode
  std::int32_t screen_width = 1024;  // --screen-width
  std::string interval_text = "8";   // --interval: le_Interval's text
  std::int32_t last_position = 964;  // --last-position: a wave image of 1014 pixels
  std::int32_t peak_threshold = 10;  // --peak-threshold
  std::string language = "English";  // --language
  bool help = false;
};

// The slot length placement uses: the interval text when it is a positive
// whole number ("08" too, as the station's field reads it), otherwise 8. An
// analysis then reports not_run for any text but "8".
std::int32_t SlotLengthOf(const std::string& interval_text);

struct UsageError {
  std::string message;
};

// Options as `--name VALUE` or `--name=VALUE`, and exactly one recording.
std::variant<AnalyzeOptions, UsageError> ParseAnalyzeOptions(const std::vector<std::string>& args);

extern const char* const kAnalyzeUsage;

}  // namespace mqt
