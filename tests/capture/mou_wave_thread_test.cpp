#include "capture/MouWaveThreadUnit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>

#include "capture/capture_recording.h"
#include "manual_source.h"
#include "platform/capture_driver/capture_driver.h"
#include "platform/capture_driver/replay_source.h"
#include "platform/prompter.h"
#include "recording_sink.h"

namespace mqt {
namespace {

using namespace std::chrono_literals;

// Message boxes, answered at once; remembers whether each came on the
// user-interface thread.
class RecordingPrompter : public Prompter {
 public:
  std::vector<std::string> texts;
  bool all_on_ui_thread = true;

  MsgResult MessageBox(const std::string& text, const std::string&, MsgButtons, MsgIcon) override {
    texts.push_back(text);
    all_on_ui_thread &= QThread::currentThread() == QCoreApplication::instance()->thread();
    return MsgResult::Ok;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

class RecordingCompletion : public TestCompletionOwner {
 public:
  int calls = 0;
  CaptureOutcome outcome;
  void TestCompletion(const CaptureOutcome& o) override {
    ++calls;
    outcome = o;
  }
};

std::vector<RecordedReport> LoadFixture(const std::string& name) {
  CaptureRecording recording;
  const std::string error =
      LoadCaptureRecording(std::string(MQT_FIXTURES_DIR) + "/capture/" + name, recording);
  EXPECT_EQ(error, "");
  return recording.reports;
}

// Runs the user-interface thread's event loop until `done` or a generous limit.
bool SpinUntil(const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + 20s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return true;
}

void ExpectSameTimeline(const SampleTimeline& actual, const SampleTimeline& expected) {
  EXPECT_EQ(actual.sample_count, expected.sample_count);
  EXPECT_EQ(actual.time_base, expected.time_base);
  for (int i = 0; i < SampleTimeline::kEntries; ++i) {
    const SampleSlot& a = actual.entries[static_cast<std::size_t>(i)];
    const SampleSlot& e = expected.entries[static_cast<std::size_t>(i)];
    const bool same = a.valid == e.valid && a.dx == e.dx && a.dy == e.dy &&
                      a.interval_ms == e.interval_ms && a.elapsed_ms == e.elapsed_ms;
    if (!same) {
      ADD_FAILURE() << "entry " << i << " differs: valid " << a.valid << "/" << e.valid << " dx "
                    << a.dx << "/" << e.dx << " interval " << a.interval_ms << "/" << e.interval_ms;
      return;
    }
  }
}

// Everything a test capture works on, with a driver whose bound mouse the
// test chooses.
class MouWaveThreadTest : public ::testing::Test {
 protected:
  using Sources = std::function<std::vector<BoundReportSource>()>;

  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test_mou_wave_thread";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  }

  void UseMouse(Sources sources) { sources_ = std::move(sources); }
  void UseReplay(std::vector<RecordedReport> reports, Pacing pacing) {
    UseMouse([reports, pacing] {
      std::vector<BoundReportSource> bound;
      bound.push_back({"REPLAY", std::make_unique<ReplaySource>(reports, MakeReportClock(pacing))});
      return bound;
    });
  }

  TestCaptureLinks Links() { return {timeline, carry, sink, completion, prompter, "Capture"}; }

  QPointer<MouWaveThread> Start(const PlacementSettings& settings) {
    TestCaptureStart start = StartMouWaveThread(Links(), settings, OpenCaptureDevice(driver, 0),
                                                std::chrono::microseconds(0));
    EXPECT_EQ(start.refusal, "");
    EXPECT_TRUE(start.thread);
    return start.thread;
  }

  // Waits for test completion and for the thread to have freed itself.
  void WaitForEnd(QPointer<MouWaveThread>& thread) {
    ASSERT_TRUE(SpinUntil([&] { return completion.calls > 0 && thread.isNull(); }));
    EXPECT_EQ(completion.calls, 1);
  }

  std::atomic<bool> present{true};
  Sources sources_;
  FunctionSourceProvider provider{[this] { return present.load(); }, [this] { return sources_(); }};
  CaptureDriver driver{provider};
  SampleTimeline timeline;
  SlotCarry carry;
  RecordingSink sink;
  RecordingCompletion completion;
  RecordingPrompter prompter;
};

// A replayed recording captured through the driver, the capture loop and the
// hand-over gives the timeline that placing the same records directly gives.
TEST_F(MouWaveThreadTest, CapturedReplayEqualsDirectPlacement) {
  struct Case {
    const char* fixture;
    PlacementSettings settings;
    const char* mode;
  };
  const Case cases[] = {
      {"ultrathin-touch-mouse.csv", {8, 250, 8}, "User"},
      {"timing-edges.csv", {8, 750, 10}, "User"},
      {"timing-edges.csv", {3, 2048, 9}, "Expert"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture);
    const std::vector<RecordedReport> reports = LoadFixture(c.fixture);
    ASSERT_FALSE(reports.empty());

    SampleTimeline expected;
    SlotCarry expected_carry{1};
    RecordingSink expected_sink;
    expected_sink.mode = c.mode;
    expected.Reset();
    RecordPlacement direct(expected, expected_carry, expected_sink, c.settings);
    std::size_t placed = 0;
    for (const RecordedReport& r : reports) {
      if (direct.TimelineFull()) break;
      direct.Place(CaptureRecord{r.frequency, r.timestamp, "", r.dx, r.dy});
      ++placed;
    }
    ASSERT_TRUE(direct.TimelineFull()) << "the fixture must fill the timeline";
    ASSERT_LT(placed, reports.size());

    timeline = SampleTimeline{};
    for (SampleSlot& slot : timeline.entries) slot.valid = 1;  // an earlier test's flags
    carry.value = 1;
    sink = RecordingSink{};
    sink.mode = c.mode;
    completion = RecordingCompletion{};
    UseReplay(reports, Pacing::AsFastAsRead);
    QPointer<MouWaveThread> thread = Start(c.settings);
    WaitForEnd(thread);

    EXPECT_EQ(completion.outcome.end, CaptureEnd::OwnerEnded);
    EXPECT_EQ(completion.outcome.malformed_records, 0);
    ExpectSameTimeline(timeline, expected);
    EXPECT_EQ(sink.calls, expected_sink.calls);
    EXPECT_EQ(carry.value, expected_carry.value);
    EXPECT_TRUE(prompter.texts.empty());
  }
}

TEST_F(MouWaveThreadTest, StopDuringMovementEndsOnlyAfterTheDeviceWasQuiet) {
  // 40 reports 8 ms apart in real time, then nothing.
  std::vector<RecordedReport> reports;
  for (int i = 0; i < 40; ++i) reports.push_back({1000, 8 * i, i < 2 ? 0 : 40, 0});
  UseReplay(reports, Pacing::RealTime);
  QPointer<MouWaveThread> thread = Start({8, 1000, 8});
  ASSERT_TRUE(SpinUntil([&] { return timeline.sample_count >= 1; }));
  thread->RequestStop();
  WaitForEnd(thread);

  EXPECT_EQ(completion.outcome.end, CaptureEnd::Stopped);
  // Every report after the threshold crossing (the third) was placed: the stop waited.
  EXPECT_EQ(timeline.sample_count, 37);
}

TEST_F(MouWaveThreadTest, FailedStartRequestShowsItsMessageAndStillCompletes) {
  QPointer<MouWaveThread> thread = Start({8, 1000, 8});
  present = false;  // the driver goes away before the start request
  WaitForEnd(thread);

  EXPECT_EQ(prompter.texts, (std::vector<std::string>{"IOCTL_MOUCAP_START_RECORD error"}));
  EXPECT_TRUE(prompter.all_on_ui_thread);
  EXPECT_EQ(completion.outcome.end, CaptureEnd::StartFailed);
}

TEST_F(MouWaveThreadTest, MouseThatFailsEndsTheTestWithTheMessageOnTheUiThread) {
  // Opened by the start request, on the capture thread.
  std::atomic<ManualSource*> mouse = nullptr;
  UseMouse([&mouse] {
    std::vector<BoundReportSource> bound;
    auto source = std::make_unique<ManualSource>();
    mouse = source.get();
    bound.push_back({"HID\\VID_1234&PID_0001\\GONE", std::move(source)});
    return bound;
  });
  QPointer<MouWaveThread> thread = Start({8, 1000, 8});
  ASSERT_TRUE(SpinUntil([&] { return mouse != nullptr; }));
  mouse.load()->Push({1000, 0, 0, 0});
  mouse.load()->Fail("No such device");
  WaitForEnd(thread);

  EXPECT_EQ(completion.outcome.end, CaptureEnd::CompletionFailed);
  EXPECT_EQ(completion.outcome.detail, "HID\\VID_1234&PID_0001\\GONE: No such device");
  EXPECT_EQ(prompter.texts, (std::vector<std::string>{"GetOverlappedResult error"}));
  EXPECT_TRUE(prompter.all_on_ui_thread);
}

TEST_F(MouWaveThreadTest, StarterRefusesBadSettingsAndStartsNothingWithoutADevice) {
  timeline.entries[1500].valid = 1;
  timeline.sample_count = 9;
  TestCaptureStart refused = StartMouWaveThread(Links(), {0, 750, 8}, OpenCaptureDevice(driver, 0));
  EXPECT_FALSE(refused.thread);
  EXPECT_FALSE(refused.refusal.empty());
  EXPECT_EQ(timeline.sample_count, 9);  // a refusal changes nothing

  TestCaptureStart no_device = StartMouWaveThread(Links(), {8, 750, 8}, nullptr);
  EXPECT_FALSE(no_device.thread);
  EXPECT_EQ(no_device.refusal, "");
  EXPECT_EQ(timeline.entries[1500].valid, 0);  // created, so reset
  EXPECT_EQ(completion.calls, 0);
}

TEST_F(MouWaveThreadTest, StopAndWaitEndsARunningCaptureWithoutFurtherHandOvers) {
  UseMouse([] {
    std::vector<BoundReportSource> bound;
    bound.push_back(
        {"SIM", std::make_unique<SimulatedMouse>(SimulatedMouseOptions{.report_rate_hz = 1000},
                                                 MakeReportClock(Pacing::RealTime))});
    return bound;
  });
  sink.mode = "Expert";
  QPointer<MouWaveThread> thread = Start({1, 2048, 8});
  ASSERT_TRUE(SpinUntil([&] { return timeline.sample_count >= 5; }));
  // The program closes while the mouse keeps moving.
  thread->StopAndWait();
  EXPECT_TRUE(thread->isFinished());
  EXPECT_EQ(completion.calls, 0);
  delete thread.data();
  EXPECT_TRUE(thread.isNull());
}

}  // namespace
}  // namespace mqt
