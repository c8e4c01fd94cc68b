// Window tests of a whole test on the main window: start on the simulated
// mouse or a replayed recording, busy and idle states, gauge, banner, interval
// lines, realtime display, stop, and the starts that cannot go ahead.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "capture/capture_loop.h"
#include "platform/capture_driver/evdev_open.h"
#include "platform/capture_driver/replay_source.h"
#include "shell/form_controls.h"
#include "test_station.h"

namespace mqt {

namespace {

using testing::TestStation;
using testing::WaitUntil;

// Pixels in which two pictures of the same size differ.
int DifferentPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  }
  return count;
}

bool Busy(const TMainForm& m) {
  return !m.tb_Record->isEnabled() && !m.mm_Record->isEnabled() && !m.cb_Adapter->isEnabled() &&
         !m.sb_SaveAs->isEnabled() && m.pn_MouseRate->isHidden();
}

bool Idle(const TMainForm& m) {
  return m.tb_Record->isEnabled() && m.mm_Record->isEnabled() && m.cb_Adapter->isEnabled() &&
         m.sb_SaveAs->isEnabled() && !m.tb_Stop->isEnabled() && !m.mm_Stop->isEnabled() &&
         !m.pn_MouseRate->isHidden();
}

// A hand that sets off at once and swings for `reports` reports, 8 ms apart,
// then keeps still.
std::vector<RecordedReport> Swings(int reports) {
  constexpr std::int64_t kFrequency = 1'000'000;
  std::vector<RecordedReport> out;
  std::int64_t t = 5'000'000;
  out.push_back({kFrequency, t, 0, 0});
  for (int i = 0; i < reports; ++i) {
    t += 8'000;
    const int phase = i % 100;
    const int dx = phase < 50 ? 60 : -60;
    out.push_back({kFrequency, t, dx, i % 3 - 1});
  }
  return out;
}

// A replayed recording as the one mouse behind the driver.
struct ReplayProvider : CaptureSourceProvider {
  std::vector<RecordedReport> reports;
  Pacing pacing = Pacing::AsFastAsRead;
  bool present = true;
  bool CaptureInterfacePresent() override { return present; }
  std::vector<BoundReportSource> OpenBoundSources() override {
    std::vector<BoundReportSource> sources;
    sources.push_back({"replay", std::make_unique<ReplaySource>(reports, MakeReportClock(pacing))});
    return sources;
  }
};

// A device whose start request fails.
class StartFailsChannel : public CaptureDeviceChannel {
 public:
  bool StartRecord() override { return false; }
  ReadStatus Read(std::span<std::uint8_t>) override { return ReadStatus::Failed; }
  bool WaitForRead(std::chrono::milliseconds) override { return false; }
  bool QueryCompletion() override { return false; }
  void CancelIo() override {}
  void Close() override {}
  std::string FailureDetail() override { return {}; }
};

// Watches the banner: was it closed while the window was still busy, and how
// did the picture look then.
struct BannerWatch : QObject {
  TestStation& s;
  int closed_while_busy = 0;
  QImage picture_at_first_close;
  explicit BannerWatch(TestStation& station) : s(station) { s.banner->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide && s.main->tb_Stop->isEnabled()) {
      if (closed_while_busy++ == 0) {
        picture_at_first_close = s.main->ImageXY->Picture();
      }
    }
    return false;
  }
};

}  // namespace

class TestControlTest : public QObject {
  Q_OBJECT
 private slots:
  void wholeTestOnTheSimulatedMouse_data();
  void wholeTestOnTheSimulatedMouse();
  void rangeAndIntervalReachTheCapture();
  void stopDuringMovementEndsWhenTheMouseIsQuiet();
  void noCaptureDeviceReturnsToIdle();
  void intervalRefusedReturnsToIdle_data();
  void intervalRefusedReturnsToIdle();
  void failedStartRequestDrawsAndAnalysesNothing();
  void unreadableMouseSaysWhichNodeAndHowToGetAccess();
  void stopWithoutARunningTestTouchesNoThread();
  void closingDuringATestEndsTheCapture();
  void destroyingTheWindowDuringATestEndsTheCapture();
};

void TestControlTest::wholeTestOnTheSimulatedMouse_data() {
  QTest::addColumn<bool>("realtime");
  QTest::newRow("realtime display on") << true;
  QTest::newRow("realtime display off") << false;
}

