#pragma once

#include <cstdint>
#include <string_view>

namespace mqt {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend constexpr bool operator==(Color, Color) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kYellow{255, 255, 0};

// A picture to draw on, with the drawing rules the wave plot relies on: a pen
// position, lines that stop one pixel short of their end point, text placed by
// its top-left corner on the brush colour. Pixel rows and columns count from
// the top-left corner.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPenColor(Color color) = 0;
  virtual void SetBrushColor(Color color) = 0;
  virtual void SetFontColor(Color color) = 0;
  virtual void SetFontName(std::string_view name) = 0;
  // Size in points; the plot is laid out in pixels at 96 pixels per inch.
  virtual void SetFontSize(int points) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // Paints a one-pixel line from the pen position towards (x, y), leaving
  // (x, y) itself unpainted, and moves the pen there. A zero-length line
  // paints nothing.
  virtual void LineTo(int x, int y) = 0;
  // Fills the columns left..right-1 of the rows top..bottom-1 with the brush.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  // Draws UTF-8 text in the font colour on a cell filled with the brush,
  // the cell's top-left corner at (x, y).
  virtual void TextOut(int x, int y, std::string_view text) = 0;
};

// Move-to then line-to: the end point stays unpainted.
inline void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

}  // namespace mqt
