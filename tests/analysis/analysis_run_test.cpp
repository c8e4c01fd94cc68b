#include "analysis/analysis_run.h"

#include <gtest/gtest.h>

#include "analysis/real_text.h"
#include "timeline_builder.h"

namespace mqt {
namespace {

using testing::TimelineBuilder;

// A test the station would record: still before the range, 40 half-swings of
// 30 counts across entries 161..960, still to the last position. Flat
// half-swings give no deviation, so S is exactly the base offset.
TimelineBuilder GoodTest(int amplitude = 30, int interval_ms = 8) {
  TimelineBuilder b;
  b.Still(0, 160, interval_ms);
  b.Swings(161, 40, 20, amplitude, interval_ms);
  b.Still(961, 963, interval_ms);
  return b;
}

AnalysisParams Params(std::string mode = "", int screen_width = 1024) {
  AnalysisParams p;
  p.operator_mode = std::move(mode);
  p.screen_width = screen_width;
  return p;
}

TEST(AnalysisRun, RunsOnlyForAnIntervalOfExactly8) {
  const TimelineBuilder b = GoodTest();
  for (const char* text : {"08", "8 ", " 8", "", "16", "8.0"}) {
    for (const char* mode : {"", "Expert"}) {
      AnalysisParams p = Params(mode);
      p.interval_text = text;
      const AnalysisResult r = RunAnalysis(b.timeline(), p);
      EXPECT_EQ(r.verdict, Verdict::NotRun) << "'" << text << "' " << mode;
      EXPECT_TRUE(r.axis_log.empty());
      EXPECT_FALSE(r.enable_zoom);
      EXPECT_FALSE(r.algorithms.has_value());
      EXPECT_FALSE(r.score.has_value());
      EXPECT_EQ(VerdictMessageKey(r.verdict), nullptr);
    }
  }
}

TEST(AnalysisRun, SmoothSwingsScore98) {
  const AnalysisResult r = RunAnalysis(GoodTest().timeline(), Params());
  ASSERT_EQ(r.verdict, Verdict::Scored);
  EXPECT_TRUE(r.continuity);
  EXPECT_EQ(r.reversal_count, 39);
  EXPECT_EQ(r.peak_count, 39);
  EXPECT_EQ(r.shortest_interval, 8);
  EXPECT_EQ(r.deviation_sum, 30.0f);
  EXPECT_FALSE(r.algorithms.has_value());
  EXPECT_FALSE(r.enable_zoom);  // the scoring step enables zoom
  ASSERT_TRUE(r.score.has_value());
  EXPECT_EQ(r.score->score, 98);
  EXPECT_EQ(r.score->grade, "       A++");
  EXPECT_EQ(r.score->difference_caption, "15.5");
  EXPECT_EQ(r.axis_log.size(), 964u + 3u);
}

TEST(AnalysisRun, AxisLog) {
  TimelineBuilder b = GoodTest();
  b.Entry(0) = {1, 3, -1, 0, 0, 0, 0};
  b.Entry(1).dy = 17;
  b.Entry(2).dy = -22;
  b.Empty(5, 5);
  b.Dx(800, 42);
  b.Dx(801, -35);
  const AnalysisResult r = RunAnalysis(b.timeline(), Params());
  ASSERT_EQ(r.axis_log.size(), 967u);
  EXPECT_EQ(r.axis_log[0], "X=3\tY=-1\tT=0ms\t1");
  EXPECT_EQ(r.axis_log[1], "X=0\tY=17\tT=8ms\t2");
  EXPECT_EQ(r.axis_log[5], "NAK");
  EXPECT_EQ(r.axis_log[963], "X=0\tY=0\tT=8ms\t964");
  EXPECT_EQ(r.axis_log[964], "");
  EXPECT_EQ(r.axis_log[965], "-35 < AxisX < 42");
  EXPECT_EQ(r.axis_log[966], "-22 < AxisY < 17");
}

TEST(AnalysisRun, AxisRangesStartAtZero) {
  TimelineBuilder b;
  b.Records(0, 963, [](int i) { return 5 + i % 3; });
  const AnalysisResult r = RunAnalysis(b.timeline(), Params("Expert"));
  EXPECT_EQ(r.axis_log[965], "0 < AxisX < 7");
  EXPECT_EQ(r.axis_log[966], "0 < AxisY < 0");
}

TEST(AnalysisRun, Continuity) {
  struct Case {
    const char* name;
    std::function<void(TimelineBuilder&)> edit;
    int screen_width;
    bool continuity;
  };
  const Case cases[] = {
      {"records at 170 and 180, nothing between",
       [](TimelineBuilder& b) { b.Empty(161, 169).Empty(171, 179); }, 1024, true},
      {"records at 170 and 181", [](TimelineBuilder& b) { b.Empty(161, 169).Empty(171, 180); },
       1024, false},
      {"first record at 170", [](TimelineBuilder& b) { b.Empty(161, 169); }, 1024, true},
      {"first record at 171", [](TimelineBuilder& b) { b.Empty(161, 170); }, 1024, false},
      {"gap of 11 before the range does not count", [](TimelineBuilder& b) { b.Empty(100, 160); },
       1024, true},
      {"last record at 956", [](TimelineBuilder& b) { b.Empty(957, 963).Count(957); }, 1024, false},
      {"only entry 960 at the end", [](TimelineBuilder& b) { b.Empty(957, 959); }, 1024, true},
      {"stale records past the sample count", [](TimelineBuilder& b) { b.Count(957); }, 1024,
       false},
      {"entries 707..710 empty on an 800 screen", [](TimelineBuilder& b) { b.Empty(707, 710); },
       800, false},
      {"entries 711..960 empty on an 800 screen", [](TimelineBuilder& b) { b.Empty(711, 960); },
       800, true},
      {"entries 711..960 empty on a wide screen", [](TimelineBuilder& b) { b.Empty(711, 960); },
       1024, false},
      {"no records at all", [](TimelineBuilder& b) { b.Count(0); }, 1024, false},
  };
  for (const Case& c : cases) {
    TimelineBuilder b = GoodTest();
    c.edit(b);
    // Expert mode, so only continuity decides.
    const AnalysisResult r = RunAnalysis(b.timeline(), Params("Expert", c.screen_width));
    EXPECT_EQ(r.continuity, c.continuity) << c.name;
    EXPECT_EQ(r.verdict, c.continuity ? Verdict::Scored : Verdict::FailScore) << c.name;
    if (!c.continuity) {
      EXPECT_STREQ(VerdictMessageKey(r.verdict), "MsgFailScore");
      EXPECT_FALSE(r.score.has_value());
    }
  }
}

TEST(AnalysisRun, GapPenaltyInsideTheRangeOnly) {
  struct Case {
    const char* name;
    int first_empty;
    int screen_width;
    float sum;
  };
  const Case cases[] = {
      {"five empty entries inside", 500, 1024, 33.0f},
      {"five empty entries before the range", 100, 1024, 30.0f},
      {"five empty entries after an 800 screen's range", 800, 800, 30.0f},
      {"five empty entries inside an 800 screen's range", 500, 800, 30.0f + 3.0f * 16 / 11},
  };
  for (const Case& c : cases) {
    TimelineBuilder b = GoodTest();
    b.Empty(c.first_empty, c.first_empty + 4);
    const AnalysisResult r = RunAnalysis(b.timeline(), Params("", c.screen_width));
    ASSERT_EQ(r.verdict, Verdict::Scored) << c.name;
    EXPECT_NEAR(r.deviation_sum, c.sum, 1e-5) << c.name;
  }
  // Five penalties add 1.5 to the D value.
  TimelineBuilder b = GoodTest();
  b.Empty(500, 504);
  const AnalysisResult r = RunAnalysis(b.timeline(), Params());
  EXPECT_NEAR(r.score->d_value, 17.0, 1e-5);
}

TEST(AnalysisRun, DeviationSumIsAFloat) {
  // One counted triple (10, 12, 10) among still records: the sum holds the
  // float nearest 0.2, and the offset is added to it in double.
  TimelineBuilder b;
  b.Still(0, 963).Dx(300, 10).Dx(301, 12).Dx(302, 10);
  const AnalysisResult r = RunAnalysis(b.timeline(), Params("Expert"));
  EXPECT_EQ(r.deviation_sum, static_cast<float>(static_cast<double>(0.2f) + 30.0));
  EXPECT_EQ(RealText(r.score->d_value), "15.6000003814697");
}

TEST(AnalysisRun, EightHundredPixelScreenScalesCounts) {
  // Twelve half-swings inside 161..400 finish eleven.
  TimelineBuilder b;
  b.Still(0, 963);
  b.Swings(161, 12, 20, 30);
  const AnalysisResult wide = RunAnalysis(b.timeline(), Params("", 1024));
  EXPECT_EQ(wide.peak_count, 11);
  EXPECT_EQ(wide.reversal_count, 11);
  const AnalysisResult narrow = RunAnalysis(b.timeline(), Params("", 800));
  EXPECT_EQ(narrow.peak_count, 16);
  EXPECT_EQ(narrow.reversal_count, 16);
  EXPECT_EQ(narrow.verdict, Verdict::Scored);
  EXPECT_EQ(narrow.score->caption_y, 350);

  // Seven finished half-swings become ten: not more than the limit.
  TimelineBuilder few;
  few.Still(0, 963);
  few.Swings(161, 8, 20, 30);
  const AnalysisResult r = RunAnalysis(few.timeline(), Params("", 800));
  EXPECT_EQ(r.peak_count, 10);
  EXPECT_EQ(r.verdict, Verdict::TooSlow);
}

TEST(AnalysisRun, SwingChecks) {
  struct Case {
    const char* name;
    int amplitude;
    int interval_ms;
    int half_swings;  // of 20 entries each, from entry 161
    int peak_threshold;
    Verdict verdict;
  };
  const Case cases[] = {
      {"half-swings of exactly 24", 24, 8, 40, 10, Verdict::Scored},
      {"half-swings of exactly -24", -24, 8, 40, 10, Verdict::Scored},
      {"half-swings of 23: reversals but no peaks", 23, 8, 40, 10, Verdict::FewPeak},
      {"18 suffices at 4 ms", 18, 4, 40, 10, Verdict::Scored},
      {"17 does not at 4 ms", 17, 4, 40, 10, Verdict::FewPeak},
      {"a 10 ms mouse keeps threshold 24", 18, 10, 40, 10, Verdict::FewPeak},
      {"ten half-swings: nine peaks, too few reversals", 30, 8, 10, 10, Verdict::TooSlow},
      {"nine peaks exceed the fast-rate limit 7 below 4 ms", 30, 3, 10, 10, Verdict::Scored},
      {"nine peaks at exactly 4 ms: limit 10", 30, 4, 10, 10, Verdict::TooSlow},
      {"twelve half-swings: eleven peaks", 30, 8, 12, 10, Verdict::Scored},
      {"eleven peaks under a raised peak threshold", 30, 8, 12, 12, Verdict::TooSlow},
      {"eleven reversals under a lowered peak threshold", 23, 8, 12, 9, Verdict::FewPeak},
  };
  for (const Case& c : cases) {
    TimelineBuilder b;
    b.Still(0, 963, c.interval_ms);
    b.Swings(161, c.half_swings, 20, c.amplitude, c.interval_ms);
    AnalysisParams p = Params();
    p.peak_threshold = c.peak_threshold;
    const AnalysisResult r = RunAnalysis(b.timeline(), p);
    EXPECT_EQ(r.verdict, c.verdict)
        << c.name << " (peaks " << r.peak_count << ", reversals " << r.reversal_count << ")";
    EXPECT_EQ(r.shortest_interval, std::min(c.interval_ms, 8)) << c.name;
    // Expert mode scores every continuous test.
    EXPECT_EQ(RunAnalysis(b.timeline(), Params("Expert")).verdict, Verdict::Scored) << c.name;
  }
}

TEST(AnalysisRun, FailureMessageKeys) {
  EXPECT_STREQ(VerdictMessageKey(Verdict::FailScore), "MsgFailScore");
  EXPECT_STREQ(VerdictMessageKey(Verdict::FewPeak), "MsgFewPeak");
  EXPECT_STREQ(VerdictMessageKey(Verdict::TooSlow), "MsgTooSlow");
  EXPECT_EQ(VerdictMessageKey(Verdict::Scored), nullptr);
}

TEST(AnalysisRun, ExpertModeScoresATestWithoutSwings) {
  TimelineBuilder b;
  b.Still(0, 963);
  EXPECT_EQ(RunAnalysis(b.timeline(), Params()).verdict, Verdict::TooSlow);

  AnalysisParams p = Params("Expert");
  p.continue_ticked = true;
  const AnalysisResult r = RunAnalysis(b.timeline(), p);
  ASSERT_EQ(r.verdict, Verdict::Scored);
  EXPECT_TRUE(r.enable_zoom);
  ASSERT_TRUE(r.algorithms.has_value());
  EXPECT_EQ((*r.algorithms)[0].d_label, " D = 0");
  EXPECT_EQ((*r.algorithms)[3].d_label, " D = 15.5");
  EXPECT_EQ((*r.algorithms)[3].score_label, "Score = 98");
  EXPECT_EQ((*r.algorithms)[0].memo.size(), 800u);
  ASSERT_TRUE(r.score.has_value());
  EXPECT_EQ(r.score->summary_line, "15.5\t0\t0\t0\t15.5");
  EXPECT_TRUE(r.score->start_next_test);
}

TEST(AnalysisRun, ExpertFailureStillFillsTheConsoleButStartsNothing) {
  TimelineBuilder b;
  b.Still(0, 963).Empty(400, 420);
  AnalysisParams p = Params("Expert");
  p.continue_ticked = true;
  const AnalysisResult r = RunAnalysis(b.timeline(), p);
  EXPECT_EQ(r.verdict, Verdict::FailScore);
  EXPECT_TRUE(r.enable_zoom);
  EXPECT_TRUE(r.algorithms.has_value());
  EXPECT_FALSE(r.score.has_value());
}

TEST(AnalysisRun, YNeverChangesTheScore) {
  TimelineBuilder still_y = GoodTest();
  TimelineBuilder busy_y = GoodTest();
  for (int i = 0; i < 964; ++i) busy_y.Entry(i).dy = (i * 37) % 201 - 100;
  for (const char* mode : {"", "Expert"}) {
    const AnalysisResult a = RunAnalysis(still_y.timeline(), Params(mode));
    const AnalysisResult b = RunAnalysis(busy_y.timeline(), Params(mode));
    EXPECT_EQ(a.deviation_sum, b.deviation_sum);
    EXPECT_EQ(a.peak_count, b.peak_count);
    EXPECT_EQ(a.reversal_count, b.reversal_count);
    ASSERT_TRUE(a.score && b.score);
    EXPECT_EQ(a.score->score, b.score->score);
    EXPECT_EQ(a.score->summary_line, b.score->summary_line);
    EXPECT_NE(a.axis_log, b.axis_log);
  }
}

TEST(AnalysisRun, SampleCountBeyondTheTimelineIsBounded) {
  TimelineBuilder b = GoodTest();
  b.Count(100000);
  const AnalysisResult r = RunAnalysis(b.timeline(), Params("Expert"));
  EXPECT_EQ(r.axis_log.size(), 2048u + 3u);
  b.Count(-5);
  EXPECT_EQ(RunAnalysis(b.timeline(), Params("Expert")).verdict, Verdict::FailScore);
}

}  // namespace
}  // namespace mqt
