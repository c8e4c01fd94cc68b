#include "shell/Xwindowshape.h"

namespace mqt {

namespace {

struct Span {
  int begin = 0;
  int end = 0;  // excluded
};

// The row pass: for row y, the span from the first opaque pixel to the last
// opaque pixel, the last one excluded.
Span RowSpan(const PixelGrid& picture, std::uint32_t transparent, int y) {
  const int w = picture.width;
  int left = 0;
  while (left < w && picture.At(left, y) == transparent) ++left;
  if (left == w) return {w, w};
  int right = w - 1;
  while (right > left && picture.At(right, y) == transparent) --right;
  return {left, right};
}

// The column pass, the same with rows and columns exchanged.
Span ColumnSpan(const PixelGrid& picture, std::uint32_t transparent, int x) {
  const int h = picture.height;
  int top = 0;
  while (top < h && picture.At(x, top) == transparent) ++top;
  if (top == h) return {h, h};
  int bottom = h - 1;
  while (bottom > top && picture.At(x, bottom) == transparent) --bottom;
  return {top, bottom};
}

}  // namespace

std::vector<RegionRect> RegionFromBitmap(const PixelGrid& picture) {
  std::vector<RegionRect> result;
  const int w = picture.width;
  const int h = picture.height;
  if (w <= 0 || h <= 0 ||
      picture.pixels.size() < static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {
    return result;
  }
  const std::uint32_t transparent = picture.At(0, 0);

  std::vector<Span> columns(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x)
    columns[static_cast<std::size_t>(x)] = ColumnSpan(picture, transparent, x);

  // Rectangles of the band that is still growing downward; a row whose runs
  // equal the band's runs extends it, any other row closes it.
  std::vector<RegionRect> band;
  std::vector<RegionRect> runs;
  auto close_band = [&] {
    result.insert(result.end(), band.begin(), band.end());
    band.clear();
  };

  for (int y = 0; y < h; ++y) {
    runs.clear();
    const Span row = RowSpan(picture, transparent, y);
    int x = row.begin;
    while (x < row.end) {
      auto inside = [&](int cx) {
        const Span& c = columns[static_cast<std::size_t>(cx)];
        return c.begin <= y && y < c.end;
      };
      while (x < row.end && !inside(x)) ++x;
      if (x == row.end) break;
      const int start = x;
      while (x < row.end && inside(x)) ++x;
      runs.push_back({start, y, x, y + 1});
    }

    bool same = !band.empty() && band.size() == runs.size() && band.front().bottom == y;
    for (std::size_t i = 0; same && i < runs.size(); ++i) {
      same = band[i].left == runs[i].left && band[i].right == runs[i].right;
    }
    if (same) {
      for (auto& r : band) r.bottom = y + 1;
    } else {
      close_band();
      band = runs;
    }
  }
  close_band();
  return result;
}

}  // namespace mqt
