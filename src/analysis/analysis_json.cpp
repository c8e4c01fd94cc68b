#include "analysis/analysis_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/real_text.h"

namespace mqt {
namespace {

// Shortest text that reads back as the same double; a widened float reads
// back as the same float too.
std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonStrings(const std::vector<std::string>& lines) {
  std::string out = "[";
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (k > 0) out += ',';
    out += JsonString(lines[k]);
  }
  out += ']';
  return out;
}

class ObjectWriter {
 public:
  explicit ObjectWriter(std::string& out) : out_(out) { out_ += "{\n"; }
  void Member(const char* name, const std::string& json) {
    if (!first_) out_ += ",\n";
    first_ = false;
    out_ += "  \"";
    out_ += name;
    out_ += "\": ";
    out_ += json;
  }
  void Close() { out_ += "\n}\n"; }

 private:
  std::string& out_;
  bool first_ = true;
};

std::string TimelineJson(const SampleTimeline& timeline) {
  const std::int32_t count =
      std::clamp<std::int32_t>(timeline.sample_count, 0, SampleTimeline::kEntries);
  std::string out = "[";
  for (std::int32_t i = 0; i < count; ++i) {
    const SampleSlot& e = timeline.entries[static_cast<std::size_t>(i)];
    out += i > 0 ? ",\n    " : "\n    ";
    out += "{\"valid\": " + DecimalText(e.valid) + ", \"dx\": " + DecimalText(e.dx) +
           ", \"dy\": " + DecimalText(e.dy) + ", \"interval_ms\": " + DecimalText(e.interval_ms) +
           ", \"elapsed_ms\": " + DecimalText(e.elapsed_ms) + "}";
  }
  out += count > 0 ? "\n  ]" : "]";
  return out;
}

std::string AlgorithmsJson(const std::array<AlgorithmOutput, 4>& algorithms) {
  static constexpr const char* kNames[] = {"A", "B", "C", "D"};
  std::string out = "{";
  for (std::size_t k = 0; k < algorithms.size(); ++k) {
    const AlgorithmOutput& a = algorithms[k];
    if (k > 0) out += ',';
    out += "\n    \"";
    out += kNames[k];
    out += "\": {\"d_label\": " + JsonString(a.d_label) +
           ", \"score_label\": " + JsonString(a.score_label) +
           ", \"memo\": " + JsonStrings(a.memo) + "}";
  }
  out += "\n  }";
  return out;
}

}  // namespace

std::string JsonString(const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 15];
        } else {
          out += ch;  // UTF-8 passes through
        }
    }
  }
  out += '"';
  return out;
}

std::string AnalysisJson(const SampleTimeline& timeline,
                         const std::vector<std::string>& interval_lines,
                         const AnalysisResult& result) {
  const bool ran = result.verdict != Verdict::NotRun;
  const ScoreResult* score = result.score ? &*result.score : nullptr;
  const std::string null = "null";

  std::string out;
  ObjectWriter w(out);
  w.Member("sample_count", DecimalText(timeline.sample_count));
  w.Member("timeline", TimelineJson(timeline));
  w.Member("interval_lines", JsonStrings(interval_lines));
  w.Member("axis_log", JsonStrings(result.axis_log));
  w.Member("verdict", JsonString(VerdictName(result.verdict)));
  w.Member("continuity", ran ? (result.continuity ? "true" : "false") : null);
  w.Member("reversal_count", ran ? DecimalText(result.reversal_count) : null);
  w.Member("peak_count", ran ? DecimalText(result.peak_count) : null);
  w.Member("shortest_interval", ran ? DecimalText(result.shortest_interval) : null);
  w.Member("deviation_sum", ran ? JsonNumber(result.deviation_sum) : null);
  w.Member("d_value", score ? JsonNumber(score->d_value) : null);
  w.Member("difference_value", score ? JsonNumber(score->difference_value) : null);
  w.Member("score", score ? DecimalText(score->score) : null);
  w.Member("score_caption", score ? JsonString(score->score_caption) : null);
  w.Member("grade", score ? JsonString(score->grade) : null);
  w.Member("advice_key", score ? JsonString(score->advice_key) : null);
  w.Member("advice_font_size", score ? DecimalText(score->advice_font_size) : null);
  w.Member("difference_caption", score ? JsonString(score->difference_caption) : null);
  w.Member("algorithms", result.algorithms ? AlgorithmsJson(*result.algorithms) : null);
  w.Member("summary_line", score && score->summary_line ? JsonString(*score->summary_line) : null);
  w.Close();
  return out;
}

}  // namespace mqt
