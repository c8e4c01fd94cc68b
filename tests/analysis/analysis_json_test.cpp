#include "analysis/analysis_json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "timeline_builder.h"

namespace mqt {
namespace {

using testing::TimelineBuilder;

// The text of a top-level member's value, up to the end of its line.
std::string Member(const std::string& json, const std::string& name) {
  const std::string key = "\n  \"" + name + "\": ";
  const std::size_t at = json.find(key);
  if (at == std::string::npos) return "<missing>";
  const std::size_t begin = at + key.size();
  std::size_t end = json.find('\n', begin);
  if (json[end - 1] == ',') --end;
  return json.substr(begin, end - begin);
}

constexpr const char* kMembers[] = {
    "sample_count",   "timeline",         "interval_lines",
    "axis_log",       "verdict",          "continuity",
    "reversal_count", "peak_count",       "shortest_interval",
    "deviation_sum",  "d_value",          "difference_value",
    "score",          "score_caption",    "grade",
    "advice_key",     "advice_font_size", "difference_caption",
    "algorithms",     "summary_line",
};

TEST(AnalysisJson, NotRunLeavesTheMeasuresNull) {
  TimelineBuilder b;
  b.Still(0, 2);
  AnalysisParams p;
  p.interval_text = "08";
  const std::string json = AnalysisJson(b.timeline(), {"8", "9"}, RunAnalysis(b.timeline(), p));
  for (const char* name : kMembers) EXPECT_NE(Member(json, name), "<missing>") << name;
  EXPECT_EQ(Member(json, "sample_count"), "3");
  EXPECT_EQ(Member(json, "interval_lines"), "[\"8\",\"9\"]");
  EXPECT_EQ(Member(json, "axis_log"), "[]");
  EXPECT_EQ(Member(json, "verdict"), "\"not_run\"");
  for (const char* name : {"continuity", "deviation_sum", "score", "grade", "algorithms",
                           "summary_line", "shortest_interval"}) {
    EXPECT_EQ(Member(json, name), "null") << name;
  }
  EXPECT_NE(
      json.find("{\"valid\": 1, \"dx\": 0, \"dy\": 0, \"interval_ms\": 8, \"elapsed_ms\": 16}"),
      std::string::npos);
}

TEST(AnalysisJson, FloatsReadBackExactly) {
  TimelineBuilder b;
  b.Still(0, 963).Dx(300, 10).Dx(301, 12).Dx(302, 10).Empty(500, 506);
  AnalysisParams p;
  p.operator_mode = "Expert";
  const AnalysisResult r = RunAnalysis(b.timeline(), p);
  ASSERT_TRUE(r.score.has_value());
  const std::string json = AnalysisJson(b.timeline(), {}, r);
  const std::string sum = Member(json, "deviation_sum");
  EXPECT_EQ(static_cast<float>(std::strtod(sum.c_str(), nullptr)), r.deviation_sum) << sum;
  EXPECT_EQ(std::strtod(sum.c_str(), nullptr), static_cast<double>(r.deviation_sum)) << sum;
  const std::string diff = Member(json, "difference_value");
  EXPECT_EQ(std::strtod(diff.c_str(), nullptr), static_cast<double>(r.score->difference_value));
  const std::string d = Member(json, "d_value");
  EXPECT_EQ(std::strtod(d.c_str(), nullptr), r.score->d_value);
  EXPECT_EQ(Member(json, "verdict"), "\"scored\"");
  EXPECT_EQ(Member(json, "grade"), "\"       A++\"");
  // D's sum of 0.2 and seven penalties lands just below 4.4 as a float.
  EXPECT_EQ(Member(json, "summary_line"), "\"17.7\\t1.76\\t1.76\\t1.76\\t17.6\"");
}

TEST(AnalysisJson, EscapesControlCharacters) {
  EXPECT_EQ(JsonString("X=3\tY=-1"), "\"X=3\\tY=-1\"");
  EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
  EXPECT_EQ(JsonString("\xe4\xb8\xad"), "\"\xe4\xb8\xad\"");
}

}  // namespace
}  // namespace mqt
