#include "display/zoom_cursors.h"

#include <QPixmap>

namespace mqt {
namespace {

// The hot spot is the middle of the lens, where the click lands.
constexpr int kHotSpot = 11;

}  // namespace

QCursor LoadZoomCursor(const QString& resource_name) {
  const QPixmap picture(QStringLiteral(":/cursors/") + resource_name);
  if (picture.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(picture, kHotSpot, kHotSpot);
}

QCursor ZoomToolCursor(ZoomTool tool) {
  switch (tool) {
    case ZoomTool::kZoomIn:
      return LoadZoomCursor(QStringLiteral("ZOOMINCURSOR"));
    case ZoomTool::kZoomOut:
      return LoadZoomCursor(QStringLiteral("ZOOMOUTCURSOR"));
    case ZoomTool::kNone:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace mqt
