#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <string>

namespace mqt::testing_support {

inline QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

inline const char* ColorName(QRgb rgb) {
  switch (rgb & 0xFFFFFFu) {
    case 0x000000u:
      return "black";
    case 0xFFFFFFu:
      return "white";
    case 0xFFFF00u:
      return "yellow";
    default:
      return "other";
  }
}

// The rows of `column` within top..bottom that are not black, as "first..last"
// runs, e.g. "11..137"; "" when all are black.
inline std::string PaintedRows(const QImage& image, int column, int top, int bottom) {
  std::string runs;
  int start = -1;
  for (int y = top; y <= bottom + 1; ++y) {
    const bool painted = y <= bottom && PixelAt(image, column, y) != 0;
    if (painted && start < 0) start = y;
    if (!painted && start >= 0) {
      if (!runs.empty()) runs += ",";
      runs += std::to_string(start) + ".." + std::to_string(y - 1);
      start = -1;
    }
  }
  return runs;
}

inline bool SameRegion(const QImage& a, const QImage& b, const QRect& region) {
  return a.copy(region) == b.copy(region);
}

inline bool AllBlack(const QImage& image, const QRect& region) {
  for (int y = region.top(); y <= region.bottom(); ++y) {
    for (int x = region.left(); x <= region.right(); ++x) {
      if (PixelAt(image, x, y) != 0) return false;
    }
  }
  return true;
}

}  // namespace mqt::testing_support
