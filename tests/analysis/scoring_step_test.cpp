#include "analysis/scoring_step.h"

#include <gtest/gtest.h>

#include "analysis/grade_table.h"

namespace mqt {
namespace {

ScoringInputs English() {
  ScoringInputs in;
  in.active_language = "English";
  return in;
}

TEST(ScoringStep, WorkedSums) {
  struct Case {
    float s;
    int x;
    int score;
    const char* score_caption;
    const char* advice_key;
    const char* grade;
    const char* difference_caption;
  };
  const Case cases[] = {
      // No deviation, no gap: the best a test can score.
      {30.0f, 15, 98, "98", "Score95To100", "       A++", "15.5"},
      // D = 31.7 as the float 31.7000007629395, cut to 31.7.
      {62.4f, 31, 94, "94", "Score90To94", "       A+", "31.7"},
      // D = the float 40.0999984741211: the caption is cut, not rounded.
      {79.2f, 40, 90, "90", "Score90To94", "       A+", "40.09"},
      {99.0f, 50, 85, "85", "Score85To89", "       A", "50"},
      {119.0f, 60, 80, "80", "Score80To84", "       A-", "60"},
      {139.0f, 70, 75, "75", "Score75To79", "       B+", "70"},
      {141.0f, 71, 74, "74", "Score70To74", "", "71"},
      {199.0f, 100, 60, "60", "Score60To69", "", "100"},
      {201.0f, 101, 59, "000", "Score00To59", "", "101"},
      {1500.0f, 750, 0, "000", "Score00To59", "", "750.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.s);
    const ScoreResult r = RunScoringStep(c.s, English());
    EXPECT_EQ(r.x, c.x);
    EXPECT_EQ(r.score, c.score);
    EXPECT_EQ(r.score_caption, c.score_caption);
    EXPECT_EQ(r.advice_key, c.advice_key);
    EXPECT_EQ(r.grade, c.grade);
    EXPECT_EQ(r.difference_caption, c.difference_caption);
    EXPECT_FALSE(r.summary_line.has_value());
    EXPECT_FALSE(r.start_next_test);
  }
}

TEST(ScoringStep, DifferenceValueIsTheFloatOfTheDValue) {
  const ScoreResult r = RunScoringStep(62.4f, English());
  EXPECT_DOUBLE_EQ(r.d_value, static_cast<double>(62.4f) * 0.5 + 0.5);
  EXPECT_EQ(r.difference_value, 31.7f);
}

TEST(ScoringStep, DifferenceCaptionCutsToTwoDecimals) {
  EXPECT_EQ(PaintedDifferenceNumber(23.4567f), "23.45");
  EXPECT_EQ(PaintedDifferenceNumber(17.999f), "17.99");
  EXPECT_EQ(PaintedDifferenceNumber(15.5f), "15.5");
  EXPECT_EQ(PaintedDifferenceNumber(40.1f), "40.09");
}

TEST(ScoringStep, CaptionSitsHigherOnAnEightHundredPixelScreen) {
  ScoringInputs in = English();
  in.screen_width = 800;
  EXPECT_EQ(RunScoringStep(30.0f, in).caption_y, 350);
  in.screen_width = 801;
  EXPECT_EQ(RunScoringStep(30.0f, in).caption_y, 525);
  EXPECT_EQ(RunScoringStep(30.0f, in).caption_x, 202);
}

TEST(ScoringStep, AdviceFontSizeByLanguage) {
  // Scores 98, 94, 85, 80, 75, 74, 60, 59.
  const float sums[] = {30.0f, 62.4f, 99.0f, 119.0f, 139.0f, 141.0f, 199.0f, 201.0f};
  struct Case {
    const char* language;
    int sizes[8];
  };
  const Case cases[] = {
      {"ChineseT", {10, 10, 10, 9, 9, 9, 9, 10}},
      {"English", {11, 11, 13, 11, 13, 13, 13, 13}},
      {"German", {10, 10, 10, 9, 10, 10, 10, 10}},
      {"ChineseS", {10, 10, 10, 10, 10, 10, 10, 10}},
      {"Russia", {10, 10, 10, 10, 10, 10, 10, 10}},
      {"english", {10, 10, 10, 10, 10, 10, 10, 10}},  // names are exact
  };
  for (const Case& c : cases) {
    for (int k = 0; k < 8; ++k) {
      ScoringInputs in;
      in.active_language = c.language;
      EXPECT_EQ(RunScoringStep(sums[k], in).advice_font_size, c.sizes[k])
          << c.language << " S = " << sums[k];
    }
  }
}

TEST(ScoringStep, ExpertSummaryLineAndContinue) {
  ScoringInputs in = English();
  in.operator_mode = "Expert";
  in.algorithm_d_labels = {" D = 12.3456", " D = 0", " D = 16", "D="};
  ScoreResult r = RunScoringStep(200.0f, in);  // D = 100.5
  ASSERT_TRUE(r.summary_line.has_value());
  EXPECT_EQ(*r.summary_line, "100.\t12.3\t0\t16\t");
  EXPECT_FALSE(r.start_next_test);

  in.continue_ticked = true;
  EXPECT_TRUE(RunScoringStep(30.0f, in).start_next_test);

  in.operator_mode = "expert";  // modes are exact texts
  r = RunScoringStep(30.0f, in);
  EXPECT_FALSE(r.summary_line.has_value());
  EXPECT_FALSE(r.start_next_test);
}

TEST(ScoringStep, SummaryLineFirstColumnOfMainDValue) {
  // 100.25 keeps the decimal point as its fourth character.
  EXPECT_EQ(SummaryLine(100.25f, {}), "100.\t\t\t\t");
  EXPECT_EQ(SummaryLine(15.5f, {" D = 15.5", " D = 15.8000001907349", "", " D"}),
            "15.5\t15.5\t15.8\t\t");
}

}  // namespace
}  // namespace mqt
