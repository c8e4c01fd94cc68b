#include "display/zoom.h"

#include <gtest/gtest.h>

#include "display/wave_view.h"

namespace mqt {
namespace {

constexpr int kImageWidth = 1014;

// The entry whose cell holds `column` at a factor and first shown entry.
int EntryUnder(int column, int factor, int first_entry) {
  return first_entry + (column - 40) / factor;
}

TEST(ZoomAtColumn, KeepsTheEntryUnderThePointerWithinTruncation) {
  struct Case {
    ZoomTool tool;
    int column, factor, first_entry;
  };
  const Case cases[] = {
      {ZoomTool::kZoomIn, 540, 1, 0},     {ZoomTool::kZoomIn, 541, 1, 0},
      {ZoomTool::kZoomIn, 1000, 2, 100},  {ZoomTool::kZoomIn, 44, 8, 300},
      {ZoomTool::kZoomIn, 1013, 64, 700}, {ZoomTool::kZoomOut, 540, 4, 200},
      {ZoomTool::kZoomOut, 100, 8, 50},   {ZoomTool::kZoomOut, 977, 16, 900},
  };
  for (const Case& c : cases) {
    const auto step = ZoomAtColumn(c.tool, c.column, c.factor, c.first_entry, kImageWidth);
    ASSERT_TRUE(step) << c.column;
    ASSERT_NE(step->factor, 1);
    const int before = EntryUnder(c.column, c.factor, c.first_entry);
    const int after = EntryUnder(c.column, step->factor, step->first_entry);
    EXPECT_LE(std::abs(after - before), 1)
        << "column " << c.column << " factor " << c.factor << " first " << c.first_entry;
  }
  // An even cell offset keeps the very same entry.
  const auto exact = ZoomAtColumn(ZoomTool::kZoomIn, 40 + 4 * 8, 8, 300, kImageWidth);
  EXPECT_EQ(EntryUnder(40 + 4 * 8, exact->factor, exact->first_entry), 304);
}

TEST(ZoomAtColumn, FollowsTheClickArithmetic) {
  struct Case {
    ZoomTool tool;
    int column, factor, first_entry;
    std::optional<ZoomStep> expected;
  };
  const Case cases[] = {
      // In: n = ((c - 40) / z) / 2 + f, z doubles.
      {ZoomTool::kZoomIn, 540, 1, 0, ZoomStep{250, 2}},
      {ZoomTool::kZoomIn, 541, 2, 10, ZoomStep{135, 4}},
      // Out: n = f - (c - 40) / z, z halves.
      {ZoomTool::kZoomOut, 540, 4, 300, ZoomStep{175, 2}},
      // Left of the axis the offset is negative; a negative entry becomes 0.
      {ZoomTool::kZoomIn, 0, 1, 5, ZoomStep{0, 2}},
      {ZoomTool::kZoomOut, 1000, 2, 100, ZoomStep{0, 1}},
      // Back at factor 1 the view always starts at entry 0.
      {ZoomTool::kZoomOut, 540, 2, 400, ZoomStep{0, 1}},
      // Near the right edge the first entry may pass the test's end.
      {ZoomTool::kZoomIn, 1013, 1, 959, ZoomStep{959 + 486, 2}},
      // Ignored clicks.
      {ZoomTool::kZoomOut, 540, 1, 0, std::nullopt},
      {ZoomTool::kNone, 540, 4, 100, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZoomAtColumn(c.tool, c.column, c.factor, c.first_entry, kImageWidth), c.expected)
        << "column " << c.column << " factor " << c.factor;
  }
}

TEST(ZoomAtColumn, FactorStopsWhereOneEntryFillsThePlot) {
  struct Case {
    int image_width, max_factor;
  };
  // The smallest power of two at least as wide as the plot right of the axis.
  const Case cases[] = {{1014, 1024}, {1064, 1024}, {1065, 2048}, {800, 1024},
                        {41, 1},      {0, 1},       {5000, 8192}};
  for (const Case& c : cases)
    EXPECT_EQ(MaxZoomFactor(c.image_width), c.max_factor) << c.image_width;

  // Clicking on and on never overflows: the factor stops and further clicks
  // change nothing.
  WaveView view;
  view.SelectTool(ZoomTool::kZoomIn);
  int clicks_that_zoomed = 0;
  for (int i = 0; i < 100; ++i) {
    if (view.Click(1000, 0, 960, kImageWidth)) ++clicks_that_zoomed;
  }
  EXPECT_EQ(view.zoom_factor(), 1024);
  EXPECT_EQ(clicks_that_zoomed, 10);
}

TEST(WaveView, ClickAppliesTheSelectedToolAndKeepsIt) {
  WaveView view;
  EXPECT_FALSE(view.Click(540, 0, 960, kImageWidth)) << "no tool selected";

  view.SelectTool(ZoomTool::kZoomOut);
  EXPECT_FALSE(view.Click(540, 0, 960, kImageWidth)) << "zoom out at factor 1";
  EXPECT_EQ(view.zoom_factor(), 1);

  view.SelectTool(ZoomTool::kZoomIn);
  EXPECT_EQ(view.Click(540, 0, 960, kImageWidth),
            (WaveView::Redraw{ScrollBarSetting{959, 480, 250, true}, 250}));
  EXPECT_EQ(view.Click(540, 250, 960, kImageWidth),
            (WaveView::Redraw{ScrollBarSetting{959, 240, 375, true}, 375}));
  EXPECT_EQ(view.zoom_factor(), 4);
  EXPECT_EQ(view.tool(), ZoomTool::kZoomIn);

  view.SelectTool(ZoomTool::kZoomOut);
  EXPECT_EQ(view.Click(540, 375, 960, kImageWidth),
            (WaveView::Redraw{ScrollBarSetting{959, 480, 250, true}, 250}));
  // Back to factor 1: the scroll bar hides and the view starts at entry 0.
  EXPECT_EQ(view.Click(540, 250, 960, kImageWidth),
            (WaveView::Redraw{ScrollBarSetting{959, 960, 0, false}, 0}));
  EXPECT_FALSE(view.Click(540, 0, 960, kImageWidth));
}

TEST(WaveView, FitToScreenAndTestStartReturnToThePlainView) {
  WaveView view;
  view.SelectTool(ZoomTool::kZoomIn);
  view.Click(540, 0, 960, kImageWidth);
  view.Click(540, 250, 960, kImageWidth);

  EXPECT_EQ(view.FitToScreen(960), (WaveView::Redraw{ScrollBarSetting{959, 960, 0, false}, 0}));
  EXPECT_EQ(view.zoom_factor(), 1);
  EXPECT_EQ(view.tool(), ZoomTool::kNone);

  view.SelectTool(ZoomTool::kZoomIn);
  view.Click(540, 0, 960, kImageWidth);
  view.Reset();
  EXPECT_EQ(view.zoom_factor(), 1);
  EXPECT_EQ(view.tool(), ZoomTool::kNone);
}

TEST(ZoomScrollBar, RangeCoversTheTestAndPageShrinksWithTheFactor) {
  EXPECT_EQ(ZoomScrollBar(960, 2, 100), (ScrollBarSetting{959, 480, 100, true}));
  EXPECT_EQ(ZoomScrollBar(960, 1024, 900), (ScrollBarSetting{959, 0, 900, true}));
  EXPECT_EQ(ZoomScrollBar(1, 2, 0), (ScrollBarSetting{0, 0, 0, true}));
  // No test yet: the range is empty and the bar stays hidden.
  EXPECT_EQ(FitScrollBar(0), (ScrollBarSetting{-1, 0, 0, false}));
}

}  // namespace
}  // namespace mqt
