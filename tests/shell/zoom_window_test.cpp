// Zoom, scroll, fit and save on the main window after a scored test: the
// window applies the zoom steps to its scroll bar, cursor and picture, and the
// saved bitmap reads back with the picture's pixels.
#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "display/qimage_canvas.h"
#include "display/zoomed_wave.h"
#include "platform/save_dialog.h"
#include "shell/EnlargeUnit.h"
#include "shell/form_controls.h"
#include "test_station.h"

namespace mqt {

namespace {

using testing::TestStation;
using testing::WaitUntil;

class ScriptedSaveDialog : public SaveDialog {
 public:
  std::optional<std::string> answer;
  std::vector<std::string> filters;
  std::optional<std::string> AskSavePath(const std::string&, const std::string& filter,
                                         const std::string&) override {
    filters.push_back(filter);
    return answer;
  }
};

// A station after one scored test on the simulated mouse, window shown.
struct ScoredStation : TestStation {
  ScriptedSaveDialog save_dialog;
  ScoredStation() {
    texts["PaintDifference"] = "D = ";
    context.save_dialog = &save_dialog;
    Create();
    Ready();
    main->show();
    main->tb_Record->click();
    WaitUntil([&] { return main->CurrentTestThread.isNull(); });
  }
  // The zoomed view as DrawZoomedWave paints it on a picture of the image's size.
  QImage Zoomed(int first_entry, int factor) {
    QImageCanvas canvas(main->ImageXY->size());
    DrawZoomedWave(canvas, context.timeline, first_entry, factor, main->DifferenceValue,
                   main->WavePlotEnvironment());
    return canvas.image();
  }
  void ClickImage(int column) {
    QTest::mouseClick(main->ImageXY, Qt::LeftButton, {}, QPoint(column, 100));
  }
};

}  // namespace

class ZoomWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void zoomInOutScrollAndFit();
  void zoomHintUnlessSwitchedOff_data();
  void zoomHintUnlessSwitchedOff();
  void saveWritesABitmapThatReadsBack();
};

void ZoomWindowTest::zoomInOutScrollAndFit() {
  ScoredStation s;
  TMainForm& m = *s.main;
  QVERIFY(m.sb_ZoomIn->isEnabled() && m.mm_ZoomIn->isEnabled());
  QVERIFY(m.DifferenceValue > 0);
  const int count = s.context.timeline.sample_count;
  const QImage plain = m.ImageXY->Picture();

  // No tool: a click changes nothing.
  s.ClickImage(300);
  QCOMPARE(m.ImageXY->Picture(), plain);

  // Zoom out at factor 1 is ignored, though the tool is chosen.
  m.sb_ZoomOut->click();
  QCOMPARE(m.ImageXY->cursor().shape(), Qt::BitmapCursor);
  s.ClickImage(300);
  QCOMPARE(m.ZoomView.zoom_factor(), 1);
  QVERIFY(m.HScrollBarXY->isHidden());
  QCOMPARE(m.ImageXY->Picture(), plain);

  // Zoom in at column 540: entry 500 stays under the pointer.
  m.mm_ZoomIn->trigger();
  QCOMPARE(m.ZoomView.tool(), ZoomTool::kZoomIn);
  QCOMPARE(m.ImageXY->cursor().shape(), Qt::BitmapCursor);
  s.ClickImage(540);
  QCOMPARE(m.ZoomView.zoom_factor(), 2);
  QVERIFY(m.HScrollBarXY->isVisible());
  QCOMPARE(m.HScrollBarXY->value(), 250);
  QCOMPARE(m.HScrollBarXY->pageStep(), count / 2);
  QCOMPARE(m.HScrollBarXY->geometry(), m.CGauge->geometry());
  QCOMPARE(m.ImageXY->Picture(), s.Zoomed(250, 2));
  // The tool stays: once more, around the same entry.
  s.ClickImage(540);
  QCOMPARE(m.ZoomView.zoom_factor(), 4);
  QCOMPARE(m.HScrollBarXY->value(), 250 + 125);
  QCOMPARE(m.ImageXY->Picture(), s.Zoomed(375, 4));

  // Scrolling redraws from the new position.
  m.HScrollBarXY->setValue(100);
  QCOMPARE(m.ImageXY->Picture(), s.Zoomed(100, 4));

  // Zoom out from first entry 100 at column 540: 100 - 500 / 4 is below 0, so 0.
  m.mm_ZoomOut->trigger();
  s.ClickImage(540);
  QCOMPARE(m.ZoomView.zoom_factor(), 2);
  QCOMPARE(m.HScrollBarXY->value(), 0);
  QCOMPARE(m.ImageXY->Picture(), s.Zoomed(0, 2));

  // Fit to screen: factor 1, no tool, whole test, scroll bar hidden.
  m.sb_Fit->click();
  QCOMPARE(m.ZoomView.zoom_factor(), 1);
  QCOMPARE(m.ZoomView.tool(), ZoomTool::kNone);
  QCOMPARE(m.ImageXY->cursor().shape(), Qt::ArrowCursor);
  QVERIFY(m.HScrollBarXY->isHidden());
  QCOMPARE(m.HScrollBarXY->value(), 0);
  // Every zoomed picture above carries the difference caption with the stored float in full.
  QCOMPARE(m.ImageXY->Picture(), s.Zoomed(0, 1));
}

