#pragma once

#include <QCursor>
#include <QString>

#include "display/zoom.h"

namespace mqt {

// A cursor from the program's own resources ("ZOOMINCURSOR",
// "ZOOMOUTCURSOR"); the default arrow when no cursor of that name exists.
QCursor LoadZoomCursor(const QString& resource_name);

// The cursor of `ImageXY` for the selected tool: it is how the operator sees
// which tool a click applies.
QCursor ZoomToolCursor(ZoomTool tool);

}  // namespace mqt
