#include "pictures.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QTextStream>
#include <cmath>
#include <numbers>

#include "art.h"
#include "words.h"

namespace {

using namespace art;

// Splash window as the station lays it out: background 622 x 478, the Enter
// and Exit pictures at (203, 288) and (319, 288).
constexpr int kSplashWidth = 622;
constexpr int kSplashHeight = 478;
const QPoint kEnterAt(203, 288);
const QPoint kExitAt(319, 288);
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 40;

// A rounded body with a round badge rising from its top-left corner. Every
// row and every column crosses the outline once, so the window region follows
// it exactly.
QPainterPath SplashOutline(qreal inset) {
  QPainterPath body;
  body.addRoundedRect(QRectF(10 + inset, 48 + inset, 602 - 2 * inset, 420 - 2 * inset), 30 - inset,
                      30 - inset);
  QPainterPath badge;
  badge.addEllipse(QPointF(104, 86), 72 - inset, 72 - inset);
  return body.united(badge);
}

double Swing(int i) {
  const double t = i / 17.0;
  return std::sin(2 * std::numbers::pi * t) * (0.8 + 0.2 * std::sin(t * 0.5));
}

void DrawMiniPlot(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 160, 190, 70), 1));
  p.setBrush(kPlot);
  p.drawRoundedRect(r, 8, 8);
  const qreal axis = r.left() + 14;
  const qreal x_base = r.top() + r.height() * 0.40;
  const qreal y_base = r.top() + r.height() * 0.82;
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(90, 100, 110));
  p.drawLine(QPointF(axis, r.top() + 6), QPointF(axis, r.bottom() - 6));
  p.drawLine(QPointF(axis, x_base), QPointF(r.right() - 8, x_base));
  p.drawLine(QPointF(axis, y_base), QPointF(r.right() - 8, y_base));
  p.setPen(kMarker.darker(115));
  for (qreal x : {axis + 40, r.right() - 48})
    p.drawLine(QPointF(x, r.top() + 4), QPointF(x, r.bottom() - 4));

  const QRectF bars(axis + 1, r.top(), r.right() - 10 - axis, r.height());
  const int count = static_cast<int>(bars.width() / 2);
  DrawBars(
      p, bars, x_base, count, 2,
      [](int i) { return i < 12 ? 0.0 : std::round(Swing(i - 12) * 28); }, kCyan.lighter(115));
  DrawBars(
      p, bars, y_base, count, 2,
      [](int i) { return i < 12 ? 0.0 : std::round(std::sin(i * 1.7) * 3 + Swing(i) * 2); }, kMist);
  p.restore();
}