void TestControlTest::wholeTestOnTheSimulatedMouse() {
  QFETCH(bool, realtime);
  TestStation s;
  s.settings.values["RealDisplay"] = realtime ? "1" : "0";
  s.texts["Msgplay"] = "Move the mouse left and right";
  s.Create();
  s.Ready();
  TMainForm& m = *s.main;
  m.lb_Score->setText("87");
  m.lb_ScoreA->setText("B");
  m.lb_Suggest->setText("old advice");
  BannerWatch watch(s);

  m.tb_Record->click();
  // Busy at once, before the first record has been placed.
  QVERIFY(Busy(m));
  QVERIFY(m.tb_Stop->isEnabled() && m.mm_Stop->isEnabled());
  QVERIFY(!m.mm_RealtimeDisplay->isEnabled());
  QVERIFY(!m.CurrentTestThread.isNull());
  QVERIFY(s.banner->isVisible());
  QCOMPARE(s.banner->Message, std::string("Move the mouse left and right"));
  QCOMPARE(s.banner->Animated, 0);
  QCOMPARE(m.lb_Score->text(), QString("---"));
  QVERIFY(m.lb_ScoreA->text().isEmpty() && m.lb_Suggest->text().isEmpty());
  const int image_width = m.ImageXY->width();
  QCOMPARE(m.CGauge->MinValue(), 0);
  QCOMPARE(m.CGauge->MaxValue(), image_width - 90);
  QCOMPARE(m.CGauge->Progress(), 40);
  // The empty frame at the image's size.
  const QImage frame = m.ImageXY->Picture();
  QCOMPARE(frame.size(), m.ImageXY->size());
  QVERIFY(!m.lb_WebSite->isHidden());

  QVERIFY(WaitUntil([&] { return m.CurrentTestThread.isNull(); }));
  QVERIFY(Idle(m));
  QCOMPARE(m.CGauge->Progress(), image_width - 90);
  QVERIFY(s.banner->isHidden());
  // The movement closed the banner during the capture, not only the completion.
  QVERIFY(watch.closed_while_busy >= 1);
  // Realtime display off: no bars while the test runs.
  if (!realtime) QVERIFY(watch.picture_at_first_close == frame);

  // A full timeline: every record after the first stored one gave an interval line.
  const int last_position = image_width - 50;
  QVERIFY(s.context.timeline.sample_count > last_position - 5);
  QVERIFY(s.context.timeline.sample_count <= last_position);
  const int lines = s.expert->AlgmAMemo->blockCount();
  QVERIFY2(lines >= s.context.timeline.sample_count - 1, qPrintable(QString::number(lines)));
  QCOMPARE(s.expert->AlgmAMemo->document()->findBlockByNumber(0).text(), QString("8"));

  // Bars in the columns of the stored entries (drawn as they came, or all at
  // the end), nothing left of the first one's column 41.
  const QImage picture = m.ImageXY->Picture();
  QVERIFY(DifferentPixels(picture, frame) > 10000);
  QCOMPARE(DifferentPixels(picture.copy(0, 0, 41, picture.height()),
                           frame.copy(0, 0, 41, frame.height())),
           0);
  QVERIFY(s.prompter.messages.empty());
}

void TestControlTest::rangeAndIntervalReachTheCapture() {
  TestStation s;
  s.Create();
  s.Ready();
  s.expert->cb_WaveRange->setCurrentIndex(2);
  s.expert->le_Interval->setText("8");
  s.main->mm_RecordClick();
  QVERIFY(!s.main->CurrentTestThread.isNull());
  const PlacementSettings settings = s.main->CurrentTestThread->placement().settings();
  QCOMPARE(settings.bit_width, 10);
  QCOMPARE(settings.slot_length, 8);
  QCOMPARE(settings.last_position, s.main->ImageXY->width() - 50);
  QVERIFY(WaitUntil([&] { return Idle(*s.main); }));
}

void TestControlTest::stopDuringMovementEndsWhenTheMouseIsQuiet() {
  ReplayProvider replay;
  replay.reports = Swings(150);  // 1.2 s of movement in real time
  replay.pacing = Pacing::RealTime;
  TestStation s;
  s.sources = &replay;
  s.Create();
  s.Ready();
  TMainForm& m = *s.main;
  m.mm_RecordClick();
  QTest::qWait(400);
  QVERIFY(s.context.timeline.sample_count > 0);
  m.mm_Stop->trigger();
  QVERIFY(!m.tb_Stop->isEnabled() && !m.mm_Stop->isEnabled());
  // Still moving: the capture goes on until the mouse has been quiet.
  QTest::qWait(300);
  QVERIFY(Busy(m));
  QVERIFY(!m.CurrentTestThread.isNull());

  QVERIFY(WaitUntil([&] { return Idle(m); }));
  QVERIFY(WaitUntil([&] { return m.CurrentTestThread.isNull(); }));
  // The whole recording on a partly filled timeline: all but the first report
  // and the one that set off, and an interval line for all but the first stored.
  QCOMPARE(s.context.timeline.sample_count, 149);
  QCOMPARE(s.expert->AlgmAMemo->blockCount(), 148);
  QCOMPARE(m.CGauge->Progress(), m.ImageXY->width() - 90);
  QVERIFY(s.banner->isHidden());
}

void TestControlTest::noCaptureDeviceReturnsToIdle() {
  ReplayProvider replay;
  replay.present = false;
  TestStation s;
  s.sources = &replay;
  s.Create();
  s.Ready();
  s.main->mm_RecordClick();
  QVERIFY(Idle(*s.main));
  QVERIFY(s.banner->isHidden());
  QVERIFY(s.main->CurrentTestThread.isNull());
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QVERIFY(s.prompter.messages[0].text.find("capture device cannot be opened") != std::string::npos);
  QCOMPARE(s.prompter.messages[0].icon, MsgIcon::Error);
}

