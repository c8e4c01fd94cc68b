#pragma once

#include <optional>

namespace mqt {

// The tool that the cursor of `ImageXY` stands for.
enum class ZoomTool { kNone, kZoomIn, kZoomOut };

// Range 0..range_end, page size, position and visibility of `HScrollBarXY`.
struct ScrollBarSetting {
  int range_end = 0;
  int page_size = 0;
  int position = 0;
  bool visible = false;

  friend constexpr bool operator==(const ScrollBarSetting&, const ScrollBarSetting&) = default;
};

// The view after a zoom click: the entry drawn at the axis and the factor.
struct ZoomStep {
  int first_entry = 0;
  int factor = 1;

  friend constexpr bool operator==(const ZoomStep&, const ZoomStep&) = default;
};

// The largest zoom factor worth having on an image: the smallest power of two
// that shows a single entry across the plot width. Doubling beyond it shows
// the same single entry again, and would in the end overflow.
int MaxZoomFactor(int image_width);

// A click in `column` with a tool, at the current factor and first shown
// entry. The entry under the pointer stays under it, up to truncation.
// nullopt when the click changes nothing: no tool, zoom-out at factor 1, or
// zoom-in at MaxZoomFactor. The first entry is never negative and is 0 at
// factor 1; it may lie past the last stored entry after a zoom-in near the
// right edge (the scroll bar then brings its own position into range).
std::optional<ZoomStep> ZoomAtColumn(ZoomTool tool, int column, int factor, int first_entry,
                                     int image_width);

// `SetZoomScrollBar` values for a zoomed view of a test with `sample_count`
// entries.
ScrollBarSetting ZoomScrollBar(int sample_count, int factor, int first_entry);

// `SetZoomScrollBar` values of "Fit To Screen": whole test, hidden.
ScrollBarSetting FitScrollBar(int sample_count);

}  // namespace mqt
