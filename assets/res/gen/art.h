#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <functional>

// The station's look: colours, type and the small drawings shared by the
// pictures of res/ and the help documents.
namespace art {

inline const QColor kKey(255, 0, 255);  // the splash outline's transparent colour
inline const QColor kInk(10, 22, 38);
inline const QColor kNavy(16, 38, 64);
inline const QColor kDeep(9, 27, 47);
inline const QColor kTeal(18, 92, 110);
inline const QColor kAmber(245, 166, 35);
inline const QColor kCyan(76, 214, 232);
inline const QColor kMist(176, 199, 216);
inline const QColor kPlot(3, 6, 10);
inline const QColor kMarker(235, 205, 40);
inline const QColor kFace(240, 240, 240);

bool IsChinese(const QString& language);

// Sans-serif type for a language, pixel-sized; Chinese glyphs come from the
// WenQuanYi face.
QFont Font(const QString& language, int pixels, int weight = QFont::Normal);

// Shrinks the font until text fits max_width.
QFont Fit(QFont font, const QString& text, qreal max_width);

// A mouse seen from above, filling box: body, button split, wheel, cable.
void DrawMouse(QPainter& p, const QRectF& box, const QColor& body, const QColor& accent);

// Bars of a waveform as the station draws them: one vertical bar per column
// from the baseline, value(i) in pixels (positive up).
void DrawBars(QPainter& p, const QRectF& area, qreal baseline, int count, qreal step,
              const std::function<qreal(int)>& value, const QColor& colour, qreal bar_width = 1.0);

// A word-wrapped paragraph inside box; returns the height used.
qreal DrawParagraph(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour, int flags = Qt::AlignLeft | Qt::AlignTop);

}  // namespace art
