// The analysis of a finished test on the main window: score, grade and advice,
// the failure messages, Expert mode's console pages and the Continue box, and
// the window path against the command-line analyser on the same recordings.
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "analysis/analysis_run.h"
#include "capture/capture_recording.h"
#include "display/zoomed_wave.h"
#include "platform/capture_driver/replay_source.h"
#include "shell/form_controls.h"
#include "test_station.h"

namespace mqt {

namespace {

using testing::TestStation;
using testing::WaitUntil;

const std::string kFixtures = std::string(MQT_FIXTURES_DIR) + "/analysis/";

// A stored recording as the one mouse behind the driver, read as fast as the
// capture reads, so each record completes at once.
struct ReplayProvider : CaptureSourceProvider {
  std::vector<RecordedReport> reports;
  bool CaptureInterfacePresent() override { return true; }
  std::vector<BoundReportSource> OpenBoundSources() override {
    std::vector<BoundReportSource> sources;
    sources.push_back(
        {"replay", std::make_unique<ReplaySource>(reports, MakeReportClock(Pacing::AsFastAsRead))});
    return sources;
  }
};

// Every text the analysis looks up reads as its own key, so the window's
// message and advice name the verdict and the grade row.
void KeysAsTexts(TestStation& s) {
  for (const char* key :
       {"MsgFailScore", "MsgFewPeak", "MsgTooSlow", "Score95To100", "Score90To94", "Score85To89",
        "Score80To84", "Score75To79", "Score70To74", "Score60To69", "Score00To59"}) {
    s.texts[key] = key;
  }
  s.texts["PaintDifference"] = "D = ";
}

bool RunOneTest(TestStation& s) {
  s.main->tb_Record->click();
  return WaitUntil([&] { return s.main->CurrentTestThread.isNull(); });
}

AnalysisParams WindowParams(const TestStation& s) {
  AnalysisParams params;
  params.operator_mode = s.main->OperatorMode;
  params.screen_width = s.context.screen_width;
  params.interval_text = s.expert->le_Interval->text().toStdString();
  params.peak_threshold = s.main->PeakThreshold;
  params.active_language = s.context.active_language;
  return params;
}

QJsonObject Analyse(const QString& recording, const QStringList& options) {
  QProcess analyzer;
  analyzer.start(QString(MQT_BIN_DIR) + "/mouse-quality-analyze", QStringList(options)
                                                                      << recording);
  if (!analyzer.waitForFinished(20000) || analyzer.exitCode() != 0) return {};
  return QJsonDocument::fromJson(analyzer.readAllStandardOutput()).object();
}

}  // namespace

class AnalysisWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void scoredTestShowsScoreGradeAndAdvice();
  void failedCheckShowsItsMessage();
  void expertModeFillsTheConsoleAndContinues();
  void windowAndAnalyserAgree_data();
  void windowAndAnalyserAgree();
};

void AnalysisWindowTest::scoredTestShowsScoreGradeAndAdvice() {
  TestStation s;
  KeysAsTexts(s);
  s.Create();
  s.Ready();
  TMainForm& m = *s.main;
  // Shown, the image has its laid-out height, down to the caption's row.
  m.show();
  QVERIFY(RunOneTest(s));

  const AnalysisResult expected = RunAnalysis(s.context.timeline, WindowParams(s));
  QCOMPARE(expected.verdict, Verdict::Scored);
  const ScoreResult& score = *expected.score;
  QVERIFY(s.prompter.messages.empty());
  QCOMPARE(m.lb_Score->text().toStdString(), score.score_caption);
  QCOMPARE(m.lb_ScoreA->text().toStdString(), score.grade);
  QCOMPARE(m.lb_Suggest->text().toStdString(), score.advice_key);
  QCOMPARE(m.lb_Suggest->font().pointSize(), score.advice_font_size);
  QCOMPARE(m.DifferenceValue, score.difference_value);
  for (QToolButton* b : {m.sb_ZoomIn, m.sb_ZoomOut, m.sb_Fit}) QVERIFY(b->isEnabled());
  // The axis log on its console page, whether the console is shown or not.
  QVERIFY(!s.expert->AxisMemo->toPlainText().isEmpty());

  // The difference caption is painted at its corner: the plain view redrawn
  // without it differs there and nowhere else.
  const QImage with_caption = m.ImageXY->Picture();
  m.DrawRangeAxes();
  m.DrawWave();
  const QImage plain = m.ImageXY->Picture();
  const PanelPosition corner = DifferenceCaptionPosition(s.context.screen_width);
  const QRect caption(corner.left, corner.top, 300, 24);
  QVERIFY(with_caption.copy(caption) != plain.copy(caption));
  QImage outside = with_caption;
  for (int y = caption.top(); y <= caption.bottom(); ++y) {
    for (int x = caption.left(); x <= caption.right(); ++x)
      outside.setPixel(x, y, plain.pixel(x, y));
  }
  QCOMPARE(outside, plain);
}

void AnalysisWindowTest::failedCheckShowsItsMessage() {
  TestStation s;
  KeysAsTexts(s);
  ReplayProvider replay;
  CaptureRecording recording;
  QCOMPARE(LoadCaptureRecording(kFixtures + "too-slow.csv", recording), std::string());
  replay.reports = recording.reports;
  s.sources = &replay;
  s.Create();
  s.Ready();
  QVERIFY(RunOneTest(s));

  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QCOMPARE(s.prompter.messages[0].text, std::string("MsgTooSlow"));
  QCOMPARE(s.prompter.messages[0].caption, s.context.application_title);
  // Nothing scored: the start's captions stay, zooming stays off.
  QCOMPARE(s.main->lb_Score->text(), QString("---"));
  QVERIFY(s.main->lb_ScoreA->text().isEmpty() && s.main->lb_Suggest->text().isEmpty());
  QVERIFY(!s.main->sb_ZoomIn->isEnabled());
}

