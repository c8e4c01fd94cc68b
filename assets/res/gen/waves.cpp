#include "waves.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "art.h"

namespace {

// A fixed pseudo-random value in [-1, 1] for entry i, so every build paints
// the same picture.
double Hash(int i, int salt) {
  std::uint32_t x =
      static_cast<std::uint32_t>(i) * 2654435761u ^ static_cast<std::uint32_t>(salt) * 40503u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return (x % 20001) / 10000.0 - 1.0;
}

constexpr int kStart = 40;  // entries before the hand starts moving
constexpr int kEntries = 1000;

double Swing(int i, double period, double amplitude) {
  const double t = (i - kStart) / period;
  const double envelope = 0.85 + 0.15 * std::sin(t * 0.37);
  return amplitude * envelope * std::sin(2 * std::numbers::pi * t);
}

}  // namespace

int WaveSample(const QString& kind, int i) {
  if (i < kStart || i >= kEntries) return 0;
  if (kind == "good") return static_cast<int>(std::lround(Swing(i, 46, 58) + Hash(i, 1) * 1.5));
  if (kind == "bad") {
    const double v = Swing(i, 46, 58);
    // A sensor that loses and regains track: counts jump around the swing.
    double factor = 1.0 + 0.55 * Hash(i, 2);
    if (Hash(i, 3) > 0.86) factor = 0.15;
    return static_cast<int>(std::lround(v * factor));
  }
  if (kind == "pause") {
    if (i >= 520 && i < 545) return 0;
    return static_cast<int>(std::lround(Swing(i, 46, 58) + Hash(i, 4) * 1.5));
  }
  if (kind == "slow") return static_cast<int>(std::lround(Swing(i, 170, 17) + Hash(i, 5)));
  return 0;
}

QImage WavePicture(const QString& kind, int width, int height) {
  if (kind != "good" && kind != "bad" && kind != "pause" && kind != "slow") return {};
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(art::kPlot);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = height / 300.0;  // layout drawn for a 300-pixel-high picture
  const qreal left = 40 * s;
  const qreal step = (width - left - 12 * s) / kEntries;
  const qreal x_base = 95 * s;
  const qreal y_base = 235 * s;
  const qreal scale = 1.1 * s;

  // Axes and the two baselines.
  p.setPen(QPen(QColor(150, 150, 150), 1.2 * s));
  p.drawLine(QPointF(left, 10 * s), QPointF(left, height - 10 * s));
  p.drawLine(QPointF(left, x_base), QPointF(width, x_base));
  p.drawLine(QPointF(left, y_base), QPointF(width, y_base));

  // The stretch the analysis rates.
  p.setPen(QPen(art::kMarker, 1.4 * s));
  for (int entry : {161, 960}) {
    const qreal x = left + entry * step;
    p.drawLine(QPointF(x, 0), QPointF(x, height));
  }

  // The size a swing must reach to count.
  if (kind == "slow") {
    p.setPen(QPen(QColor(255, 120, 90), 1.2 * s, Qt::DashLine));
    for (int sign : {-1, 1}) {
      const qreal y = x_base - sign * 24 * scale;
      p.drawLine(QPointF(left, y), QPointF(width, y));
    }
  }
  if (kind == "pause") {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 90, 70, 70));
    p.drawRect(QRectF(left + 516 * step, 8 * s, 33 * step, height - 16 * s));
  }

  const QRectF plot(left + 1, 0, width - left - 1, height);
  art::DrawBars(
      p, plot, x_base, kEntries, step, [&](int i) { return WaveSample(kind, i) * scale; },
      Qt::white, std::max<qreal>(1.0, step * 0.7));
  art::DrawBars(
      p, plot, y_base, kEntries, step,
      [&](int i) {
        const int x = WaveSample(kind, i);
        return x == 0 ? 0.0 : (Hash(i, 9) * 6 + x * 0.08) * scale;
      },
      Qt::white, std::max<qreal>(1.0, step * 0.7));

  QFont font("DejaVu Sans");
  font.setPixelSize(static_cast<int>(15 * s));
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(200, 200, 200));
  p.drawText(QPointF(10 * s, 40 * s), "X");
  p.drawText(QPointF(10 * s, 180 * s), "Y");
  return image;
}
