// mouse-quality-analyze against the analysis as the station runs it: the same
// recording placed record by record as a test places it, analysed with the
// same parameters, must give the same JSON values.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "analysis/analysis_run.h"
#include "capture/capture_recording.h"
#include "capture/record_placement.h"
#include "capture/sample_timeline.h"

namespace mqt {
namespace {

const std::string kAnalyzer = std::string(MQT_BIN_DIR) + "/mouse-quality-analyze";
const std::string kFixtures = std::string(MQT_FIXTURES_DIR) + "/analysis/";

struct AnalyzerRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

AnalyzerRun Analyze(const std::vector<std::string>& args) {
  // Tests run in parallel processes: each run gets its own file for stderr.
  std::string err_path = ::testing::TempDir() + "analyzer_stderr_XXXXXX";
  const int fd = mkstemp(err_path.data());
  if (fd < 0) return {};
  close(fd);
  std::string command = Quoted(kAnalyzer);
  for (const std::string& a : args) command += " " + Quoted(a);
  command += " 2>" + Quoted(err_path);
  AnalyzerRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[65536];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  {
    std::ifstream err(err_path);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  }
  std::remove(err_path.c_str());
  return run;
}

// What the station's window path works on: the recording's reports handed to
// record placement one by one until the timeline is full, then the analysis.
struct StationRun {
  std::unique_ptr<SampleTimeline> timeline = std::make_unique<SampleTimeline>();
  std::vector<std::string> interval_lines;
  AnalysisResult result;
};

class LineSink : public PlacementSink {
 public:
  explicit LineSink(std::string mode) : mode_(std::move(mode)) {}
  void AddIntervalLine(std::string_view line) override { lines.emplace_back(line); }
  void CloseBanner() override {}
  bool RealtimeDisplay() override { return true; }
  void DrawRealtimeStrokes(int, int, int) override {}
  void SetGaugePosition(int) override {}
  std::string OperatorMode() override { return mode_; }
  std::vector<std::string> lines;

