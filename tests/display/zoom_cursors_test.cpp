#include "display/zoom_cursors.h"

#include <gtest/gtest.h>
#include <QPixmap>

namespace mqt {
namespace {

TEST(ZoomCursors, ComeFromTheProgramsOwnResources) {
  for (const ZoomTool tool : {ZoomTool::kZoomIn, ZoomTool::kZoomOut}) {
    const QCursor cursor = ZoomToolCursor(tool);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), QPoint(11, 11));
  }
  // The two tools look different.
  EXPECT_NE(ZoomToolCursor(ZoomTool::kZoomIn).pixmap().toImage(),
            ZoomToolCursor(ZoomTool::kZoomOut).pixmap().toImage());
}

TEST(ZoomCursors, NoToolOrAMissingResourceGivesTheDefaultCursor) {
  EXPECT_EQ(ZoomToolCursor(ZoomTool::kNone).shape(), Qt::ArrowCursor);
  EXPECT_EQ(LoadZoomCursor("NOSUCHCURSOR").shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace mqt
