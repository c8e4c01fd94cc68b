// The pictures the build paints into res/: every language has each file the
// windows load, at the size their controls expect, and the splash outline
// leaves the Enter and Exit pictures whole.
#include <QFileInfo>
#include <QImage>
#include <QRegion>
#include <QtTest>

#include "shell/Xwindowshape.h"

using namespace mqt;

namespace {

const QString kRes = QStringLiteral(MQT_BIN_DIR "/res/");

QImage Load(const QString& file) {
  QImage image(kRes + file);
  return image.convertToFormat(QImage::Format_RGB32);
}

PixelGrid Grid(const QImage& image) {
  PixelGrid grid{image.width(), image.height(), {}};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) grid.pixels.push_back(image.pixel(x, y) & 0xFFFFFFu);
  }
  return grid;
}

}  // namespace

class ResPicturesTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryLanguageHasItsPictures_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"English", "ChineseS", "ChineseT", "German", "Russia"}) {
      QTest::newRow(language) << language;
    }
  }
  void EveryLanguageHasItsPictures() {
    QFETCH(QString, language);
    const QImage main = Load(language + "/Main.bmp");
    QCOMPARE(main.size(), QSize(622, 478));
    for (const char* name : {"enter", "enter1", "exit", "exit1"}) {
      QCOMPARE(Load(language + "/" + name + ".bmp").size(), QSize(104, 40));
    }
    QCOMPARE(Load(language + "com.bmp").size(), QSize(487, 129));
    QCOMPARE(Load(language + "Enlarge.bmp").size(), QSize(553, 230));

    // The outline: corners cut away, the buttons' area inside it.
    QRegion region;
    for (const auto& r : RegionFromBitmap(Grid(main))) {
      region += QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(621, 0), QPoint(0, 477), QPoint(621, 477)}) {
      QVERIFY(!region.contains(corner));
    }
    for (const QRect button : {QRect(203, 288, 104, 40), QRect(319, 288, 104, 40)}) {
      QCOMPARE(region.intersected(button), QRegion(button));
    }
    // A shape, not a rectangle.
    QVERIFY(region.rectCount() > 1);
  }

  void BothLogosExist() {
    QCOMPARE(Load("Eng_Logo.bmp").size(), QSize(53, 64));
    QCOMPARE(Load("ChT_Logo.bmp").size(), QSize(53, 64));
  }

  void FilesAreWindowsBitmaps() {
    QFile file(kRes + "English/Main.bmp");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
  }
};

QTEST_MAIN(ResPicturesTest)
#include "res_pictures_test.moc"
