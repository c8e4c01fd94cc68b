#include "display/zoom_scroll_bar.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QWidget>

namespace mqt {
namespace {

TEST(SetZoomScrollBar, CoversTheGaugeAndPagesThroughTheTest) {
  QWidget panel;
  auto* scroll_bar = new QScrollBar(Qt::Horizontal, &panel);
  scroll_bar->hide();
  QSignalSpy changes(scroll_bar, &QScrollBar::valueChanged);
  const QRect gauge(0, 600, 1014, 17);

  struct Case {
    ScrollBarSetting setting;
    int maximum, page, value;
    bool visible;
  };
  const Case cases[] = {
      // Factor 2 on a 960-entry test: the thumb's end reaches entry 959.
      {ZoomScrollBar(960, 2, 250), 480, 480, 250, true},
      // A first entry past the end is brought into range.
      {ZoomScrollBar(960, 2, 1445), 480, 480, 480, true},
      {ZoomScrollBar(960, 1024, 900), 959, 0, 900, true},
      {FitScrollBar(960), 0, 960, 0, false},
      {FitScrollBar(0), 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    SetZoomScrollBar(*scroll_bar, gauge, c.setting);
    EXPECT_EQ(scroll_bar->geometry(), gauge);
    EXPECT_EQ(scroll_bar->minimum(), 0);
    EXPECT_EQ(scroll_bar->maximum(), c.maximum) << c.setting.position;
    EXPECT_EQ(scroll_bar->pageStep(), c.page);
    EXPECT_EQ(scroll_bar->value(), c.value);
    EXPECT_EQ(scroll_bar->isVisibleTo(&panel), c.visible);
  }
  // Each new position raised the change event once.
  EXPECT_EQ(changes.count(), 4);
}

}  // namespace
}  // namespace mqt
