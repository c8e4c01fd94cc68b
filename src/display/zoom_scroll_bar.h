#pragma once

#include <QRect>
#include <QScrollBar>

#include "display/zoom.h"

namespace mqt {

// `SetZoomScrollBar`: lays `HScrollBarXY` over the progress gauge, then sets
// its range, page size, visibility and position, in that order. Qt counts the
// page inside the range, so the last position is range_end - page_size + 1,
// where the thumb reaches the end of the test as a paged Windows scroll bar
// does; a position beyond is brought into range. A changed position emits
// valueChanged, which the window routes to `HScrollBarXYChange`.
void SetZoomScrollBar(QScrollBar& scroll_bar, const QRect& gauge_geometry,
                      const ScrollBarSetting& setting);

}  // namespace mqt
