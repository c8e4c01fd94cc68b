#include "display/qimage_canvas.h"

#include <gtest/gtest.h>
#include <QFontInfo>
#include <QFontMetrics>

#include <climits>
#include <functional>
#include <set>
#include <utility>

#include "picture_support.h"

namespace mqt {
namespace {

using testing_support::PixelAt;

std::set<std::pair<int, int>> WhitePixels(const QImage& image) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (PixelAt(image, x, y) == 0xFFFFFFu) pixels.insert({x, y});
    }
  }
  return pixels;
}

TEST(QImageCanvas, LineToLeavesTheEndPointUnpainted) {
  struct Case {
    const char* name;
    int x0, y0, x1, y1;
    std::set<std::pair<int, int>> painted;
  };
  const Case cases[] = {
      {"down", 2, 1, 2, 4, {{2, 1}, {2, 2}, {2, 3}}},
      {"up", 2, 4, 2, 1, {{2, 4}, {2, 3}, {2, 2}}},
      {"right", 1, 5, 4, 5, {{1, 5}, {2, 5}, {3, 5}}},
      {"left", 4, 5, 1, 5, {{4, 5}, {3, 5}, {2, 5}}},
      {"one step", 3, 3, 3, 2, {{3, 3}}},
      {"zero length", 3, 3, 3, 3, {}},
      {"diagonal", 0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
      {"leaves the picture", 6, 2, 6, -5, {{6, 2}, {6, 1}, {6, 0}}},
      {"starts outside", 9, 5, 4, 5, {{7, 5}, {6, 5}, {5, 5}}},
  };
  for (const Case& c : cases) {
    QImageCanvas canvas(QSize(8, 8));
    canvas.SetPenColor(kWhite);
    DrawLine(canvas, c.x0, c.y0, c.x1, c.y1);
    EXPECT_EQ(WhitePixels(canvas.image()), c.painted) << c.name;
  }
}

TEST(QImageCanvas, LineToContinuesFromTheLastEndPoint) {
  QImageCanvas canvas(QSize(8, 8));
  canvas.SetPenColor(kWhite);
  canvas.MoveTo(1, 1);
  canvas.LineTo(1, 3);
  canvas.LineTo(3, 3);
  const std::set<std::pair<int, int>> expected{{1, 1}, {1, 2}, {1, 3}, {2, 3}};
  EXPECT_EQ(WhitePixels(canvas.image()), expected);
}

TEST(QImageCanvas, HugeLinesAreClippedToThePicture) {
  QImageCanvas canvas(QSize(8, 8));
  canvas.SetPenColor(kWhite);
  DrawLine(canvas, 2, INT_MAX, 2, INT_MIN);
  DrawLine(canvas, INT_MIN, 4, INT_MAX, 4);
  EXPECT_EQ(WhitePixels(canvas.image()).size(), 15u);
}

TEST(QImageCanvas, FillRectCoversLeftTopUpToRightBottom) {
  QImageCanvas canvas(QSize(8, 8));
  canvas.SetBrushColor(kYellow);
  canvas.FillRect(1, 2, 4, 5);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 2 && y < 5;
      EXPECT_EQ(PixelAt(canvas.image(), x, y), inside ? 0xFFFF00u : 0u) << x << "," << y;
    }
  }
}

TEST(QImageCanvas, CourierNewResolvesToLiberationMonoAtNinetySixDpi) {
  QImageCanvas canvas(QSize(8, 8));
  canvas.SetFontName("Courier New");
  canvas.SetFontSize(10);
  EXPECT_EQ(QFontInfo(canvas.font()).family(), "Liberation Mono");
  // 10 points at 96 pixels per inch, 13 points for the Chinese languages.
  EXPECT_EQ(canvas.font().pixelSize(), 13);
  canvas.SetFontSize(13);
  EXPECT_EQ(canvas.font().pixelSize(), 17);
}

TEST(QImageCanvas, TextOutFillsItsCellWithTheBrushFromTheTopLeftCorner) {
  QImageCanvas canvas(QSize(80, 40));
  canvas.SetBrushColor(kWhite);
  canvas.FillRect(0, 0, 80, 40);
  canvas.SetBrushColor(kBlack);
  canvas.SetFontColor(kYellow);
  canvas.SetFontName("Courier New");
  canvas.SetFontSize(10);
  canvas.TextOut(5, 7, "+127");

  const QFontMetrics metrics(canvas.font());
  const QRect cell(5, 7, metrics.horizontalAdvance("+127"), metrics.height());
  int glyph_pixels = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 80; ++x) {
      const QRgb pixel = PixelAt(canvas.image(), x, y);
      if (!cell.contains(x, y)) {
        EXPECT_EQ(pixel, 0xFFFFFFu) << "outside the cell at " << x << "," << y;
      } else {
        // No antialiasing: a cell pixel is glyph or brush, nothing between.
        EXPECT_TRUE(pixel == 0xFFFF00u || pixel == 0u) << x << "," << y;
        if (pixel == 0xFFFF00u) ++glyph_pixels;
      }
    }
  }
  EXPECT_GT(glyph_pixels, 20);
  // Monospaced like Courier New: four characters, four equal cells.
  EXPECT_EQ(cell.width(), 4 * metrics.horizontalAdvance("0"));
}

TEST(QImageCanvas, ResizeKeepsTheTopLeftPicture) {
  QImageCanvas canvas(QSize(4, 4));
  canvas.SetBrushColor(kWhite);
  canvas.FillRect(0, 0, 4, 4);
  canvas.Resize(QSize(6, 3));
  EXPECT_EQ(canvas.Width(), 6);
  EXPECT_EQ(canvas.Height(), 3);
  EXPECT_EQ(PixelAt(canvas.image(), 3, 2), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(canvas.image(), 4, 2), 0u);
}

}  // namespace
}  // namespace mqt
