#pragma once

#include <string>

namespace mqt {

// What the plot needs to know about its window: the screen width (the layout
// switches on exactly 800 pixels), the active language (font size) and the
// captions already looked up in the language file.
struct PlotEnvironment {
  int screen_width = 0;
  std::string active_language;
  std::string paint_axis_x;      // "PaintAxisX"
  std::string paint_axis_y;      // "PaintAxisY"
  std::string paint_difference;  // "PaintDifference"
};

// A top-left position within the panel that holds the picture.
struct PanelPosition {
  int left = 0;
  int top = 0;

  friend constexpr bool operator==(PanelPosition, PanelPosition) = default;
};

constexpr bool IsNarrowScreen(int screen_width) { return screen_width == 800; }

}  // namespace mqt
