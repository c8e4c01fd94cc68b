// Records per second that a test capture sustains through the whole pipeline:
// capture driver, capture loop, blocking hand-over to the user-interface
// thread and record placement. With the 1 ms pause after each read the
// capture can follow at most 1000 reports per second; without it the figure
// shows what the rest of the pipeline costs.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>

#include "capture/MouWaveThreadUnit.h"
#include "platform/capture_driver/capture_driver.h"
#include "platform/capture_driver/replay_source.h"
#include "platform/prompter.h"

namespace mqt {
namespace {

using Clock = std::chrono::steady_clock;

// The window side, doing nothing but noting when records were placed.
class TimingSink final : public PlacementSink {
 public:
  int placed = 0;
  Clock::time_point first, last;

  void AddIntervalLine(std::string_view) override {}
  void CloseBanner() override {}
  bool RealtimeDisplay() override { return true; }
  void DrawRealtimeStrokes(int, int, int) override {}
  void SetGaugePosition(int) override {
    last = Clock::now();
    if (placed++ == 0) first = last;
  }
  std::string OperatorMode() override { return "User"; }
};

class QuitOnCompletion final : public TestCompletionOwner {
 public:
  explicit QuitOnCompletion(QEventLoop& loop) : loop_(loop) {}
  void TestCompletion(const CaptureOutcome&) override { loop_.quit(); }

 private:
  QEventLoop& loop_;
};

class SilentPrompter final : public Prompter {
 public:
  MsgResult MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override {
    return MsgResult::Ok;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

// A fast mouse reporting every millisecond with swings well above the start
// threshold: with slot length 1 every record takes the next position.
std::vector<RecordedReport> Swings(int count) {
  std::vector<RecordedReport> reports;
  for (int i = 0; i < count; ++i) reports.push_back({1000, i, (i / 50) % 2 ? -40 : 40, 3});
  return reports;
}

void BM_CapturePipeline(benchmark::State& state) {
  const std::chrono::microseconds pause(state.range(0));
  const std::vector<RecordedReport> reports = Swings(SampleTimeline::kEntries + 16);
  FunctionSourceProvider provider(
      [] { return true; },
      [&] {
        std::vector<BoundReportSource> bound;
        bound.push_back({"REPLAY", std::make_unique<ReplaySource>(
                                       reports, MakeReportClock(Pacing::AsFastAsRead))});
        return bound;
      });
  CaptureDriver driver(provider);
  SampleTimeline timeline;
  SlotCarry carry;
  SilentPrompter prompter;
  double records = 0;
  double seconds = 0;

  for (auto _ : state) {
    TimingSink sink;
    QEventLoop loop;
    QuitOnCompletion completion(loop);
    TestCaptureStart start =
        StartMouWaveThread({timeline, carry, sink, completion, prompter, ""},
                           {1, SampleTimeline::kEntries, 8}, OpenCaptureDevice(driver, 0), pause);
    loop.exec();
    // The thread frees itself once finished; let it, before the next test starts.
    while (start.thread) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The drain's quiet 100 ms before the start request is not capture time.
    const double span = std::chrono::duration<double>(sink.last - sink.first).count();
    state.SetIterationTime(span);
    records += sink.placed - 1;
    seconds += span;
  }
  state.counters["records_per_second"] = records / seconds;
}
BENCHMARK(BM_CapturePipeline)
    ->ArgName("pause_us")
    ->Arg(1000)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace mqt

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