 private:
  std::string mode_;
};

StationRun RunAsStation(const std::string& path, const AnalysisParams& params,
                        const PlacementSettings& settings) {
  StationRun s;
  CaptureRecording recording;
  EXPECT_EQ(LoadCaptureRecording(path, recording), "");
  s.timeline->Reset();
  SlotCarry carry;
  LineSink sink(params.operator_mode);
  RecordPlacement placement(*s.timeline, carry, sink, settings);
  for (const RecordedReport& r : recording.reports) {
    if (placement.TimelineFull()) break;
    placement.Place(CaptureRecord{r.frequency, r.timestamp, "", r.dx, r.dy});
  }
  s.interval_lines = sink.lines;
  s.result = RunAnalysis(*s.timeline, params);
  return s;
}

std::vector<std::string> Strings(const QJsonValue& v) {
  std::vector<std::string> out;
  for (const QJsonValue& e : v.toArray()) out.push_back(e.toString().toStdString());
  return out;
}

std::string Text(const QJsonValue& v) { return v.toString().toStdString(); }

void ExpectSame(const QJsonObject& json, const StationRun& s) {
  const AnalysisResult& r = s.result;
  EXPECT_EQ(Text(json["verdict"]), VerdictName(r.verdict));
  EXPECT_EQ(json["sample_count"].toInt(), s.timeline->sample_count);
  const QJsonArray timeline = json["timeline"].toArray();
  ASSERT_EQ(timeline.size(), s.timeline->sample_count);
  for (int i = 0; i < timeline.size(); ++i) {
    const QJsonObject e = timeline[i].toObject();
    const SampleSlot& slot = s.timeline->entries[static_cast<std::size_t>(i)];
    ASSERT_EQ(e["valid"].toInt(), slot.valid) << i;
    if (slot.valid == 0) continue;
    ASSERT_EQ(e["dx"].toInt(), slot.dx) << i;
    ASSERT_EQ(e["dy"].toInt(), slot.dy) << i;
    ASSERT_EQ(e["interval_ms"].toInt(), slot.interval_ms) << i;
    ASSERT_EQ(e["elapsed_ms"].toInt(), slot.elapsed_ms) << i;
  }
  EXPECT_EQ(Strings(json["interval_lines"]), s.interval_lines);
  EXPECT_EQ(Strings(json["axis_log"]), r.axis_log);
  if (r.verdict == Verdict::NotRun) {
    EXPECT_TRUE(json["deviation_sum"].isNull());
    EXPECT_TRUE(json["continuity"].isNull());
  } else {
    EXPECT_EQ(static_cast<float>(json["deviation_sum"].toDouble()), r.deviation_sum);
    EXPECT_EQ(json["deviation_sum"].toDouble(), static_cast<double>(r.deviation_sum));
    EXPECT_EQ(json["continuity"].toBool(), r.continuity);
    EXPECT_EQ(json["reversal_count"].toInt(), r.reversal_count);
    EXPECT_EQ(json["peak_count"].toInt(), r.peak_count);
    EXPECT_EQ(json["shortest_interval"].toInt(), r.shortest_interval);
  }
  if (r.score) {
    EXPECT_EQ(json["d_value"].toDouble(), r.score->d_value);
    EXPECT_EQ(json["difference_value"].toDouble(), static_cast<double>(r.score->difference_value));
    EXPECT_EQ(json["score"].toInt(), r.score->score);
    EXPECT_EQ(Text(json["score_caption"]), r.score->score_caption);
    EXPECT_EQ(Text(json["grade"]), r.score->grade);
    EXPECT_EQ(Text(json["advice_key"]), r.score->advice_key);
    EXPECT_EQ(json["advice_font_size"].toInt(), r.score->advice_font_size);
    EXPECT_EQ(Text(json["difference_caption"]), r.score->difference_caption);
    if (r.score->summary_line) {
      EXPECT_EQ(Text(json["summary_line"]), *r.score->summary_line);
    } else {
      EXPECT_TRUE(json["summary_line"].isNull());
    }
  } else {
    for (const char* name :
         {"d_value", "difference_value", "score", "score_caption", "grade", "advice_key",
          "advice_font_size", "difference_caption", "summary_line"}) {
      EXPECT_TRUE(json[name].isNull()) << name;
    }
  }
  if (r.algorithms) {
    const QJsonObject algorithms = json["algorithms"].toObject();
    const char* names[] = {"A", "B", "C", "D"};
    for (int k = 0; k < 4; ++k) {
      const QJsonObject a = algorithms[names[k]].toObject();
      EXPECT_EQ(Text(a["d_label"]), (*r.algorithms)[k].d_label) << names[k];
      EXPECT_EQ(Text(a["score_label"]), (*r.algorithms)[k].score_label) << names[k];
      EXPECT_EQ(Strings(a["memo"]), (*r.algorithms)[k].memo) << names[k];
    }
  } else {
    EXPECT_TRUE(json["algorithms"].isNull());
  }
}

QJsonObject Parse(const AnalyzerRun& run) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_TRUE(doc.isObject());
  return doc.object();
}

TEST(Analyzer, SimulatedMiceGiveTheSameResultAsTheStation) {
  struct Case {
    const char* file;
    std::vector<std::string> args;
    const char* verdict;
    int min_score;
    int max_score;
  };
  const Case cases[] = {
      {"smooth-sensor.csv", {}, "scored", 90, 98},
      {"jittery-sensor.csv", {}, "scored", 0, 59},
      {"too-slow.csv", {}, "MsgTooSlow", 0, 0},
      {"few-peaks.csv", {}, "MsgFewPeak", 0, 0},
      {"gap.csv", {}, "MsgFailScore", 0, 0},
      // Expert mode scores the slow test too, and fills the console.
      {"too-slow.csv", {"--mode", "Expert"}, "scored", 0, 98},
      {"smooth-sensor.csv", {"--mode=Expert", "--language", "German"}, "scored", 90, 98},
      {"smooth-sensor.csv", {"--screen-width", "800"}, "scored", 90, 98},
      {"smooth-sensor.csv", {"--interval", "08"}, "not_run", 0, 0},
      {"smooth-sensor.csv", {"--interval", "16"}, "not_run", 0, 0},
      {"smooth-sensor.csv", {"--last-position", "700"}, "MsgFailScore", 0, 0},
      {"smooth-sensor.csv", {"--peak-threshold", "40"}, "MsgTooSlow", 0, 0},
  };
  for (const Case& c : cases) {
    std::string name = c.file;
    for (const std::string& a : c.args) name += " " + a;
    SCOPED_TRACE(name);

    std::vector<std::string> args = c.args;
    args.push_back(kFixtures + c.file);
    const AnalyzerRun run = Analyze(args);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonObject json = Parse(run);
    EXPECT_EQ(Text(json["verdict"]), c.verdict);
    if (json["score"].isDouble()) {
      EXPECT_GE(json["score"].toInt(), c.min_score);
      EXPECT_LE(json["score"].toInt(), c.max_score);
    }

    // The same settings as the station's window would take from its controls.
    AnalysisParams params;
    PlacementSettings settings;
    settings.last_position = 964;
    for (std::size_t k = 0; k < c.args.size(); ++k) {
      const std::string& a = c.args[k];
      const std::string next = k + 1 < c.args.size() ? c.args[k + 1] : "";
      if (a == "--mode" || a == "--mode=Expert") params.operator_mode = "Expert";
      if (a == "--language") params.active_language = next;
      if (a == "--screen-width") params.screen_width = std::stoi(next);
      if (a == "--interval") {
        params.interval_text = next;
        settings.slot_length = std::stoi(next);
      }
      if (a == "--last-position") settings.last_position = std::stoi(next);
      if (a == "--peak-threshold") params.peak_threshold = std::stoi(next);
    }
    ExpectSame(json, RunAsStation(kFixtures + c.file, params, settings));
  }
}

TEST(Analyzer, BadInputNamesFileAndLineAndExitsWith2) {
  std::string dir = ::testing::TempDir() + "analyzer_XXXXXX";
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  dir += "/";
  struct Case {
    const char* name;
    const char* content;  // nullptr: the file does not exist
    const char* where;    // expected in the one error line
  };
  const Case cases[] = {
      {"missing.csv", nullptr, "missing.csv"},
      {"bad-header.csv", "# a comment\nfrequency,timestamp,dx\n1000,1,2,3\n", "bad-header.csv:2:"},
      {"not-four.csv", "frequency,timestamp,dx,dy\n1000,1,2,3\n1000,2,3\n", "not-four.csv:3:"},
      {"not-integer.csv", "frequency,timestamp,dx,dy\n1000,1,2,x\n", "not-integer.csv:2:"},
      {"zero-frequency.csv", "frequency,timestamp,dx,dy\n1000,1,2,3\n0,2,3,4\n",
       "zero-frequency.csv:3:"},
      {"negative-frequency.csv", "frequency,timestamp,dx,dy\n-5,1,2,3\n",
       "negative-frequency.csv:2:"},
      {"empty.csv", "", "empty.csv:1:"},
  };
  for (const Case& c : cases) {
    const std::string path = dir + c.name;
    std::remove(path.c_str());
    if (c.content != nullptr) std::ofstream(path) << c.content;
    const AnalyzerRun run = Analyze({path});
    EXPECT_EQ(run.exit_code, 2) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_NE(run.err.find(c.where), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    std::remove(path.c_str());
  }
  rmdir(dir.c_str());
}

TEST(Analyzer, BadOptionsExitWith2) {
  const std::string file = kFixtures + "smooth-sensor.csv";
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--unknown", "1", file},
      {"--screen-width", "wide", file},
      {"--screen-width", "0", file},
      {"--last-position", "-3", file},
      {"--peak-threshold", "ten", file},
      {file, file},
      {file, "--mode"},
  };
  for (const auto& args : cases) {
    const AnalyzerRun run = Analyze(args);
    EXPECT_EQ(run.exit_code, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  const AnalyzerRun help = Analyze({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("--peak-threshold"), std::string::npos);
}

}  // namespace
}  // namespace mqt
