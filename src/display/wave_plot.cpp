#include "display/wave_plot.h"

#include <algorithm>
#include <cstddef>

#include "capture/display_value.h"
#include "display/wave_range.h"

namespace mqt {
namespace {

// One panel's frame; the Y panel is the X panel moved down by 271 rows.
struct PanelFrame {
  int axis_top;
  int axis_bottom;
  int baseline;
  int upper_tick;
  int upper_label_top;
  int lower_tick;
  int lower_label_top;
  int caption_top;
};

constexpr PanelFrame kXPanel{5, 270, kXBaselineRow, 10, 3, 265, 258, 130};
constexpr PanelFrame kYPanel{276, 541, kYBaselineRow, 281, 274, 536, 529, 401};

constexpr int kTickEndColumn = 30;
constexpr int kTextColumn = 3;

void DrawPanelFrame(Canvas& canvas, const PanelFrame& panel, std::string_view upper_label,
                    std::string_view lower_label, std::string_view caption) {
  DrawLine(canvas, kAxisColumn, panel.axis_top, kAxisColumn, panel.axis_bottom);
  DrawLine(canvas, kAxisColumn, panel.baseline, canvas.Width(), panel.baseline);
  DrawLine(canvas, kAxisColumn, panel.upper_tick, kTickEndColumn, panel.upper_tick);
  canvas.TextOut(kTextColumn, panel.upper_label_top, upper_label);
  DrawLine(canvas, kAxisColumn, panel.lower_tick, kTickEndColumn, panel.lower_tick);
  canvas.TextOut(kTextColumn, panel.lower_label_top, lower_label);
  canvas.TextOut(kTextColumn, panel.caption_top, caption);
}

}  // namespace

int SecondMarkerColumn(int screen_width) { return IsNarrowScreen(screen_width) ? 750 : 1000; }

PanelPosition WebSiteLabelPosition(int screen_width) {
  return IsNarrowScreen(screen_width) ? PanelPosition{560, 350} : PanelPosition{820, 525};
}

std::optional<int> PlotFontSize(std::string_view active_language) {
  if (active_language == "English") return 10;
  if (active_language == "ChineseS" || active_language == "ChineseT") return 13;
  return std::nullopt;
}

void DrawAxes(Canvas& canvas, std::string_view upper_label, std::string_view lower_label,
              const PlotEnvironment& environment) {
  canvas.SetPenColor(kWhite);
  canvas.SetBrushColor(kBlack);
  canvas.SetFontColor(kWhite);
  canvas.SetFontName("Courier New");
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());

  canvas.SetPenColor(kYellow);
  DrawLine(canvas, kFirstMarkerColumn, 0, kFirstMarkerColumn, canvas.Height());
  const int second_marker = SecondMarkerColumn(environment.screen_width);
  DrawLine(canvas, second_marker, 0, second_marker, canvas.Height());

  canvas.SetPenColor(kWhite);
  if (const auto size = PlotFontSize(environment.active_language)) canvas.SetFontSize(*size);

  DrawPanelFrame(canvas, kXPanel, upper_label, lower_label, environment.paint_axis_x);
  DrawPanelFrame(canvas, kYPanel, upper_label, lower_label, environment.paint_axis_y);
}

bool DrawAxesForWaveRange(Canvas& canvas, int wave_range, const PlotEnvironment& environment) {
  const auto row = WaveRangeAt(wave_range);
  if (!row) return false;
  DrawAxes(canvas, row->upper_label, row->lower_label, environment);
  return true;
}

void DrawBars(Canvas& canvas, int column, int x_value, int y_value) {
  DrawLine(canvas, column, kXBaselineRow, column, kXBaselineRow - x_value);
  DrawLine(canvas, column, kYBaselineRow, column, kYBaselineRow - y_value);
}

void DrawWave(Canvas& canvas, const SampleTimeline& timeline, int wave_range) {
  const int bit_width = WaveRangeBitWidth(wave_range);
  const int count = std::min<int>(timeline.sample_count, SampleTimeline::kEntries);
  for (int i = 0; i < count; ++i) {
    const SampleSlot& slot = timeline.entries[static_cast<std::size_t>(i)];
    if (slot.valid == 0) continue;
    DrawBars(canvas, kFirstBarColumn + i, DisplayValue(slot.dx, bit_width),
             DisplayValue(slot.dy, bit_width));
  }
}

bool RedrawForWaveRange(Canvas& canvas, const SampleTimeline& timeline, int wave_range,
                        const PlotEnvironment& environment) {
  const bool framed = DrawAxesForWaveRange(canvas, wave_range, environment);
  DrawWave(canvas, timeline, wave_range);
  return framed;
}

}  // namespace mqt
