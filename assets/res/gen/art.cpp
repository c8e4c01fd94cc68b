#include "art.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

namespace art {

bool IsChinese(const QString& language) { return language.startsWith("Chinese"); }

QFont Font(const QString& language, int pixels, int weight) {
  QFont font;
  if (IsChinese(language)) {
    font.setFamilies({"WenQuanYi Zen Hei", "DejaVu Sans"});
  } else {
    font.setFamilies({"DejaVu Sans", "WenQuanYi Zen Hei"});
  }
  font.setPixelSize(pixels);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont Fit(QFont font, const QString& text, qreal max_width) {
  while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(text) > max_width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

void DrawMouse(QPainter& p, const QRectF& box, const QColor& body, const QColor& accent) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = box.width();
  const qreal h = box.height();
  const QRectF shell(box.left() + w * 0.08, box.top() + h * 0.18, w * 0.84, h * 0.80);

  // Cable leaving the front of the mouse.
  QPainterPath cable;
  cable.moveTo(shell.center().x(), shell.top() + 2);
  cable.cubicTo(shell.center().x(), box.top() + h * 0.06, box.left() + w * 0.78,
                box.top() + h * 0.12, box.left() + w * 0.86, box.top());
  p.setPen(QPen(accent, std::max<qreal>(1.5, w * 0.05), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cable);

  // Body with a soft top light.
  QLinearGradient fill(shell.topLeft(), shell.bottomRight());
  fill.setColorAt(0.0, body.lighter(125));
  fill.setColorAt(1.0, body.darker(115));
  QPainterPath outline;
  outline.addRoundedRect(shell, shell.width() * 0.48, shell.height() * 0.36);
  p.setPen(QPen(body.darker(160), std::max<qreal>(1.0, w * 0.025)));
  p.setBrush(fill);
  p.drawPath(outline);

  // Button split and the wheel.
  const qreal split = shell.top() + shell.height() * 0.42;
  p.setPen(QPen(body.darker(150), std::max<qreal>(1.0, w * 0.02)));
  p.drawLine(QPointF(shell.center().x(), shell.top() + 1), QPointF(shell.center().x(), split));
  p.drawLine(QPointF(shell.left() + shell.width() * 0.04, split),
             QPointF(shell.right() - shell.width() * 0.04, split));
  const QRectF wheel(shell.center().x() - w * 0.07, shell.top() + shell.height() * 0.10, w * 0.14,
                     shell.height() * 0.22);
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRoundedRect(wheel, wheel.width() / 2, wheel.width() / 2);
  p.restore();
}

void DrawBars(QPainter& p, const QRectF& area, qreal baseline, int count, qreal step,
              const std::function<qreal(int)>& value, const QColor& colour, qreal bar_width) {
  p.save();
  p.setClipRect(area);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const qreal x = area.left() + i * step;
    const qreal v = value(i);
    if (v == 0) continue;
    p.drawRect(QRectF(x, v > 0 ? baseline - v : baseline, bar_width, std::abs(v)));
  }
  p.restore();
}

qreal DrawParagraph(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour, int flags) {
  p.save();
  p.setFont(font);
  p.setPen(colour);
  QRectF used;
  p.drawText(box, flags | Qt::TextWordWrap, text, &used);
  p.restore();
  return used.height();
}

}  // namespace art
