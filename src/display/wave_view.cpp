#include "display/wave_view.h"

namespace mqt {

void WaveView::Reset() {
  tool_ = ZoomTool::kNone;
  zoom_factor_ = 1;
}

std::optional<WaveView::Redraw> WaveView::Click(int column, int scroll_position, int sample_count,
                                                int image_width) {
  const auto step = ZoomAtColumn(tool_, column, zoom_factor_, scroll_position, image_width);
  if (!step) return std::nullopt;
  zoom_factor_ = step->factor;
  return Redraw{ZoomScrollBar(sample_count, zoom_factor_, step->first_entry), step->first_entry};
}

WaveView::Redraw WaveView::FitToScreen(int sample_count) {
  Reset();
  return Redraw{FitScrollBar(sample_count), 0};
}

}  // namespace mqt
