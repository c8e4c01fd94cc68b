#include "shell/progress_dots.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace mqt {
namespace {

std::vector<std::string> Ticks(std::int32_t& dot_count, int n) {
  std::vector<std::string> captions;
  for (int i = 0; i < n; ++i)
    captions.push_back(ProgressTick("Wait", true, dot_count, 529).caption);
  return captions;
}

TEST(ProgressTick, AnimatedCycleStartsWithTwoDotsAndGoesOnWhereItStopped) {
  std::int32_t dot_count = 0;
  EXPECT_EQ(Ticks(dot_count, 5),
            (std::vector<std::string>{"Wait..", "Wait...", "Wait....", "Wait.", "Wait.."}));
  // A plain tick in between neither moves nor resets the cycle.
  const BannerTick plain = ProgressTick("Wait", false, dot_count, 529);
  EXPECT_EQ(plain.caption, "Wait");
  EXPECT_EQ(dot_count, 5);
  EXPECT_EQ(Ticks(dot_count, 2), (std::vector<std::string>{"Wait...", "Wait...."}));
}

TEST(ProgressTick, PlainFitsTheBannerToItsLabelAnimatedLeavesTheWidth) {
  std::int32_t dot_count = 0;
  EXPECT_EQ(ProgressTick("m", false, dot_count, 529).form_width, 549);
  EXPECT_EQ(ProgressTick("m", false, dot_count, 549).form_width, 569);
  EXPECT_EQ(ProgressTick("m", true, dot_count, 529).form_width, -1);
}

TEST(ProgressTick, CountWrapsInsteadOfOverflowing) {
  std::int32_t dot_count = std::numeric_limits<std::int32_t>::max() - 1;
  EXPECT_EQ(ProgressTick("", true, dot_count, 529).caption, "....");  // max % 4 == 3
  EXPECT_EQ(ProgressTick("", true, dot_count, 529).caption, ".");
  EXPECT_EQ(dot_count, 0);
  EXPECT_EQ(ProgressTick("", true, dot_count, 529).caption, "..");
}

TEST(BannerGeometry, GermanIsWiderAndTheBannerIsCentred) {
  struct Case {
    const char* language;
    int screen_w, screen_h;
    int form_w, label_w, left, top;
  };
  const Case cases[] = {
      {"English", 1024, 768, 558, 529, 233, 344},
      {"German", 1024, 768, 578, 549, 223, 344},
      {"german", 1024, 768, 558, 529, 233, 344},
      {"ChineseT", 1280, 1024, 558, 529, 361, 472},
      // Narrower than the banner: rounded toward zero, not down.
      {"German", 577, 78, 578, 549, 0, 0},
      {"English", 555, 75, 558, 529, -1, -2},
  };
  for (const Case& c : cases) {
    const BannerGeometry g = BannerGeometryFor(c.language, c.screen_w, c.screen_h);
    EXPECT_EQ(g.form_width, c.form_w) << c.language;
    EXPECT_EQ(g.form_height, 79);
    EXPECT_EQ(g.label_width, c.label_w) << c.language;
    EXPECT_EQ(g.left, c.left) << c.language << " " << c.screen_w;
    EXPECT_EQ(g.top, c.top) << c.language << " " << c.screen_h;
  }
}

}  // namespace
}  // namespace mqt
