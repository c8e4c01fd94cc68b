#pragma once

#include <cstdint>
#include <vector>

namespace mqt {

// A picture as plain pixels, row by row: pixels[y * width + x], 0xRRGGBB.
struct PixelGrid {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// One rectangle of a window region; right and bottom edges excluded.
struct RegionRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  friend bool operator==(const RegionRect&, const RegionRect&) = default;
};

// The splash window's outline from its background picture. The colour of the
// top-left pixel is transparent. Each row gives one span from its first opaque
// pixel up to, not including, its last opaque pixel; each column likewise; the
// region is where a row span and a column span overlap. So areas of the corner
// colour inside the outline stay visible.
//
// The result covers the region exactly with non-overlapping rectangles, rows
// with the same spans merged into one band.
std::vector<RegionRect> RegionFromBitmap(const PixelGrid& picture);

}  // namespace mqt
