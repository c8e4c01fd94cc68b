// The expert console as a window: its pages and controls as created, the
// range list driving the main window's handler, and MerotMode doing nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "capture/ExpertUnit.h"
#include "shell/station_context.h"

namespace mqt {

class ExpertWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void pagesAndControlsAsCreated();
  void rangeChangeRunsTheMainWindowHandler();
  void merotModeHasNoEffect();
};

void ExpertWindowTest::pagesAndControlsAsCreated() {
  StationContext context;
  TExpert expert(context);
  QCOMPARE(expert.windowTitle(), QString("Expert"));
  QVERIFY(expert.windowFlags() & Qt::WindowStaysOnTopHint);
  QCOMPARE(expert.MainPage->tabPosition(), QTabWidget::South);
  QStringList tabs;
  for (int i = 0; i < expert.MainPage->count(); ++i) tabs << expert.MainPage->tabText(i);
  QCOMPARE(tabs, (QStringList{"Option", "AxisInfo", "AlgorithmA", "AlgorithmB", "AlgorithmC",
                              "AlgorithmD", "AlgorithmE", "TotalAlgm"}));
  QCOMPARE(expert.MainPage->currentWidget(), expert.mp_Option);

  QStringList ranges;
  for (int i = 0; i < expert.cb_WaveRange->count(); ++i) ranges << expert.cb_WaveRange->itemText(i);
  QCOMPARE(ranges, (QStringList{" -128 ~ +127 (8bit)", " -256 ~ +255 (9bit)",
                                " -512 ~ +511 (10bit)", "-1024 ~ +1023 (11bit)",
                                "-2048 ~ +2047 (12bit)", "-4096 ~ +4095 (13bit)"}));
  QCOMPARE(expert.cb_WaveRange->currentIndex(), 0);
  QCOMPARE(expert.le_Interval->text(), QString("8"));
  QCOMPARE(expert.lb_Interval->text(), QString("Interval (ms) : "));
  QVERIFY(!expert.cb_Continue->isChecked());
  QVERIFY(!expert.cb_MerotMode->isChecked());
  QCOMPARE(expert.Button1->text(), QString("Start"));
  QCOMPARE(expert.Button2->text(), QString("Stop"));

  QCOMPARE(expert.AxisMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
  QVERIFY(expert.AxisMemo->toPlainText().isEmpty());
  QLabel* d_labels[] = {expert.lb_AlgmA, expert.lb_AlgmB, expert.lb_AlgmC, expert.lb_AlgmD,
                        expert.lb_AlgmE};
  QLabel* score_labels[] = {expert.lb_ScoreA, expert.lb_ScoreB, expert.lb_ScoreC, expert.lb_ScoreD,
                            expert.lb_ScoreE};
  QPlainTextEdit* memos[] = {expert.AlgmAMemo, expert.AlgmBMemo, expert.AlgmCMemo, expert.AlgmDMemo,
                             expert.AlgmEMemo};
  for (int i = 0; i < 5; ++i) {
    QCOMPARE(d_labels[i]->text(), QString("D="));
    QCOMPARE(d_labels[i]->height(), 25);
    QCOMPARE(d_labels[i]->font().pixelSize(), 13);
    QCOMPARE(score_labels[i]->text(), QString("Score="));
    QCOMPARE(score_labels[i]->height(), 24);
    QCOMPARE(memos[i]->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(memos[i]->toPlainText().isEmpty());
  }
  QCOMPARE(expert.TotamMemo->toPlainText(), QString("Now\tAlgmA\tAlgmB\tAlgmC\tAlgmD"));
}

void ExpertWindowTest::rangeChangeRunsTheMainWindowHandler() {
  StationContext context;
  TExpert expert(context);
  int runs = 0;
  expert.OnWaveRangeChange = [&] { ++runs; };
  expert.cb_WaveRange->setCurrentIndex(2);
  QCOMPARE(runs, 1);
  expert.cb_WaveRangeChange();
  QCOMPARE(runs, 2);
  // Without a main window (as in tests of the console alone) it does nothing.
  expert.OnWaveRangeChange = nullptr;
  expert.cb_WaveRange->setCurrentIndex(3);
}

void ExpertWindowTest::merotModeHasNoEffect() {
  StationContext context;
  TExpert expert(context);
  int runs = 0;
  expert.OnWaveRangeChange = [&] { ++runs; };
  expert.cb_MerotMode->click();
  expert.cb_MerotMode->click();
  QVERIFY(!expert.cb_MerotMode->isChecked());
  QCOMPARE(runs, 0);
  QCOMPARE(expert.le_Interval->text(), QString("8"));
  QCOMPARE(expert.cb_WaveRange->currentIndex(), 0);
}

}  // namespace mqt

QTEST_MAIN(mqt::ExpertWindowTest)
#include "expert_window_test.moc"
