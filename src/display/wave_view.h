#pragma once

#include <optional>

#include "display/zoom.h"

namespace mqt {

// The zoom state of `ImageXY`: the selected tool (shown as its cursor) and the
// zoom factor. Lives until the next test start or "Fit To Screen"; the first
// shown entry lives in the scroll bar.
class WaveView {
 public:
  // What the window applies after a zoom: `SetZoomScrollBar`(scroll_bar),
  // then `DrawZoomedWave`(first_entry) at zoom_factor().
  struct Redraw {
    ScrollBarSetting scroll_bar;
    int first_entry = 0;

    friend constexpr bool operator==(const Redraw&, const Redraw&) = default;
  };

  ZoomTool tool() const { return tool_; }
  int zoom_factor() const { return zoom_factor_; }

  // `mm_ZoomInClick`, `mm_ZoomOutClick`: the tool stays selected for every
  // further click.
  void SelectTool(ZoomTool tool) { tool_ = tool; }

  // A test starts (`SetBusyControls`): factor 1, no tool.
  void Reset();

  // `ImageXYClick` at `column` of the image, with the scroll bar at
  // `scroll_position`. nullopt when the click changes nothing.
  std::optional<Redraw> Click(int column, int scroll_position, int sample_count, int image_width);

  // `mm_FitToScreenClick`: factor 1, no tool, the whole test from entry 0.
  Redraw FitToScreen(int sample_count);

 private:
  ZoomTool tool_ = ZoomTool::kNone;
  int zoom_factor_ = 1;
};

// Top of the zoom hint dialog on the screen: its bottom edge 3 pixels above
// the bottom edge of `ImageXY`.
constexpr int ZoomHintTop(int image_screen_top, int image_height, int dialog_height) {
  return image_screen_top + image_height - dialog_height - 3;
}

}  // namespace mqt
