// The progress banner as a window: German widths, the dot cycle on the label,
// and closing while animated.
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "shell/ProgressUnit.h"
#include "station_fakes.h"

namespace mqt {

class ProgressFormTest : public QObject {
  Q_OBJECT
 private slots:
  void widthsByLanguage_data();
  void widthsByLanguage();
  void dotCycleOnTheLabel();
  void timerRunsShownOrNot();
};

void ProgressFormTest::widthsByLanguage_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("created");
  QTest::addColumn<int>("label");
  QTest::addColumn<int>("after_tick");
  QTest::newRow("English") << "English" << 558 << 529 << 549;
  QTest::newRow("German") << "German" << 578 << 549 << 569;
  QTest::newRow("ChineseT") << "ChineseT" << 558 << 529 << 549;
}

void ProgressFormTest::widthsByLanguage() {
  QFETCH(QString, language);
  QFETCH(int, created);
  QFETCH(int, label);
  QFETCH(int, after_tick);
  testing::FakeStation s;
  s.context.active_language = language.toStdString();
  s.context.screen_width = 1024;
  s.context.screen_height = 768;
  TProgressForm banner(s.context);
  QCOMPARE(banner.width(), created);
  QCOMPARE(banner.height(), 79);
  QCOMPARE(banner.lb_Progress->geometry(), QRect(16, 16, label, 57));
  QCOMPARE(banner.pos(), QPoint((1024 - created) / 2, (768 - 79) / 2));
  QVERIFY(banner.lb_Progress->wordWrap());
  QVERIFY(banner.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(banner.windowFlags() & Qt::WindowStaysOnTopHint);
  banner.Timer1Timer();
  QCOMPARE(banner.width(), after_tick);
}

void ProgressFormTest::dotCycleOnTheLabel() {
  testing::FakeStation s;
  TProgressForm banner(s.context);
  banner.Message = "Removing";
  banner.Animated = 1;
  banner.show();
  QStringList seen;
  for (int i = 0; i < 3; ++i) {
    banner.Timer1Timer();
    seen << banner.lb_Progress->text();
  }
  QCOMPARE(seen, (QStringList{"Removing..", "Removing...", "Removing...."}));
  const int width = banner.width();
  // Closing while cycling only hides it; the cycle goes on where it stopped.
  banner.close();
  QVERIFY(banner.isHidden());
  QCOMPARE(banner.DotCount, 3);
  banner.show();
  banner.Timer1Timer();
  QCOMPARE(banner.lb_Progress->text(), QString("Removing."));
  QCOMPARE(banner.width(), width);
  // Back to plain: the bare message at the next tick.
  banner.Animated = 0;
  banner.Message = "Move the mouse";
  banner.Timer1Timer();
  QCOMPARE(banner.lb_Progress->text(), QString("Move the mouse"));
  QCOMPARE(banner.DotCount, 4);
}

void ProgressFormTest::timerRunsShownOrNot() {
  testing::FakeStation s;
  TProgressForm banner(s.context);
  QVERIFY(banner.Timer1->isActive());
  QCOMPARE(banner.Timer1->interval(), 300);
  banner.Message = "Hidden";
  banner.Animated = 1;
  QTRY_COMPARE_WITH_TIMEOUT(banner.lb_Progress->text(), QString("Hidden.."), 1000);
  QVERIFY(banner.isHidden());
}

}  // namespace mqt

QTEST_MAIN(mqt::ProgressFormTest)
#include "progress_form_test.moc"