QImage Splash(const Words& words, const QString& lang) {
  QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
  image.fill(kKey);
  QPainter p(&image);

  // The edge is drawn without smoothing so no pixel blends into the
  // transparent colour; the smooth fill sits inside it.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillPath(SplashOutline(0), kInk);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient fill(0, 40, kSplashWidth, kSplashHeight);
  fill.setColorAt(0.0, kNavy);
  fill.setColorAt(0.55, kDeep);
  fill.setColorAt(1.0, QColor(12, 58, 72));
  p.fillPath(SplashOutline(3), fill);
  p.strokePath(SplashOutline(4), QPen(QColor(255, 255, 255, 22), 1));

  // Badge: the mouse under test, swinging.
  QRadialGradient glow(QPointF(104, 86), 66);
  glow.setColorAt(0.0, QColor(32, 120, 140));
  glow.setColorAt(1.0, kDeep);
  p.setPen(QPen(kAmber, 2));
  p.setBrush(glow);
  p.drawEllipse(QPointF(104, 86), 62, 62);
  DrawMouse(p, QRectF(78, 38, 52, 84), QColor(222, 230, 236), kCyan);
  p.setPen(QPen(kCyan, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (int side : {-1, 1}) {
    const qreal x = 104 + side * 44;
    QPolygonF chevron{QPointF(x - side * 6, 72), QPointF(x, 84), QPointF(x - side * 6, 96)};
    p.drawPolyline(chevron);
  }

  // Name of the product.
  QFont brand = Font("English", 13, QFont::Bold);
  brand.setLetterSpacing(QFont::AbsoluteSpacing, 4);
  p.setFont(brand);
  p.setPen(kAmber);
  p.drawText(QPointF(196, 80), words.Get(lang, "Brand"));
  const QString title = words.Get(lang, "Title");
  p.setFont(Fit(Font(lang, 30, QFont::Bold), title, 384));
  p.setPen(Qt::white);
  p.drawText(QPointF(194, 116), title);
  const QString subtitle = words.Get(lang, "Subtitle");
  p.setFont(Fit(Font(lang, 15), subtitle, 396));
  p.setPen(kMist);
  p.drawText(QPointF(196, 143), subtitle);

  DrawMiniPlot(p, QRectF(36, 172, 550, 98));

  const QString hint = words.Get(lang, "Hint");
  p.setFont(Fit(Font(lang, 13), hint, 540));
  p.setPen(kMist);
  p.drawText(QRectF(36, 346, 550, 22), Qt::AlignCenter, hint);

  p.setPen(QPen(QColor(255, 255, 255, 30), 1));
  p.drawLine(QPointF(40, 418), QPointF(582, 418));
  p.setFont(Font(lang, 12));
  p.setPen(kMist.darker(125));
  p.drawText(QRectF(40, 426, 260, 20), Qt::AlignLeft | Qt::AlignVCenter,
             words.Get(lang, "Version"));
  p.drawText(QRectF(322, 426, 260, 20), Qt::AlignRight | Qt::AlignVCenter,
             words.Get(lang, "Copyright"));
  return image;
}

// A button picture cut from the background so it sits on it seamlessly.
QImage Button(const QImage& background, QPoint at, const QString& text, const QString& lang,
              bool primary, bool lit) {
  QImage image = background.copy(QRect(at, QSize(kButtonWidth, kButtonHeight)));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF pill(2.5, 2.5, kButtonWidth - 5, kButtonHeight - 5);
  const qreal r = pill.height() / 2;
  QColor text_colour;
  if (primary) {
    if (lit) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(245, 166, 35, 90));
      p.drawRoundedRect(pill.adjusted(-2, -2, 2, 2), r + 2, r + 2);
    }
    QLinearGradient g(pill.topLeft(), pill.bottomLeft());
    g.setColorAt(0, lit ? QColor(255, 219, 140) : QColor(247, 182, 74));
    g.setColorAt(1, lit ? QColor(246, 170, 40) : QColor(222, 136, 26));
    p.setPen(QPen(lit ? QColor(255, 236, 190) : QColor(176, 104, 16), 1));
    p.setBrush(g);
    p.drawRoundedRect(pill, r, r);
    text_colour = kInk;
  } else {
    p.setPen(QPen(lit ? QColor(Qt::white) : kMist, 1.5));
    p.setBrush(lit ? QColor(255, 255, 255, 50) : QColor(255, 255, 255, 12));
    p.drawRoundedRect(pill, r, r);
    text_colour = lit ? QColor(Qt::white) : QColor(214, 226, 236);
  }
  p.setFont(Fit(Font(lang, 16, QFont::Bold), text, pill.width() - 16));
  p.setPen(text_colour);
  p.drawText(pill, Qt::AlignCenter, text);
  return image;
}

QImage Logo(const QString& lang, const QString& text) {
  QImage image(53, 64, QImage::Format_RGB32);
  image.fill(kFace);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 64);
  g.setColorAt(0, kNavy);
  g.setColorAt(1, kDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0.5, 0.5, 52, 63), 8, 8);
  DrawMouse(p, QRectF(15, 5, 23, 33), QColor(222, 230, 236), kCyan);
  p.setBrush(kAmber);
  p.drawRect(QRectF(12, 41, 29, 2));
  QFont font = Fit(Font(lang, art::IsChinese(lang) ? 11 : 10, QFont::Bold), text, 47);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 45, 53, 16), Qt::AlignCenter, text);
  return image;
}

