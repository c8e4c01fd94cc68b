#include "display/zoomed_wave.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "analysis/real_text.h"
#include "display/wave_plot.h"

namespace mqt {
namespace {

// The far end of a raw bar, pulled in to just outside the picture: the painted
// pixels stay the same, and a huge count cannot overflow the row arithmetic.
int RawBarEnd(int baseline, std::int32_t value, int height) {
  const std::int64_t end = static_cast<std::int64_t>(baseline) - value;
  return static_cast<int>(std::clamp<std::int64_t>(end, -1, std::max(height, baseline + 1)));
}

}  // namespace

PanelPosition DifferenceCaptionPosition(int screen_width) {
  return IsNarrowScreen(screen_width) ? PanelPosition{202, 350} : PanelPosition{202, 525};
}

std::string DifferenceCaption(std::string_view paint_difference, float difference_value) {
  std::string caption(paint_difference);
  caption += RealText(static_cast<double>(difference_value));
  return caption;
}

void DrawZoomedWave(Canvas& canvas, const SampleTimeline& timeline, int first_entry,
                    int zoom_factor, float difference_value, const PlotEnvironment& environment) {
  DrawAxes(canvas, "+127", "-128", environment);

  const int width = canvas.Width();
  const int height = canvas.Height();
  const std::int64_t factor = std::max(zoom_factor, 1);
  for (int i = 0; i < timeline.sample_count; ++i) {
    const std::int64_t column = kAxisColumn + i * factor;
    if (column > width) break;
    if (i >= width - kAxisColumn) continue;
    const std::int64_t entry = static_cast<std::int64_t>(first_entry) + i;
    if (entry < 0) continue;
    if (entry >= SampleTimeline::kEntries) break;
    const SampleSlot& slot = timeline.entries[static_cast<std::size_t>(entry)];
    if (slot.valid != 1) continue;
    const int x = static_cast<int>(column);
    DrawLine(canvas, x, kXBaselineRow, x, RawBarEnd(kXBaselineRow, slot.dx, height));
    DrawLine(canvas, x, kYBaselineRow, x, RawBarEnd(kYBaselineRow, slot.dy, height));
  }

  const PanelPosition caption = DifferenceCaptionPosition(environment.screen_width);
  canvas.TextOut(caption.left, caption.top,
                 DifferenceCaption(environment.paint_difference, difference_value));
}

}  // namespace mqt