void TestControlTest::intervalRefusedReturnsToIdle_data() {
  QTest::addColumn<QString>("interval");
  for (const char* text : {"abc", "", "0", "-8", "8.5", "8ms"}) QTest::newRow(text) << text;
}

void TestControlTest::intervalRefusedReturnsToIdle() {
  QFETCH(QString, interval);
  TestStation s;
  s.Create();
  s.Ready();
  s.context.timeline.sample_count = 5;  // left by an earlier test
  s.expert->le_Interval->setText(interval);
  s.main->mm_RecordClick();
  QVERIFY(Idle(*s.main));
  QVERIFY(s.banner->isHidden());
  QVERIFY(s.main->CurrentTestThread.isNull());
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QCOMPARE(s.prompter.messages[0].text, CheckPlacementSettings({0, 964, 8}));
  // Nothing was created, so the last test's timeline is still there.
  QCOMPARE(s.context.timeline.sample_count, 5);
}

void TestControlTest::failedStartRequestDrawsAndAnalysesNothing() {
  TestStation s;
  s.context.open_capture_device = [] { return std::make_unique<StartFailsChannel>(); };
  s.Create();
  s.Ready();
  s.main->mm_RecordClick();
  QVERIFY(WaitUntil([&] { return Idle(*s.main); }));
  QVERIFY(s.banner->isHidden());
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QCOMPARE(s.prompter.messages[0].text, std::string(kMsgStartRecordError));
  QCOMPARE(s.main->lb_Score->text(), QString("---"));
}

void TestControlTest::unreadableMouseSaysWhichNodeAndHowToGetAccess() {
  TestStation s;
  const std::string refusal = EvdevOpenFailure("/dev/input/event5", EACCES,
                                               "/opt/station/udev/70-mouse-quality-test.rules");
  FunctionSourceProvider unreadable([] { return true; },
                                    [&] {
                                      std::vector<BoundReportSource> sources;
                                      sources.push_back({"HID\\VID_046D&PID_C077\\USB-1-2",
                                                         std::make_unique<FailedSource>(refusal)});
                                      return sources;
                                    });
  s.sources = &unreadable;
  s.Create();
  s.Ready();
  s.main->mm_RecordClick();
  QVERIFY(WaitUntil([&] { return Idle(*s.main) && s.main->CurrentTestThread.isNull(); }));
  QVERIFY(s.prompter.messages.size() >= 2);
  QCOMPARE(s.prompter.messages[0].text, std::string(kMsgGetOverlappedResultError));
  QCOMPARE(s.prompter.messages[1].text, "HID\\VID_046D&PID_C077\\USB-1-2: " + refusal);
  QCOMPARE(s.prompter.messages[1].icon, MsgIcon::Error);
}

void TestControlTest::stopWithoutARunningTestTouchesNoThread() {
  TestStation s;
  s.Create();
  s.Ready();
  // As during a filter removal: busy, with no capture at all.
  s.main->SetBusyControls();
  s.main->tb_Stop->click();
  QVERIFY(!s.main->tb_Stop->isEnabled() && !s.main->mm_Stop->isEnabled());
  s.main->SetIdleControls();

  // After a finished test whose thread has ended and gone.
  s.main->mm_RecordClick();
  QVERIFY(WaitUntil([&] { return s.main->CurrentTestThread.isNull(); }));
  s.main->SetBusyControls();
  s.main->tb_StopClick();
  QVERIFY(!s.main->tb_Stop->isEnabled());
}

void TestControlTest::closingDuringATestEndsTheCapture() {
  TestStation s;
  s.simulated = SimulatedMouseProvider(SimulatedMouseOptions{}, Pacing::RealTime);
  s.Create();
  s.Ready();
  s.main->show();
  s.main->mm_RecordClick();
  QTest::qWait(300);
  QPointer<MouWaveThread> thread = s.main->CurrentTestThread;
  QVERIFY(!thread.isNull());
  QVERIFY(s.main->close());
  QVERIFY(thread.isNull());
  QVERIFY(s.main->isHidden());
  // Nothing is handed over any more.
  const int count = s.context.timeline.sample_count;
  QTest::qWait(100);
  QCOMPARE(s.context.timeline.sample_count, count);
}

void TestControlTest::destroyingTheWindowDuringATestEndsTheCapture() {
  TestStation s;
  s.simulated = SimulatedMouseProvider(SimulatedMouseOptions{}, Pacing::RealTime);
  s.Create();
  s.Ready();
  s.main->mm_RecordClick();
  QTest::qWait(200);
  QPointer<MouWaveThread> thread = s.main->CurrentTestThread;
  QVERIFY(!thread.isNull());
  s.main.reset();
  QVERIFY(thread.isNull());
}

}  // namespace mqt

QTEST_MAIN(mqt::TestControlTest)
#include "test_control_test.moc"