// Fits a wrapped paragraph into box by shrinking its font.
QFont FitParagraph(QFont font, const QString& text, const QRectF& box) {
  while (font.pixelSize() > 9) {
    const QRectF need = QFontMetricsF(font).boundingRect(box, Qt::TextWordWrap, text);
    if (need.height() <= box.height() && need.width() <= box.width()) break;
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

// The driver warning's banner: the mouse, a driver in between, a warning.
QImage Warning(const Words& words, const QString& lang) {
  QImage image(487, 129, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 487, 129);
  g.setColorAt(0, kNavy);
  g.setColorAt(1, QColor(14, 70, 86));
  p.fillRect(image.rect(), g);

  DrawMouse(p, QRectF(18, 26, 44, 72), QColor(222, 230, 236), kCyan);
  // A foreign driver chip the reports would pass through.
  const QRectF chip(76, 48, 40, 34);
  p.setPen(QPen(kMist, 2));
  for (int i = 0; i < 4; ++i) {
    const qreal x = chip.left() + 7 + i * 9;
    p.drawLine(QPointF(x, chip.top() - 6), QPointF(x, chip.top()));
    p.drawLine(QPointF(x, chip.bottom()), QPointF(x, chip.bottom() + 6));
  }
  p.setBrush(QColor(38, 58, 80));
  p.drawRoundedRect(chip, 4, 4);
  p.setPen(QPen(QColor(255, 110, 90), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(chip.topLeft() + QPointF(4, 4), chip.bottomRight() - QPointF(4, 4));
  // Warning sign.
  const QPolygonF triangle{QPointF(118, 16), QPointF(138, 50), QPointF(98, 50)};
  p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kAmber);
  p.drawPolygon(triangle);
  QFont mark = Font("English", 22, QFont::Black);
  p.setFont(mark);
  p.setPen(kInk);
  p.drawText(QRectF(98, 22, 40, 28), Qt::AlignHCenter | Qt::AlignBottom, "!");

  const QRectF text_box(158, 14, 312, 104);
  const QString title = words.Get(lang, "WarnTitle");
  const QRectF title_box(text_box.left(), text_box.top(), text_box.width(), 48);
  const qreal used = DrawParagraph(
      p, title_box, title, FitParagraph(Font(lang, 19, QFont::Bold), title, title_box), Qt::white);
  const QRectF body(text_box.left(), text_box.top() + used + 8, text_box.width(),
                    text_box.height() - used - 8);
  const QString text = words.Get(lang, "WarnText");
  DrawParagraph(p, body, text, FitParagraph(Font(lang, 13), text, body), kMist);
  return image;
}

// The zoom hint: the plot with a lens over it, and what a click does.
QImage ZoomHint(const Words& words, const QString& lang) {
  QImage image(553, 230, QImage::Format_RGB32);
  image.fill(QColor(243, 246, 249));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  const QRectF plot(12, 12, 296, 206);
  p.setPen(Qt::NoPen);
  p.setBrush(kPlot);
  p.drawRoundedRect(plot, 6, 6);
  const qreal axis = plot.left() + 18;
  const qreal x_base = plot.top() + 74;
  const qreal y_base = plot.top() + 168;
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(110, 110, 110));
  p.drawLine(QPointF(axis, plot.top() + 8), QPointF(axis, plot.bottom() - 8));
  p.drawLine(QPointF(axis, x_base), QPointF(plot.right() - 6, x_base));
  p.drawLine(QPointF(axis, y_base), QPointF(plot.right() - 6, y_base));
  p.setPen(kMarker);
  for (qreal x : {axis + 22, plot.right() - 22})
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  const QRectF bars(axis + 1, plot.top(), plot.right() - 8 - axis, plot.height());
  auto x_value = [](double i) {
    return i < 6 ? 0.0 : std::round(Swing(static_cast<int>(i) - 6) * 48);
  };
  auto y_value = [](double i) {
    return i < 6 ? 0.0 : std::round(std::sin(i * 1.3) * 5 + Swing(static_cast<int>(i)) * 4);
  };
  DrawBars(
      p, bars, x_base, static_cast<int>(bars.width() / 2), 2, [&](int i) { return x_value(i); },
      Qt::white);
  DrawBars(
      p, bars, y_base, static_cast<int>(bars.width() / 2), 2, [&](int i) { return y_value(i); },
      Qt::white);

  // The lens: the same entries, four times wider.
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(196, 88);
  const qreal radius = 52;
  p.save();
  QPainterPath lens;
  lens.addEllipse(centre, radius, radius);
  p.setClipPath(lens);
  p.fillPath(lens, QColor(10, 18, 26));
  p.setPen(QColor(110, 110, 110));
  p.drawLine(QPointF(centre.x() - radius, x_base), QPointF(centre.x() + radius, x_base));
  const int first = static_cast<int>((centre.x() - radius - bars.left()) / 2) + 12;
  DrawBars(
      p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), x_base, 30, 4,
      [&](int i) { return x_value(first + i / 2.0) * 1.0; }, kCyan, 3);
  p.restore();
  p.setPen(QPen(kMist, 5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(kAmber, 1.5));
  p.drawEllipse(centre, radius - 3, radius - 3);
  p.setPen(QPen(kMist, 9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(38, 38), centre + QPointF(66, 66));
  // Each click doubles the magnification.
  const QRectF badge(centre.x() + 30, centre.y() - 66, 40, 22);
  p.setPen(Qt::NoPen);
  p.setBrush(kAmber);
  p.drawRoundedRect(badge, 11, 11);
  p.setFont(Font("English", 13, QFont::Bold));
  p.setPen(kInk);
  p.drawText(badge, Qt::AlignCenter, QString::fromUtf8("\u00d72"));

  const QRectF text_box(326, 18, 212, 196);
  const QString title = words.Get(lang, "ZoomTitle");
  const QFont title_font =
      FitParagraph(Font(lang, 18, QFont::Bold), title, QRectF(0, 0, text_box.width(), 50));
  const qreal used = DrawParagraph(p, QRectF(text_box.left(), text_box.top(), text_box.width(), 50),
                                   title, title_font, kNavy);
  p.setBrush(kAmber);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(text_box.left(), text_box.top() + used + 6, 36, 3));
  const QRectF body(text_box.left(), text_box.top() + used + 16, text_box.width(),
                    text_box.height() - used - 16);
  const QString text = words.Get(lang, "ZoomText");
  DrawParagraph(p, body, text, FitParagraph(Font(lang, art::IsChinese(lang) ? 14 : 13), text, body),
                QColor(40, 52, 66));
  return image;
}

bool Save(const QImage& image, const QString& path) {
  // Stored as 24-bit Windows bitmaps, the format the station reads.
  if (image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) return true;
  QTextStream(stderr) << "cannot write " << path << "\n";
  return false;
}

}  // namespace

bool WritePictures(const Words& words, const QString& out_dir) {
  bool ok = true;
  for (const QString& lang : words.Sections()) {
    QDir(out_dir).mkpath(lang);
    const QString folder = out_dir + "/" + lang + "/";
    const QImage background = Splash(words, lang);
    ok &= Save(background, folder + "Main.bmp");
    const QString enter = words.Get(lang, "Enter");
    const QString exit = words.Get(lang, "Exit");
    ok &= Save(Button(background, kEnterAt, enter, lang, true, false), folder + "enter.bmp");
    ok &= Save(Button(background, kEnterAt, enter, lang, true, true), folder + "enter1.bmp");
    ok &= Save(Button(background, kExitAt, exit, lang, false, false), folder + "exit.bmp");
    ok &= Save(Button(background, kExitAt, exit, lang, false, true), folder + "exit1.bmp");
    ok &= Save(Warning(words, lang), out_dir + "/" + lang + "com.bmp");
    ok &= Save(ZoomHint(words, lang), out_dir + "/" + lang + "Enlarge.bmp");
  }
  ok &= Save(Logo("English", words.Get("English", "Logo")), out_dir + "/Eng_Logo.bmp");
  ok &= Save(Logo("ChineseT", words.Get("ChineseT", "Logo")), out_dir + "/ChT_Logo.bmp");
  return ok;
}