void ZoomWindowTest::zoomHintUnlessSwitchedOff_data() {
  QTest::addColumn<QString>("no_hint");
  QTest::addColumn<bool>("shown");
  QTest::newRow("unset") << QString() << true;
  QTest::newRow("0") << QString("0") << true;
  QTest::newRow("1") << QString("1") << false;
}

void ZoomWindowTest::zoomHintUnlessSwitchedOff() {
  QFETCH(QString, no_hint);
  QFETCH(bool, shown);
  ScoredStation s;
  if (!no_hint.isEmpty()) s.settings.values["NoHint"] = no_hint.toStdString();
  TEnlargeForm hint(s.context.Form(), s.settings, s.prompter);
  s.context.windows.EnlargeForm = &hint;

  s.main->mm_ZoomInClick();
  QCOMPARE(hint.isVisible(), shown);
  QCOMPARE(s.main->ZoomView.tool(), ZoomTool::kZoomIn);
  if (shown) {
    const int image_bottom =
        s.main->ImageXY->mapToGlobal(QPoint(0, 0)).y() + s.main->ImageXY->height();
    QCOMPARE(hint.frameGeometry().bottom() + 1, image_bottom - 3);
  }
}

void ZoomWindowTest::saveWritesABitmapThatReadsBack() {
  ScoredStation s;
  QTemporaryDir folder;
  QVERIFY(folder.isValid());

  // Cancelled: nothing written, nothing said.
  s.main->sb_SaveAs->click();
  QCOMPARE(s.save_dialog.filters, std::vector<std::string>{"*.bmp|*.bmp"});
  QVERIFY(QDir(folder.path()).isEmpty());
  QVERIFY(s.prompter.messages.empty());

  // Saved, and read back pixel for pixel.
  const QString path = folder.filePath("result.bmp");
  s.save_dialog.answer = path.toStdString();
  s.main->mm_SaveAs->trigger();
  QImageReader reader(path);
  QCOMPARE(reader.format(), QByteArray("bmp"));
  const QImage saved = reader.read();
  const QImage picture = s.main->ImageXY->Picture();
  QCOMPARE(saved.size(), picture.size());
  QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
           picture.convertToFormat(QImage::Format_RGB32));
  QVERIFY(s.prompter.messages.empty());

  // A folder that does not exist: the failure is said.
  s.save_dialog.answer = folder.filePath("missing/result.bmp").toStdString();
  s.main->mm_SaveAs->trigger();
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QCOMPARE(s.prompter.messages[0].icon, MsgIcon::Error);
}

}  // namespace mqt

QTEST_MAIN(mqt::ZoomWindowTest)
#include "zoom_window_test.moc"
