#include "app/analyze/analyze_options.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace mqt {

const char* const kAnalyzeUsage =
    "usage: mouse-quality-analyze [options] RECORDING\n"
    "Places a capture recording on a fresh sample timeline as a test would,\n"
    "analyses it and prints one JSON object.\n"
    "  --mode TEXT            operator mode (default empty; \"Expert\" runs algorithms A-D)\n"
    "  --screen-width N       screen width in pixels (default 1024)\n"
    "  --interval TEXT        the \"Interval (ms)\" field (default 8)\n"
    "  --last-position N      last timeline position (default 964)\n"
    "  --peak-threshold N     peak threshold (default 10)\n"
    "  --language NAME        active language (default English)\n"
    "Exit codes: 0 analysed (whatever the verdict), 2 bad input or options.\n";

namespace {

bool ParseInt(std::string_view text, std::int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end;
}

}  // namespace

std::int32_t SlotLengthOf(const std::string& interval_text) {
  std::int32_t value = 0;
  if (ParseInt(interval_text, value) && value > 0) return value;
  return 8;
}

std::variant<AnalyzeOptions, UsageError> ParseAnalyzeOptions(const std::vector<std::string>& args) {
  AnalyzeOptions o;
  bool have_path = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "--help" || arg == "-h") {
      o.help = true;
      return o;
    }
    if (arg.rfind("--", 0) != 0 || arg == "--") {
      if (have_path) return UsageError{"more than one recording given: " + arg};
      o.recording_path = arg;
      have_path = true;
      continue;
    }
    std::string name = arg;
    std::string value;
    const std::size_t equals = arg.find('=');
    if (equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    } else {
      if (k + 1 >= args.size()) return UsageError{name + " needs a value"};
      value = args[++k];
    }

    auto integer = [&](std::int32_t& out, std::int32_t minimum) -> std::optional<UsageError> {
      if (!ParseInt(value, out) || out < minimum) {
        return UsageError{name + " needs a whole number of at least " + std::to_string(minimum) +
                          ", not \"" + value + "\""};
      }
      return std::nullopt;
    };
    std::optional<UsageError> error;
    if (name == "--mode") {
      o.operator_mode = value;
    } else if (name == "--screen-width") {
      error = integer(o.screen_width, 1);
    } else if (name == "--interval") {
      o.interval_text = value;
    } else if (name == "--last-position") {
      error = integer(o.last_position, 1);
    } else if (name == "--peak-threshold") {
      error = integer(o.peak_threshold, std::numeric_limits<std::int32_t>::min());
    } else if (name == "--language") {
      o.language = value;
    } else {
      return UsageError{"unknown option " + name};
    }
    if (error) return *error;
  }
  if (!have_path) return UsageError{"no recording given"};
  return o;
}

}  // namespace mqt
