// The report-rate monitor on the main window and the continuous capture from
// the expert console, on the station's fakes.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>

#include "platform/capture_driver/replay_source.h"
#include "test_station.h"

namespace mqt {

using testing::TestStation;
using testing::WaitUntil;

namespace {

class FakeHook : public MouseHook {
 public:
  explicit FakeHook(bool& removed) : removed_(removed) {}
  ~FakeHook() override { removed_ = true; }
  std::string Source() const override { return "fake"; }

 private:
  bool& removed_;
};

class ScriptedClock : public RateClock {
 public:
  std::int64_t now = 0;
  std::int64_t Frequency() override { return 1'000'000; }
  std::int64_t Counter() override { return now; }
};

// A mouse that makes 60 reports 8 ms apart, as fast as read, then keeps still,
// so a stop takes effect.
FunctionSourceProvider ShortReplay() {
  return FunctionSourceProvider{
      [] { return true; },
      [] {
        std::vector<RecordedReport> reports;
        for (int i = 0; i < 60; ++i) reports.push_back({1000, 8 * i, i % 7 - 3, 1});
        std::vector<BoundReportSource> bound;
        bound.push_back({"REPLAY", std::make_unique<ReplaySource>(
                                       reports, MakeReportClock(Pacing::AsFastAsRead))});
        return bound;
      }};
}

std::string ReadBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

class RateAndContinueTest : public QObject {
  Q_OBJECT
 private slots:
  void hookInstalledOnceByTheTimerAndRemovedWithTheWindow();
  void continuousCaptureStartStopAndDump();
  void stopTouchesNoThreadBeforeStartOrAfterTheEnd();
  void intervalThatIsNoNumberStartsNothing();
};

void RateAndContinueTest::hookInstalledOnceByTheTimerAndRemovedWithTheWindow() {
  TestStation s;
  ScriptedClock clock;
  int installs = 0;
  bool removed = false;
  std::function<void()> move;
  s.context.rate_clock = &clock;
  s.context.install_mouse_hook = [&](std::function<void()> on_move) {
    ++installs;
    move = std::move(on_move);
    return std::make_unique<FakeHook>(removed);
  };
  s.Create();
  QCOMPARE(installs, 0);
  s.main->tm_MainFormOKTimer();
  s.main->tm_MainFormOKTimer();
  QCOMPARE(installs, 1);
  QVERIFY(s.main->mouse_hook() != nullptr);

  // 125 moves per second: "0 hz" before the first measurement, then 125.
  for (int i = 0; i <= 32; ++i) {
    clock.now = i * 8000;
    move();
  }
  QCOMPARE(s.main->ed_ReportRate->text(), QString("125hz"));
  QCOMPARE(s.main->mm_ReportRate->toPlainText(), QString("0 hz\n125 hz"));
  // Show unticked: the rate still changes, the list does not.
  s.main->cb_ShowReport->setChecked(false);
  for (int i = 33; i <= 64; ++i) {
    clock.now = 32 * 8000 + (i - 32) * 4000;
    move();
  }
  QCOMPARE(s.main->ed_ReportRate->text(), QString("250hz"));
  QCOMPARE(s.main->mm_ReportRate->toPlainText(), QString("0 hz\n125 hz"));

  s.expert.reset();
  s.main.reset();
  QVERIFY(removed);
}

void RateAndContinueTest::continuousCaptureStartStopAndDump() {
  QTemporaryDir dir;
  FunctionSourceProvider replay = ShortReplay();
  TestStation s;
  s.sources = &replay;
  s.context.continue_dump_paths = {dir.filePath("MouseData.txt").toStdString()};
  s.Create();
  s.Ready();
  s.expert->Button1->click();
  QPointer<TContinueCapture> capture = s.expert->ContinueCapture;
  QVERIFY(capture);
  QVERIFY(WaitUntil([&] { return s.expert->AlgmAMemo->blockCount() > 50; }));
  s.expert->Button2->click();
  QVERIFY(WaitUntil([&] { return capture.isNull(); }));
  QVERIFY(s.expert->ContinueCapture.isNull());

  const std::string dump = ReadBytes(dir.filePath("MouseData.txt"));
  QVERIFY(dump.rfind("X=", 0) == 0);
  QVERIFY(dump.find("\tT=0ms\t2\r\n") != std::string::npos);
  QVERIFY(dump.size() >= 2 && dump.substr(dump.size() - 2) == "\r\n");
  QVERIFY(s.prompter.messages.empty());
}

void RateAndContinueTest::stopTouchesNoThreadBeforeStartOrAfterTheEnd() {
  QTemporaryDir dir;
  FunctionSourceProvider replay = ShortReplay();
  TestStation s;
  s.sources = &replay;
  s.context.continue_dump_paths = {dir.filePath("MouseData.txt").toStdString()};
  s.Create();
  s.Ready();
  s.expert->Button2Click();
  QVERIFY(s.expert->ContinueCapture.isNull());
  s.expert->Button1Click();
  s.expert->Button2Click();
  QVERIFY(WaitUntil([&] { return s.expert->ContinueCapture.isNull(); }));
  s.expert->Button2Click();
  s.expert->Button2Click();
  QVERIFY(s.prompter.messages.empty());
}

void RateAndContinueTest::intervalThatIsNoNumberStartsNothing() {
  TestStation s;
  s.Create();
  s.Ready();
  for (const char* text : {"abc", "0"}) {
    s.expert->le_Interval->setText(text);
    s.expert->Button1Click();
    QVERIFY(s.expert->ContinueCapture.isNull());
  }
  QCOMPARE(s.prompter.messages.size(), std::size_t{2});
  QCOMPARE(s.prompter.messages[0].text, std::string("'abc' is not a valid integer value"));
}

}  // namespace mqt

QTEST_MAIN(mqt::RateAndContinueTest)
#include "rate_and_continue_test.moc"
