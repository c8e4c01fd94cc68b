#include "display/qimage_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace mqt {
namespace {

QRgb ToRgb(Color color) { return qRgb(color.red, color.green, color.blue); }

// The plot is laid out in pixels for 96 pixels per inch.
int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

constexpr int kDefaultFontPoints = 8;

}  // namespace

void RegisterPlotFontSubstitutes() {
  if (QFont::substitute(QStringLiteral("Courier New")) != QStringLiteral("Liberation Mono")) {
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  }
}

QImageCanvas::QImageCanvas(QSize size)
    : image_(size, QImage::Format_RGB32),
      pen_(ToRgb(kBlack)),
      brush_(Qt::white),
      font_color_(Qt::black) {
  RegisterPlotFontSubstitutes();
  image_.fill(Qt::black);
  font_.setPixelSize(PointsToPixels(kDefaultFontPoints));
  font_.setStyleStrategy(QFont::NoAntialias);
  // Whole-pixel advances, as the plot's layout in pixels expects.
  font_.setHintingPreference(QFont::PreferFullHinting);
}

void QImageCanvas::Resize(QSize size) {
  if (size == image_.size()) return;
  QImage resized(size, QImage::Format_RGB32);
  resized.fill(Qt::black);
  QPainter painter(&resized);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = std::move(resized);
}

void QImageCanvas::SetPenColor(Color color) { pen_ = ToRgb(color); }

void QImageCanvas::SetBrushColor(Color color) { brush_ = QColor(ToRgb(color)); }

void QImageCanvas::SetFontColor(Color color) { font_color_ = QColor(ToRgb(color)); }

void QImageCanvas::SetFontName(std::string_view name) {
  font_.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

void QImageCanvas::SetFontSize(int points) {
  font_.setPixelSize(std::max(1, PointsToPixels(points)));
}

void QImageCanvas::MoveTo(int x, int y) { pen_position_ = QPoint(x, y); }

void QImageCanvas::Plot(long long x, long long y) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)))[x] = pen_;
}

void QImageCanvas::PlotSpan(long long fixed, long long from, long long to, bool vertical) {
  // Only the pixels inside the picture are visited, however long the span.
  const long long limit = (vertical ? image_.height() : image_.width()) - 1LL;
  const long long low = std::max(std::min(from, to), 0LL);
  const long long high = std::min(std::max(from, to), limit);
  for (long long i = low; i <= high; ++i) {
    if (vertical) {
      Plot(fixed, i);
    } else {
      Plot(i, fixed);
    }
  }
}

void QImageCanvas::LineTo(int x, int y) {
  const QPoint from = std::exchange(pen_position_, QPoint(x, y));
  const long long x0 = from.x();
  const long long y0 = from.y();
  const long long x1 = x;
  const long long y1 = y;
  // The end point itself stays unpainted; a zero-length line paints nothing.
  if (x0 == x1 && y0 == y1) return;
  if (x0 == x1) {
    PlotSpan(x0, y0, y1 > y0 ? y1 - 1 : y1 + 1, true);
    return;
  }
  if (y0 == y1) {
    PlotSpan(y0, x0, x1 > x0 ? x1 - 1 : x1 + 1, false);
    return;
  }

  // Bresenham for slanted lines.
  const long long dx = std::llabs(x1 - x0);
  const long long dy = -std::llabs(y1 - y0);
  const long long sx = x0 < x1 ? 1 : -1;
  const long long sy = y0 < y1 ? 1 : -1;
  long long error = dx + dy;
  long long cx = x0;
  long long cy = y0;
  while (cx != x1 || cy != y1) {
    Plot(cx, cy);
    const long long doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      cx += sx;
    }
    if (doubled <= dx) {
      error += dx;
      cy += sy;
    }
  }
}

void QImageCanvas::FillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, right - left, bottom - top), brush_);
}

void QImageCanvas::TextOut(int x, int y, std::string_view text) {
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QPainter painter(&image_);
  painter.setFont(font_);
  const QFontMetrics metrics = painter.fontMetrics();
  const QRect cell(x, y, metrics.horizontalAdvance(string), metrics.height());
  painter.fillRect(cell, brush_);
  painter.setPen(font_color_);
  painter.drawText(x, y + metrics.ascent(), string);
}

}  // namespace mqt
