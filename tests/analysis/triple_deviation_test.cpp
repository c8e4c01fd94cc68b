#include "analysis/triple_deviation.h"

#include <gtest/gtest.h>

#include <limits>

namespace mqt {
namespace {

struct TripleCase {
  int n, m, o;
  float deviation;  // when counted by anyone
  bool a, bc, d, main;
};

TEST(TripleDeviation, WorkedTriplesAndWhoCountsThem) {
  const TripleCase cases[] = {
      {10, 12, 10, 0.2f, true, true, true, true},
      {10, -2, 10, 1.2f, true, true, true, false},   // a sign flip inside a swing
      {0, 5, 10, 0.0f, true, true, false, false},    // zero neighbour
      {-4, 3, 4, 0.0f, false, false, false, false},  // zero mean
      {-10, -12, -10, 0.2f, true, true, true, true},
      {12, 12, 8, 0.2f, true, true, true, true},
      {10, 0, 10, 1.0f, true, true, false, false},          // zero middle
      {-3, 5, 10, 0.42857143f, true, false, false, false},  // neighbours of opposite signs
  };
  for (const TripleCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.n << "," << c.m << "," << c.o);
    EXPECT_EQ(CountsForA(c.n, c.m, c.o), c.a);
    EXPECT_EQ(CountsForBC(c.n, c.m, c.o), c.bc);
    EXPECT_EQ(CountsForD(c.n, c.m, c.o), c.d);
    EXPECT_EQ(CountsForMain(c.n, c.m, c.o), c.main);
    if (c.a) {
      EXPECT_FLOAT_EQ(TripleDeviation(c.n, c.m, c.o), c.deviation);
    }
  }
}

TEST(TripleDeviation, StoredAsFloat) {
  // 0.2 is not a float; the stored value is the float nearest to it.
  EXPECT_EQ(TripleDeviation(10, 12, 10), 0.2f);
  EXPECT_NE(static_cast<double>(TripleDeviation(10, 12, 10)), 0.2);
}

TEST(TripleDeviation, ExtremeCountsNeitherOverflowNorMiscount) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  // Two large counts of one sign: the mean must not wrap around to negative.
  EXPECT_FLOAT_EQ(TripleDeviation(kMax, kMax, kMax), 0.0f);
  EXPECT_TRUE(CountsForA(kMax, 0, kMax));
  EXPECT_TRUE(CountsForBC(kMin, 0, kMin));
  // A product of opposite signs must not wrap around to positive.
  EXPECT_FALSE(CountsForBC(kMax, 1, -kMax));
  EXPECT_FALSE(CountsForA(kMax, 1, -kMax));
}

}  // namespace
}  // namespace mqt
