// Real mice captured end to end: event streams recorded from two real mice
// fed as their nodes would feed them, through the evdev source, the capture
// driver and MouWaveThread onto the sample timeline; and a bound real mouse
// whose node cannot be opened.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

#include "analysis/analysis_json.h"
#include "analysis/analysis_run.h"
#include "capture/MouWaveThreadUnit.h"
#include "capture/capture_recording.h"
#include "evemu_events.h"
#include "platform/capture_driver/bound_mice_provider.h"
#include "platform/capture_driver/capture_driver.h"
#include "platform/capture_driver/evdev_source.h"
#include "platform/driver_setup/driver_setup_library.h"
#include "platform/prompter.h"
#include "recording_sink.h"

namespace mqt {
namespace {

using namespace std::chrono_literals;
using testing::EventFeed;

class RecordingPrompter : public Prompter {
 public:
  std::vector<std::string> texts;
  MsgResult MessageBox(const std::string& text, const std::string&, MsgButtons, MsgIcon) override {
    texts.push_back(text);
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

std::vector<input_event> LoadEvents(const std::string& name) {
  std::string error;
  std::vector<input_event> events =
      testing::ReadEvemuEvents(std::string(MQT_FIXTURES_DIR) + "/evdev/" + name, error);
  EXPECT_EQ(error, "");
  return events;
}

// The reports an evdev source makes of `events`.
std::vector<RecordedReport> ReportsOf(const std::vector<input_event>& events) {
  EventFeed feed;
  EvdevSource source(feed.TakeReadEnd(), "recorded events");
  feed.WriteAllThenClose(events);
  std::vector<RecordedReport> reports;
  for (SourceEvent e = source.Next(); e.kind == SourceEvent::Kind::Report; e = source.Next())
    reports.push_back(e.report);
  return reports;
}

// The fixtures' recordings with the operator mode a test of them starts in:
// the PS/2 mouse never moves more than 15 counts per report, 12 ms apart, so
// only Expert mode's start threshold of 0 lets its test start.
struct Recording {
  const char* file;
  const char* mode;
  int reversals;  // what the analysis counts in a test of it
};
const Recording kRecordings[] = {{"ps2-generic-mouse.events", "Expert", 4},
                                 {"ultrathin-touch-mouse.events", "User", 16}};
// A test on a wave image of 1014 pixels at the station's interval of 8 ms.
constexpr PlacementSettings kSettings{8, 964, 8};

class EvdevCaptureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test_evdev_capture";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  }

  // Captures one test from `provider` and waits until the thread has ended.
  void Capture(CaptureSourceProvider& provider) {
    CaptureDriver driver(provider);
    TestCaptureLinks links{timeline, carry, sink, completion, prompter, "Capture"};
    TestCaptureStart start = StartMouWaveThread(links, kSettings, OpenCaptureDevice(driver, 0),
                                                std::chrono::microseconds(0));
    ASSERT_TRUE(start.thread);
    QPointer<MouWaveThread> thread = start.thread;
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (completion.calls == 0 || !thread.isNull()) {
      ASSERT_LT(std::chrono::steady_clock::now(), limit) << "the capture did not end";
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  SampleTimeline timeline;
  SlotCarry carry;
  RecordingSink sink;
  RecordingCompletion completion;
  RecordingPrompter prompter;
};

TEST(EvdevRecordings, ReportsAreTheFramesOfTheRecordedEvents) {
  // The Bluetooth mouse's recording was converted to a capture recording
  // before, on its own: the source gives exactly those reports.
  CaptureRecording converted;
  ASSERT_EQ(LoadCaptureRecording(
                std::string(MQT_FIXTURES_DIR) + "/capture/ultrathin-touch-mouse.csv", converted),
            "");
  EXPECT_EQ(ReportsOf(LoadEvents("ultrathin-touch-mouse.events")), converted.reports);

  // The PS/2 mouse's recording has only movement: one report per SYN_REPORT,
  // stamped with its time, and every count of it.
  const std::vector<input_event> events = LoadEvents("ps2-generic-mouse.events");
  std::vector<std::int64_t> frame_times;
  std::int64_t x = 0, y = 0;
  for (const input_event& e : events) {
    if (e.type == EV_SYN && e.code == SYN_REPORT)
      frame_times.push_back(e.input_event_sec * 1'000'000LL + e.input_event_usec);
    if (e.type == EV_REL) (e.code == REL_X ? x : y) += e.value;
  }
  const std::vector<RecordedReport> reports = ReportsOf(events);
  ASSERT_EQ(reports.size(), frame_times.size());
  std::int64_t rx = 0, ry = 0;
  for (std::size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i].frequency, kEvdevFrequency);
    EXPECT_EQ(reports[i].timestamp, frame_times[i]) << "report " << i;
    rx += reports[i].dx;
    ry += reports[i].dy;
  }
  EXPECT_EQ(rx, x);
  EXPECT_EQ(ry, y);
}

// Each recording captured through the driver and MouWaveThread fills the
// timeline exactly as placing its reports directly does (nothing lost,
// nothing made up, whatever the pace of the feed) and is scored.
TEST_F(EvdevCaptureTest, RecordedMiceCapturedEndToEnd) {
  for (const Recording& recording : kRecordings) {
    SCOPED_TRACE(recording.file);
    const std::vector<input_event> events = LoadEvents(recording.file);

    SampleTimeline expected;
    expected.Reset();
    SlotCarry expected_carry;
    RecordingSink expected_sink;
    expected_sink.mode = recording.mode;
    RecordPlacement direct(expected, expected_carry, expected_sink, kSettings);
    for (const RecordedReport& r : ReportsOf(events)) {
      if (direct.TimelineFull()) break;
      direct.Place(CaptureRecord{r.frequency, r.timestamp, "", r.dx, r.dy});
    }
    ASSERT_TRUE(direct.TimelineFull()) << "the recording must fill a test";

    timeline = SampleTimeline{};
    carry = SlotCarry{};
    sink = RecordingSink{};
    sink.mode = recording.mode;
    completion = RecordingCompletion{};
    EventFeed feed;
    FunctionSourceProvider provider(
        [] { return true; },
        [&] {
          std::vector<BoundReportSource> bound;
          bound.push_back({"HID\\VID_046D&PID_B00D\\RECORDED",
                           std::make_unique<EvdevSource>(feed.TakeReadEnd(), recording.file)});
          feed.WriteAllThenClose(events);
          return bound;
        });
    Capture(provider);

    EXPECT_EQ(completion.outcome.end, CaptureEnd::OwnerEnded);
    EXPECT_TRUE(prompter.texts.empty());
    EXPECT_EQ(timeline.sample_count, expected.sample_count);
    EXPECT_EQ(timeline.time_base, expected.time_base);
    for (int i = 0; i < SampleTimeline::kEntries; ++i) {
      const SampleSlot& a = timeline.entries[static_cast<std::size_t>(i)];
      const SampleSlot& e = expected.entries[static_cast<std::size_t>(i)];
      ASSERT_TRUE(a.valid == e.valid && a.dx == e.dx && a.dy == e.dy &&
                  a.interval_ms == e.interval_ms && a.elapsed_ms == e.elapsed_ms)
          << "entry " << i;
    }
    EXPECT_EQ(sink.calls, expected_sink.calls);

    // Scored as the station scores a test: ordinary use is no test movement,
    // and its pauses fail the continuity check. The same every time, and the
    // same as for the directly placed reports.
    AnalysisParams params;
    params.operator_mode = recording.mode;
    const AnalysisResult result = RunAnalysis(timeline, params);
    EXPECT_EQ(result.verdict, Verdict::FailScore);
    EXPECT_FALSE(result.continuity);
    EXPECT_EQ(result.reversal_count, recording.reversals);
    EXPECT_EQ(result.peak_count, 0);
    EXPECT_FALSE(result.score);
    EXPECT_EQ(AnalysisJson(timeline, sink.Memo(), result),
              AnalysisJson(expected, expected_sink.Memo(), RunAnalysis(expected, params)));
  }
}

// A real mouse bound to the capture filter whose node cannot be opened ends
// the test at once, and the test completion learns which node and why.
TEST_F(EvdevCaptureTest, BoundRealMouseThatCannotBeOpenedEndsTheTestWithItsNode) {
  const std::filesystem::path state_file =
      std::filesystem::temp_directory_path() / ("mqt-evdev-state-" + std::to_string(::getpid()));
  DriverSetupStore store(state_file);
  ASSERT_TRUE(store.Update([](DriverSetupState& state) {
    state.devices.push_back({std::string(kCaptureDeviceId), "Mouse Capture", "MouseCapture.inf"});
    state.filters.push_back({"HID\\VID_046D&PID_C077", "USB_MOUSE_Quality_Test", "MFilter.inf"});
  }));
  PresentMouse mouse;
  mouse.instance_id = "HID\\VID_046D&PID_C077\\USB-0000_00_14.0-2";
  mouse.description = "Logitech USB Optical Mouse";
  mouse.source = MouseSource::kReal;
  mouse.event_nodes = {"/dev/input/event-unplugged"};
  BoundMiceProvider provider(store, [&] { return std::vector<PresentMouse>{mouse}; });
  ASSERT_TRUE(provider.CaptureInterfacePresent());

  Capture(provider);
  std::filesystem::remove(state_file);

  EXPECT_EQ(completion.outcome.end, CaptureEnd::CompletionFailed);
  EXPECT_TRUE(
      completion.outcome.detail.starts_with(mouse.instance_id + ": /dev/input/event-unplugged: "))
      << completion.outcome.detail;
  EXPECT_EQ(prompter.texts, std::vector<std::string>{std::string(kMsgGetOverlappedResultError)});
  EXPECT_EQ(timeline.sample_count, 0);
}

}  // namespace
}  // namespace mqt