void AnalysisWindowTest::expertModeFillsTheConsoleAndContinues() {
  TestStation s;
  KeysAsTexts(s);
  s.Create();
  s.Ready();
  TMainForm& m = *s.main;
  m.OperatorMode = "Expert";
  const int header_lines = s.expert->TotamMemo->blockCount();
  s.expert->cb_Continue->setChecked(true);
  // The first summary line clears the box: that run still starts the next
  // test, and the next one stops.
  QObject::connect(s.expert->TotamMemo, &QPlainTextEdit::textChanged,
                   [&] { s.expert->cb_Continue->setChecked(false); });
  m.tb_Record->click();
  QVERIFY(WaitUntil([&] { return s.expert->TotamMemo->blockCount() >= header_lines + 1; }));
  QVERIFY(WaitUntil([&] { return !m.CurrentTestThread.isNull(); }));
  QVERIFY(WaitUntil([&] {
    return m.CurrentTestThread.isNull() && s.expert->TotamMemo->blockCount() == header_lines + 2;
  }));
  // Settle: no third test follows.
  QTest::qWait(50);
  QVERIFY(m.CurrentTestThread.isNull());
  QCOMPARE(s.expert->TotamMemo->blockCount(), header_lines + 2);

  const AnalysisResult expected = RunAnalysis(s.context.timeline, WindowParams(s));
  QCOMPARE(expected.verdict, Verdict::Scored);
  QVERIFY(expected.algorithms.has_value());
  const std::array<QLabel*, 4> d_labels = {s.expert->lb_AlgmA, s.expert->lb_AlgmB,
                                           s.expert->lb_AlgmC, s.expert->lb_AlgmD};
  const std::array<QLabel*, 4> score_labels = {s.expert->lb_ScoreA, s.expert->lb_ScoreB,
                                               s.expert->lb_ScoreC, s.expert->lb_ScoreD};
  const std::array<QPlainTextEdit*, 4> memos = {s.expert->AlgmAMemo, s.expert->AlgmBMemo,
                                                s.expert->AlgmCMemo, s.expert->AlgmDMemo};
  for (std::size_t k = 0; k < 4; ++k) {
    const AlgorithmOutput& output = (*expected.algorithms)[k];
    QCOMPARE(d_labels[k]->text().toStdString(), output.d_label);
    QCOMPARE(score_labels[k]->text().toStdString(), output.score_label);
    QCOMPARE(memos[k]->blockCount(),
             static_cast<int>(std::max<std::size_t>(output.memo.size(), 1)));
  }
  QCOMPARE(s.expert->TotamMemo->document()->lastBlock().text().toStdString(),
           *expected.score->summary_line);
  QCOMPARE(m.lb_Score->text().toStdString(), expected.score->score_caption);
}

void AnalysisWindowTest::windowAndAnalyserAgree_data() {
  QTest::addColumn<QString>("fixture");
  QTest::addColumn<QString>("mode");
  for (const char* name : {"smooth-sensor", "jittery-sensor", "too-slow", "few-peaks", "gap"}) {
    QTest::newRow(name) << QString(name) << QString();
  }
  QTest::newRow("smooth-sensor Expert") << QString("smooth-sensor") << QString("Expert");
  QTest::newRow("few-peaks Expert") << QString("few-peaks") << QString("Expert");
}

void AnalysisWindowTest::windowAndAnalyserAgree() {
  QFETCH(QString, fixture);
  QFETCH(QString, mode);
  const std::string path = kFixtures + fixture.toStdString() + ".csv";
  TestStation s;
  KeysAsTexts(s);
  ReplayProvider replay;
  CaptureRecording recording;
  QCOMPARE(LoadCaptureRecording(path, recording), std::string());
  replay.reports = recording.reports;
  s.sources = &replay;
  s.Create();
  s.Ready();
  s.main->OperatorMode = mode.toStdString();
  QVERIFY(RunOneTest(s));

  const QJsonObject json =
      Analyse(QString::fromStdString(path),
              {"--mode", mode, "--screen-width", QString::number(s.context.screen_width),
               "--last-position", QString::number(s.main->ImageXY->width() - 50)});
  QVERIFY2(!json.isEmpty(), "the analyser gave no result");

  QCOMPARE(s.context.timeline.sample_count, json["sample_count"].toInt());
  const QString verdict = json["verdict"].toString();
  if (verdict == "scored") {
    QVERIFY(s.prompter.messages.empty());
    QCOMPARE(s.main->lb_Score->text(), json["score_caption"].toString());
    QCOMPARE(s.main->lb_ScoreA->text(), json["grade"].toString());
    QCOMPARE(static_cast<double>(s.main->DifferenceValue), json["difference_value"].toDouble());
    const AnalysisResult window = RunAnalysis(s.context.timeline, WindowParams(s));
    QCOMPARE(window.score->d_value, json["d_value"].toDouble());
  } else {
    QCOMPARE(s.prompter.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(s.prompter.messages[0].text), verdict);
    QCOMPARE(s.main->lb_Score->text(), QString("---"));
  }
  QCOMPARE(s.expert->AxisMemo->blockCount(),
           std::max<int>(1, static_cast<int>(json["axis_log"].toArray().size())));
}

}  // namespace mqt

QTEST_MAIN(mqt::AnalysisWindowTest)
#include "analysis_window_test.moc"
