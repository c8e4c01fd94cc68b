#include "analysis/scoring_algorithm.h"

#include <gtest/gtest.h>

#include <array>

#include "timeline_builder.h"

namespace mqt {
namespace {

using testing::TimelineBuilder;

constexpr std::array<AlgorithmKind, 4> kKinds = {AlgorithmKind::A, AlgorithmKind::B,
                                                 AlgorithmKind::C, AlgorithmKind::D};
constexpr const char* kNames[] = {"A", "B", "C", "D"};

// Prepares all four and steps them through the timeline as the run does.
std::array<ScoringAlgorithm, 4> RunAll(const SampleTimeline& t) {
  std::array<ScoringAlgorithm, 4> algs = {ScoringAlgorithm(kKinds[0]), ScoringAlgorithm(kKinds[1]),
                                          ScoringAlgorithm(kKinds[2]), ScoringAlgorithm(kKinds[3])};
  for (auto& a : algs) a.Prepare();
  for (int i = 0; i < t.sample_count; ++i) {
    for (auto& a : algs) a.Step(t, i);
  }
  return algs;
}

TEST(ScoringAlgorithm, DesignCaptionsUntilTheFirstRefresh) {
  ScoringAlgorithm a(AlgorithmKind::A);
  EXPECT_EQ(a.DLabel(), "D=");
  EXPECT_EQ(a.ScoreLabel(), "Score=");
  TimelineBuilder b;
  b.Still(0, 0);
  a.Prepare();
  a.Step(b.timeline(), 0);
  EXPECT_EQ(a.DLabel(), " D = 0");
  EXPECT_EQ(a.ScoreLabel(), "Score = 101");
  a.Prepare();
  EXPECT_EQ(a.DLabel(), "D=");
  EXPECT_TRUE(a.memo().empty());
}

TEST(ScoringAlgorithm, FirstWindowLineUsesEntries159And160AsHistory) {
  // (n, m, o) = (12, 12, 8): mean 10, deviation 0.2, counted by all four.
  TimelineBuilder b;
  b.Still(0, 161).Dx(159, 8).Dx(160, 12).Dx(161, 12);
  const auto algs = RunAll(b.timeline());
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(kNames[k]);
    ASSERT_EQ(algs[k].memo().size(), 1u);
    EXPECT_EQ(algs[k].memo()[0], "161\tX=12\tD=0.100000001490116");
  }
  EXPECT_EQ(algs[0].DLabel(), " D = 0.100000001490116");
  EXPECT_EQ(algs[3].DLabel(), " D = 15.6000000014901");
}

TEST(ScoringAlgorithm, SampleCountOf161ReachesNoWindowEntry) {
  TimelineBuilder b;
  b.Swings(0, 8, 20, 40);  // 160 entries of big swings, then one more
  b.Dx(160, 5).Count(161);
  const auto algs = RunAll(b.timeline());
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(algs[k].DLabel(), " D = 0") << kNames[k];
    EXPECT_EQ(algs[k].ScoreLabel(), "Score = 101") << kNames[k];
    EXPECT_TRUE(algs[k].memo().empty());
  }
  EXPECT_EQ(algs[3].DLabel(), " D = 15.5");
  EXPECT_EQ(algs[3].ScoreLabel(), "Score = 98");
}

TEST(ScoringAlgorithm, WindowWithoutRecords) {
  TimelineBuilder b;
  b.Still(0, 160).Empty(161, 960).Still(961, 969);
  const auto algs = RunAll(b.timeline());
  // A and B log every empty window entry; the zeros never form a mean.
  for (int k = 0; k < 2; ++k) {
    ASSERT_EQ(algs[k].memo().size(), 800u) << kNames[k];
    EXPECT_EQ(algs[k].memo().front(), "161\tX=NAK\tD=0");
    EXPECT_EQ(algs[k].memo().back(), "960\tX=NAK\tD=0");
    EXPECT_EQ(algs[k].DLabel(), " D = 0");
  }
  // C logs nothing; its labels still refresh from the records after the window.
  EXPECT_TRUE(algs[2].memo().empty());
  EXPECT_EQ(algs[2].DLabel(), " D = 0");
  EXPECT_EQ(algs[2].ScoreLabel(), "Score = 101");
  // D charges 0.3 per empty window entry: 800 * 0.3 + 15.5, give or take
  // what 800 float additions of 0.6 drift.
  EXPECT_TRUE(algs[3].memo().empty());
  EXPECT_NEAR(algs[3].DValue(), 255.5, 0.01);
  EXPECT_EQ(algs[3].DLabel(), " D = 255.501678466797");
  EXPECT_EQ(algs[3].ScoreLabel(), "Score = 44");
}

TEST(ScoringAlgorithm, EmptyEntryAndZeroCountInsideTheWindow) {
  // Steady 10 counts with entry 201 either empty or holding dx 0.
  struct Case {
    bool empty;
    const char* line201[4];
    double d_value[4];
  };
  const Case cases[] = {
      // A and B take the gap as a 0 (three deviations of 1.0); C joins the
      // records around it; D joins them too and charges 0.6.
      {true, {"201\tX=NAK\tD=0.5", "201\tX=NAK\tD=0.5", nullptr, nullptr}, {1.5, 1.5, 0.0, 15.8}},
      // A record of 0: B and C count triples with a zero neighbour, D never.
      {false,
       {"201\tX=0\tD=0.5", "201\tX=0\tD=0.5", "201\tX=0\tD=0.5", "201\tX=0\tD=0"},
       {1.5, 1.5, 1.5, 15.5}},
  };
  for (const Case& c : cases) {
    TimelineBuilder b;
    b.Records(0, 970, [](int) { return 10; });
    if (c.empty) {
      b.Empty(201, 201);
    } else {
      b.Dx(201, 0);
    }
    const auto algs = RunAll(b.timeline());
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE(::testing::Message() << (c.empty ? "empty " : "zero ") << kNames[k]);
      EXPECT_NEAR(algs[k].DValue(), c.d_value[k], 1e-6);
      const auto& memo = algs[k].memo();
      if (c.line201[k] == nullptr) {
        EXPECT_EQ(memo.size(), 799u);
        EXPECT_EQ(memo[40], "202\tX=10\tD=0");
      } else {
        ASSERT_EQ(memo.size(), 800u);
        EXPECT_EQ(memo[40], c.line201[k]);
      }
    }
  }
}

TEST(ScoringAlgorithm, OnlyTheWindowIsMeasured) {
  // Wild counts outside 161..960 feed the history but add nothing.
  TimelineBuilder b;
  b.Records(0, 1100, [](int i) { return (i < 159 || i > 960) ? (i % 7) * 13 - 40 : 10; });
  const auto algs = RunAll(b.timeline());
  for (int k = 0; k < 3; ++k) EXPECT_EQ(algs[k].DValue(), 0.0) << kNames[k];
  EXPECT_EQ(algs[3].DValue(), 15.5);
  for (const auto& a : algs) EXPECT_EQ(a.memo().size(), 800u);
}

}  // namespace
}  // namespace mqt
