#include "display/zoom_scroll_bar.h"

#include <algorithm>

namespace mqt {

void SetZoomScrollBar(QScrollBar& scroll_bar, const QRect& gauge_geometry,
                      const ScrollBarSetting& setting) {
  scroll_bar.setGeometry(gauge_geometry);
  const int page = std::max(setting.page_size, 0);
  const int last = std::max(setting.range_end - std::max(page - 1, 0), 0);
  scroll_bar.setRange(0, last);
  scroll_bar.setPageStep(page);
  scroll_bar.setVisible(setting.visible);
  scroll_bar.setValue(setting.position);
}

}  // namespace mqt
