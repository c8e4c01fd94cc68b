#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>

#include "display/canvas.h"

namespace mqt {

// The canvas of `ImageXY`'s picture: a QImage drawn pixel-exactly, without
// antialiasing. Pen, brush, font and pen position persist between calls, so
// whoever draws next (realtime bars, the result caption) finds them as the
// last drawing left them.
class QImageCanvas final : public Canvas {
 public:
  // A black picture of `size`.
  explicit QImageCanvas(QSize size);

  const QImage& image() const { return image_; }
  // A new size keeps the picture's top-left part; new area is black.
  void Resize(QSize size);
  const QFont& font() const { return font_; }

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void SetPenColor(Color color) override;
  void SetBrushColor(Color color) override;
  void SetFontColor(Color color) override;
  void SetFontName(std::string_view name) override;
  void SetFontSize(int points) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, std::string_view text) override;

 private:
  void Plot(long long x, long long y);
  void PlotSpan(long long fixed, long long from, long long to, bool vertical);

  QImage image_;
  QRgb pen_;
  QColor brush_;
  QColor font_color_;
  QFont font_;
  QPoint pen_position_;
};

// Lets "Courier New", the plot's font, resolve to the metric-compatible
// Liberation Mono. Called by every QImageCanvas; harmless to repeat.
void RegisterPlotFontSubstitutes();

}  // namespace mqt
