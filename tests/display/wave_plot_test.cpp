#include "display/wave_plot.h"

#include <gtest/gtest.h>
#include <QDir>

#include <cmath>
#include <memory>
#include <numbers>

#include "capture/display_value.h"
#include "display/qimage_canvas.h"
#include "display/wave_range.h"
#include "display/zoomed_wave.h"
#include "picture_support.h"

namespace mqt {
namespace {

using testing_support::AllBlack;
using testing_support::ColorName;
using testing_support::PaintedRows;
using testing_support::PixelAt;
using testing_support::SameRegion;

constexpr QSize kPicture(1016, 560);

// Captions left empty so they cover none of the frame.
PlotEnvironment Plain(int screen_width = 1024) {
  return PlotEnvironment{screen_width, "English", "", "", ""};
}

PlotEnvironment Captioned(int screen_width = 1024) {
  return PlotEnvironment{screen_width, "English", "X-Axis", "Y-Axis", "Diff = "};
}

struct Probe {
  int x, y;
  const char* color;
};

void ExpectProbes(const QImage& image, std::initializer_list<Probe> probes, const char* what) {
  for (const Probe& p : probes) {
    EXPECT_STREQ(ColorName(PixelAt(image, p.x, p.y)), p.color)
        << what << " at (" << p.x << ", " << p.y << ")";
  }
}

TEST(DrawAxes, FrameGeometryOfBothPanels) {
  // Labels left empty too: a label cell covers the left end of its tick.
  QImageCanvas canvas(kPicture);
  DrawAxes(canvas, "", "", Plain());
  const QImage& image = canvas.image();

  ExpectProbes(image,
               {// Axis column 40: rows 5..269 and 276..540.
                {40, 4, "black"},
                {40, 5, "white"},
                {40, 269, "white"},
                {40, 270, "black"},
                {40, 275, "black"},
                {40, 276, "white"},
                {40, 540, "white"},
                {40, 541, "black"},
                // Baselines from column 40 to the right edge.
                {39, 137, "black"},
                {41, 137, "white"},
                {1015, 137, "white"},
                {39, 408, "black"},
                {41, 408, "white"},
                {1015, 408, "white"},
                // Ticks from column 40 to 31; 30 is the unpainted end.
                {35, 10, "white"},
                {30, 10, "black"},
                {35, 265, "white"},
                {30, 265, "black"},
                {35, 281, "white"},
                {30, 281, "black"},
                {35, 536, "white"},
                {30, 536, "black"},
                {35, 11, "black"},
                {35, 9, "black"},
                {35, 264, "black"},
                {35, 266, "black"}},
               "frame");
  // Nothing else in the plot area: a column between the markers holds only
  // the two baseline pixels.
  EXPECT_EQ(PaintedRows(image, 500, 0, kPicture.height() - 1), "137..137,408..408");
}

TEST(DrawAxes, MarkerLinesBySreenWidth) {
  struct Case {
    int screen_width;
    int second_marker;
    int other_column;
  };
  for (const Case c : {Case{1024, 1000, 750}, Case{800, 750, 1000}, Case{1280, 1000, 750}}) {
    QImageCanvas canvas(kPicture);
    DrawAxes(canvas, "+127", "-128", Plain(c.screen_width));
    const QImage& image = canvas.image();
    for (const int column : {200, c.second_marker}) {
      ExpectProbes(image,
                   {{column, 0, "yellow"},
                    {column, 100, "yellow"},
                    {column, 137, "white"},
                    {column, 408, "white"},
                    {column, 559, "yellow"}},
                   "marker");
    }
    EXPECT_EQ(PaintedRows(image, c.other_column, 0, kPicture.height() - 1), "137..137,408..408")
        << c.screen_width;
  }
  EXPECT_EQ(WebSiteLabelPosition(800), (PanelPosition{560, 350}));
  EXPECT_EQ(WebSiteLabelPosition(1024), (PanelPosition{820, 525}));
}

// The label cells, with the tick rows left out: the tick ends at column 31 and
// a label cell of the wider ranges reaches past it.
constexpr QRect kLabelCells[] = {QRect(0, 0, 30, 10), QRect(0, 255, 30, 10), QRect(0, 271, 30, 10),
                                 QRect(0, 526, 30, 10)};

TEST(DrawAxes, LabelsPerWaveRange) {
  for (int range = 0; range < 6; ++range) {
    const WaveRangeRow row = kWaveRanges[static_cast<std::size_t>(range)];
    QImageCanvas canvas(kPicture);
    ASSERT_TRUE(DrawAxesForWaveRange(canvas, range, Plain()));

    // The same texts set at the label corners by hand.
    QImageCanvas expected(kPicture);
    expected.SetBrushColor(kBlack);
    expected.SetFontColor(kWhite);
    expected.SetFontName("Courier New");
    expected.SetFontSize(10);
    expected.TextOut(3, 3, row.upper_label);
    expected.TextOut(3, 258, row.lower_label);
    expected.TextOut(3, 274, row.upper_label);
    expected.TextOut(3, 529, row.lower_label);
    for (const QRect& cell : kLabelCells) {
      EXPECT_TRUE(SameRegion(canvas.image(), expected.image(), cell))
          << "range " << range << " cell at row " << cell.top();
      EXPECT_FALSE(AllBlack(canvas.image(), cell)) << "range " << range;
    }
  }
}

TEST(DrawAxes, NoRowSelectedLeavesTheOldFrame) {
  QImageCanvas canvas(kPicture);
  DrawAxesForWaveRange(canvas, 2, Plain());
  const QImage before = canvas.image();
  EXPECT_FALSE(DrawAxesForWaveRange(canvas, -1, Plain()));
  EXPECT_FALSE(DrawAxesForWaveRange(canvas, 6, Plain()));
  EXPECT_EQ(canvas.image(), before);
}

TEST(DrawAxes, FontSizeByLanguage) {
  struct Case {
    const char* language;
    int pixel_size;
  };
  // German and Russia keep whatever size the canvas had: here the English one.
  const Case cases[] = {{"English", 13}, {"ChineseS", 17}, {"German", 17},
                        {"English", 13}, {"ChineseT", 17}, {"Russia", 17}};
  QImageCanvas canvas(kPicture);
  for (const Case& c : cases) {
    PlotEnvironment environment = Plain();
    environment.active_language = c.language;
    DrawAxes(canvas, "+127", "-128", environment);
    EXPECT_EQ(canvas.font().pixelSize(), c.pixel_size) << c.language;
  }
}

// A black picture with a white pen: bars only, no frame.
std::unique_ptr<QImageCanvas> BarsOnly() {
  auto canvas = std::make_unique<QImageCanvas>(kPicture);
  canvas->SetPenColor(kWhite);
  return canvas;
}

TEST(DrawWave, BarsEndOnTheTickRows) {
  struct Case {
    int wave_range;
    int raw;
    const char* x_rows;  // painted rows of the X bar
    const char* y_rows;  // of the Y bar, with the same raw value
  };
  const Case cases[] = {
      {0, 0, "", ""},
      {0, 1, "137..137", "408..408"},
      {0, -1, "137..137", "408..408"},
      {0, 2, "136..137", "407..408"},
      {0, 127, "11..137", "282..408"},
      {0, -128, "137..264", "408..535"},
      {0, 200, "11..137", "282..408"},
      {0, -200, "137..264", "408..535"},
      {1, 3, "136..137", "407..408"},
      {1, 255, "11..137", "282..408"},
      {1, -257, "137..264", "408..535"},
      {5, 30, "", ""},
      {5, 31, "137..137", "408..408"},
      {5, 4095, "11..137", "282..408"},
      {5, -4096, "137..264", "408..535"},
      {-1, 1, "134..137", "405..408"},
  };
  for (const Case& c : cases) {
    auto timeline = std::make_unique<SampleTimeline>();
    timeline->entries[7] = SampleSlot{1, c.raw, c.raw, 0, 0, 0, 0};
    timeline->sample_count = 8;
    auto canvas = BarsOnly();
    DrawWave(*canvas, *timeline, c.wave_range);
    const QImage& image = canvas->image();
    EXPECT_EQ(PaintedRows(image, 48, 0, 271), c.x_rows) << "range " << c.wave_range << " " << c.raw;
    EXPECT_EQ(PaintedRows(image, 48, 272, kPicture.height() - 1), c.y_rows)
        << "range " << c.wave_range << " " << c.raw;
  }
}

TEST(DrawWave, EmptyEntriesLeaveGapsAndNothingPastTheSampleCount) {
  auto timeline = std::make_unique<SampleTimeline>();
  for (int i = 0; i < 10; ++i) timeline->entries[i] = SampleSlot{1, 50, -50, 0, 0, 0, 0};
  timeline->entries[3].valid = 0;
  timeline->sample_count = 6;
  auto canvas = BarsOnly();
  DrawWave(*canvas, *timeline, 0);
  const QImage& image = canvas->image();
  // Entry i in column 41 + i.
  for (int column = 38; column < 55; ++column) {
    const bool drawn = column >= 41 && column <= 46 && column != 44;
    EXPECT_EQ(PaintedRows(image, column, 0, kPicture.height() - 1), drawn ? "88..137,408..457" : "")
        << "column " << column;
  }
}

TEST(DrawWave, RealtimeBarsGiveTheSamePictureAsTheEndOfTest) {
  auto timeline = std::make_unique<SampleTimeline>();
  for (int i = 0; i < 900; ++i) {
    timeline->entries[i] =
        SampleSlot{i % 7 != 3, (i * 37) % 700 - 350, (i * 11) % 90 - 45, 0, 0, 8, 8 * i};
  }
  timeline->sample_count = 900;
  const int range = 2;

  QImageCanvas at_end(kPicture);
  DrawAxesForWaveRange(at_end, range, Captioned());
  DrawWave(at_end, *timeline, range);

  // Record placement draws position p (entry p - 1) in column p + 40.
  QImageCanvas realtime(kPicture);
  DrawAxesForWaveRange(realtime, range, Captioned());
  for (int position = 1; position <= 900; ++position) {
    const SampleSlot& slot = timeline->entries[position - 1];
    if (!slot.valid) continue;
    DrawBars(realtime, position + 40, DisplayValue(slot.dx, WaveRangeBitWidth(range)),
             DisplayValue(slot.dy, WaveRangeBitWidth(range)));
  }
  EXPECT_EQ(realtime.image(), at_end.image());
}

TEST(RedrawForWaveRange, RedrawsTheSameMovementAtTheNewScale) {
  auto timeline = std::make_unique<SampleTimeline>();
  timeline->entries[0] = SampleSlot{1, 300, -300, 0, 0, 0, 0};
  timeline->sample_count = 1;
  QImageCanvas canvas(kPicture);

  ASSERT_TRUE(RedrawForWaveRange(canvas, *timeline, 0, Plain()));
  EXPECT_EQ(PaintedRows(canvas.image(), 41, 0, 271), "11..137");
  // (300 + 1) / 4 = 75 at the 10-bit range: the old, longer bar is gone.
  ASSERT_TRUE(RedrawForWaveRange(canvas, *timeline, 2, Plain()));
  EXPECT_EQ(PaintedRows(canvas.image(), 41, 0, 271), "63..137");
  EXPECT_EQ(PaintedRows(canvas.image(), 41, 272, kPicture.height() - 1), "408..482");

  // No row selected: the frame stays and the bars are drawn over it with bit
  // width 7, (300 + 1) * 2 clamped to 127.
  EXPECT_FALSE(RedrawForWaveRange(canvas, *timeline, -1, Plain()));
  EXPECT_EQ(PaintedRows(canvas.image(), 41, 0, 271), "11..137");
}

TEST(DrawZoomedWave, PaintsRawBarsOneColumnLeftWithTheCaption) {
  auto timeline = std::make_unique<SampleTimeline>();
  timeline->entries[0] = SampleSlot{1, 1, -1, 0, 0, 0, 0};
  timeline->entries[1] = SampleSlot{1, 300, -300, 0, 0, 0, 0};
  timeline->entries[2] = SampleSlot{1, INT32_MIN, 0, 0, 0, 0, 0};
  timeline->entries[3] = SampleSlot{1, 0, INT32_MAX, 0, 0, 0, 0};
  timeline->sample_count = 4;

  for (const int screen_width : {1024, 800}) {
    QImageCanvas canvas(kPicture);
    const PlotEnvironment environment{screen_width, "English", "", "", "Diff = "};
    DrawZoomedWave(canvas, *timeline, 0, 2, 40.1f, environment);
    const QImage& image = canvas.image();
    // Factor 2: entries in columns 40, 42, 44, 46; raw values are neither
    // scaled nor clamped, so bars leave their panels, up to the picture edge.
    const int bottom = kPicture.height() - 1;
    EXPECT_EQ(PaintedRows(image, 42, 0, bottom), "0..137,408..559");
    EXPECT_EQ(PaintedRows(image, 44, 0, bottom), "137..559");
    EXPECT_EQ(PaintedRows(image, 46, 0, bottom), "0..408");
    EXPECT_EQ(PaintedRows(image, 43, 0, bottom), "137..137,408..408");

    // The caption where the scoring step paints it, in full float form.
    const PanelPosition at = DifferenceCaptionPosition(screen_width);
    QImageCanvas expected(kPicture);
    expected.SetBrushColor(kBlack);
    expected.SetFontColor(kWhite);
    expected.SetFontName("Courier New");
    expected.SetFontSize(10);
    expected.TextOut(at.left, at.top, "Diff = 40.0999984741211");
    const QRect caption(at.left, at.top, 200, 12);
    EXPECT_TRUE(SameRegion(image, expected.image(), caption)) << screen_width;
    EXPECT_FALSE(AllBlack(image, caption));
  }
}

// Not a check: writes the plain and a zoomed view of a swinging test as PNG
// pictures to look at, under the build's tests/output/display.
TEST(WavePictures, WritesPlainAndZoomedViews) {
  auto timeline = std::make_unique<SampleTimeline>();
  for (int i = 0; i < 964; ++i) {
    const double swing = std::sin(i * 2.0 * std::numbers::pi / 120.0);
    timeline->entries[i] = SampleSlot{i % 97 != 50,
                                      static_cast<int>(std::lround(110 * swing)),
                                      static_cast<int>(std::lround(12 * std::cos(i * 0.05))),
                                      0,
                                      0,
                                      8,
                                      8 * i};
  }
  timeline->sample_count = 964;
  const QString folder = QStringLiteral(MQT_DISPLAY_OUTPUT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));

  QImageCanvas canvas(QSize(1014, 560));
  const PlotEnvironment environment{1024, "English", "X-Axis", "Y-Axis", "Difference = "};
  RedrawForWaveRange(canvas, *timeline, 0, environment);
  EXPECT_TRUE(canvas.image().save(folder + "/plain_view.png"));
  DrawZoomedWave(canvas, *timeline, 420, 4, 40.1f, environment);
  EXPECT_TRUE(canvas.image().save(folder + "/zoomed_view.png"));
}

}  // namespace
}  // namespace mqt
