#include "display/zoom.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "display/wave_plot.h"

namespace mqt {

int MaxZoomFactor(int image_width) {
  const int plot_width = image_width - kAxisColumn;
  int factor = 1;
  // Capped well below the int limit so a doubled factor never overflows.
  while (factor < plot_width && factor < (1 << 29)) factor *= 2;
  return factor;
}

std::optional<ZoomStep> ZoomAtColumn(ZoomTool tool, int column, int factor, int first_entry,
                                     int image_width) {
  factor = std::max(factor, 1);
  // 64-bit, so no column or scroll position can overflow on the way.
  const std::int64_t offset = static_cast<std::int64_t>(column) - kAxisColumn;
  std::int64_t next_first = 0;
  int next_factor = factor;
  switch (tool) {
    case ZoomTool::kNone:
      return std::nullopt;
    case ZoomTool::kZoomIn:
      if (factor >= MaxZoomFactor(image_width)) return std::nullopt;
      next_first = offset / factor / 2 + first_entry;
      next_factor = factor * 2;
      break;
    case ZoomTool::kZoomOut:
      if (factor <= 1) return std::nullopt;
      next_first = first_entry - offset / factor;
      next_factor = factor / 2;
      break;
  }
  if (next_first < 0 || next_factor == 1) next_first = 0;
  next_first = std::min<std::int64_t>(next_first, std::numeric_limits<int>::max());
  return ZoomStep{static_cast<int>(next_first), next_factor};
}

ScrollBarSetting ZoomScrollBar(int sample_count, int factor, int first_entry) {
  return ScrollBarSetting{sample_count - 1, sample_count / std::max(factor, 1), first_entry,
                          factor != 1};
}

ScrollBarSetting FitScrollBar(int sample_count) {
  return ScrollBarSetting{sample_count - 1, sample_count, 0, false};
}

}  // namespace mqt
