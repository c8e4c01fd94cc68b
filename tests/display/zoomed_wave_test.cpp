#include "display/zoomed_wave.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "recording_canvas.h"

namespace mqt {
namespace {

using testing_support::RecordingCanvas;

PlotEnvironment Environment(int screen_width = 1024) {
  return PlotEnvironment{screen_width, "English", "X", "Y", "D="};
}

std::vector<int> Columns(const std::vector<RecordingCanvas::Line>& bars) {
  std::vector<int> columns;
  for (const auto& bar : bars) columns.push_back(bar.x0);
  return columns;
}

TEST(DrawZoomedWave, DrawsEachShownEntryAtItsCellWithRawValues) {
  auto timeline = std::make_unique<SampleTimeline>();
  for (int i = 0; i < 20; ++i) {
    timeline->entries[i] = SampleSlot{1, 200 + i, -300 - i, 0, 0, 8, 8 * i};
  }
  timeline->entries[12].valid = 0;  // a gap stays empty
  timeline->sample_count = 20;

  RecordingCanvas canvas(1014, 560);
  DrawZoomedWave(canvas, *timeline, 10, 4, 0.0f, Environment());

  const auto x_bars = canvas.BarsFrom(137);
  const auto y_bars = canvas.BarsFrom(408);
  // Entries 10..19 from column 40 on, every 4th column, entry 12 missing.
  EXPECT_EQ(Columns(x_bars), (std::vector<int>{40, 44, 52, 56, 60, 64, 68, 72, 76}));
  EXPECT_EQ(Columns(y_bars), Columns(x_bars));
  // Not scaled, not clamped: 210 counts reach past the top of the picture,
  // -310 past the bottom.
  EXPECT_LT(x_bars.front().y1, 0);
  EXPECT_GE(y_bars.front().y1, 560);
}

TEST(DrawZoomedWave, StopsAtTheImageEdge) {
  auto timeline = std::make_unique<SampleTimeline>();
  for (auto& slot : timeline->entries) slot = SampleSlot{1, 5, 5, 0, 0, 0, 0};
  timeline->sample_count = SampleTimeline::kEntries;

  struct Case {
    int width, factor, bars;
  };
  // At factor 1 the last column (the image width) is left out; beyond the
  // width the loop stops.
  const Case cases[] = {{1014, 1, 974}, {1014, 2, 488}, {1014, 1024, 1}, {1014, 512, 2}};
  for (const Case& c : cases) {
    RecordingCanvas canvas(c.width, 560);
    DrawZoomedWave(canvas, *timeline, 0, c.factor, 0.0f, Environment());
    EXPECT_EQ(canvas.BarsFrom(137).size(), static_cast<std::size_t>(c.bars)) << c.factor;
  }
}

// A timeline followed by memory that reads as stored entries, so any read past
// entry 2047 would draw bars.
struct TimelineWithTrailer {
  SampleTimeline timeline;
  std::int32_t trailer[7 * 2048];
};

TEST(DrawZoomedWave, NeverReadsPastTheLastTimelineEntry) {
  auto memory = std::make_unique<TimelineWithTrailer>();
  for (auto& slot : memory->timeline.entries) slot = SampleSlot{1, 3, 3, 0, 0, 0, 0};
  for (auto& value : memory->trailer) value = 1;
  memory->timeline.sample_count = 2048;

  // A wide image, scrolled to the last entries: only entries up to 2047 show.
  RecordingCanvas canvas(1400, 600);
  DrawZoomedWave(canvas, memory->timeline, 2040, 1, 0.0f, Environment());
  EXPECT_EQ(Columns(canvas.BarsFrom(137)), (std::vector<int>{40, 41, 42, 43, 44, 45, 46, 47}));

  // The first entry of a zoom-in near the right edge may lie past the end.
  RecordingCanvas past_end(1400, 600);
  DrawZoomedWave(past_end, memory->timeline, 2600, 2, 0.0f, Environment());
  EXPECT_TRUE(past_end.BarsFrom(137).empty());
}

TEST(DrawZoomedWave, ReadsEntriesPastTheSampleCountWhereTheyAreValid) {
  auto timeline = std::make_unique<SampleTimeline>();
  for (int i = 0; i < 1200; ++i) timeline->entries[i] = SampleSlot{1, 4, 4, 0, 0, 0, 0};
  timeline->sample_count = 100;

  RecordingCanvas canvas(1014, 560);
  DrawZoomedWave(canvas, *timeline, 1000, 1, 0.0f, Environment());
  // Entries past the sample count are drawn where their valid flag is set.
  const auto columns = Columns(canvas.BarsFrom(137));
  ASSERT_EQ(columns.size(), 100u);
  EXPECT_EQ(columns.front(), 40);

  // A new test's reset clears every flag, so an older, longer test leaves nothing behind.
  timeline->Reset();
  for (int i = 0; i < 100; ++i) timeline->entries[i].valid = 1;
  RecordingCanvas after_reset(1014, 560);
  DrawZoomedWave(after_reset, *timeline, 1000, 1, 0.0f, Environment());
  EXPECT_TRUE(after_reset.BarsFrom(137).empty());
}

TEST(DrawZoomedWave, FrameUsesTheEightBitLabelsAndCaptionShowsTheFullFloat) {
  auto timeline = std::make_unique<SampleTimeline>();
  struct Case {
    int screen_width, caption_top;
  };
  for (const Case c : {Case{1024, 525}, Case{800, 350}}) {
    RecordingCanvas canvas(1014, 560);
    DrawZoomedWave(canvas, *timeline, 0, 1, 40.1f, Environment(c.screen_width));
    ASSERT_FALSE(canvas.texts.empty());
    EXPECT_EQ(canvas.texts[0].text, "+127");
    EXPECT_EQ(canvas.texts[1].text, "-128");
    const auto& caption = canvas.texts.back();
    EXPECT_EQ(caption.text, "D=40.0999984741211");
    EXPECT_EQ(caption.x, 202);
    EXPECT_EQ(caption.y, c.caption_top);
  }
}

TEST(DifferenceCaption, ShowsTheStoredFloatWithFifteenSignificantDigits) {
  struct Case {
    float value;
    const char* text;
  };
  const Case cases[] = {
      {40.1f, "Diff 40.0999984741211"},
      {31.7f, "Diff 31.7000007629395"},
      {16.0f, "Diff 16"},
      {0.0f, "Diff 0"},
      {-2.5f, "Diff -2.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(DifferenceCaption("Diff ", c.value), c.text);
}

}  // namespace
}  // namespace mqt
