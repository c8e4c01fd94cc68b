#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/capture_driver/capture_source_provider.h"
#include "platform/capture_driver/replay_source.h"
#include "platform/capture_driver/simulated_mouse.h"
#include "platform/device_ids.h"
#include "platform/performance_counter.h"

namespace mqt {
namespace {

using namespace std::chrono_literals;

std::vector<RecordedReport> Take(ReportSource& source, int count) {
  std::vector<RecordedReport> reports;
  for (int i = 0; i < count; ++i) {
    const SourceEvent event = source.Next();
    EXPECT_EQ(event.kind, SourceEvent::Kind::Report);
    reports.push_back(event.report);
  }
  return reports;
}

std::vector<RecordedReport> Simulate(const SimulatedMouseOptions& options, int count) {
  SimulatedMouse mouse(options, std::make_unique<AsFastAsReadClock>(0));
  return Take(mouse, count);
}

TEST(SimulatedMouse, SameSeedSameReportsOtherSeedOtherNoise) {
  const SimulatedMouseOptions options{
      .sensor_noise_counts = 1.5, .drop_probability = 0.1, .seed = 7};
  EXPECT_EQ(Simulate(options, 500), Simulate(options, 500));
  SimulatedMouseOptions other = options;
  other.seed = 8;
  EXPECT_NE(Simulate(options, 500), Simulate(other, 500));
}

TEST(SimulatedMouse, SwingsBackAndForthAtTheReportRate) {
  const SimulatedMouseOptions options{.report_rate_hz = 500,
                                      .swing_amplitude_counts = 1000,
                                      .swing_period_ms = 1000,
                                      .sensor_noise_counts = 0.5};
  const std::vector<RecordedReport> reports = Simulate(options, 1000);  // two seconds
  std::int64_t x = 0, lowest = 0, highest = 0;
  for (std::size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i].frequency, PerformanceCounter::kFrequency);
    EXPECT_EQ(reports[i].timestamp, static_cast<std::int64_t>(i + 1) * 2'000'000);
    x += reports[i].dx;
    lowest = std::min(lowest, x);
    highest = std::max(highest, x);
  }
  // From one turning point to the other is twice the amplitude; the noise
  // never adds up, so two full swings end where they began.
  EXPECT_NEAR(static_cast<double>(highest - lowest), 2000, 2);
  EXPECT_NEAR(static_cast<double>(x), 0, 1);
  // The hand sets off from rest: the first reports move less than a start threshold.
  EXPECT_LT(std::abs(reports[0].dx), 12);
}

TEST(SimulatedMouse, DroppedReportsLeaveGapsAndKeepTheMovement) {
  const SimulatedMouseOptions options{
      .report_rate_hz = 1000, .sensor_noise_counts = 0, .drop_probability = 0.3, .seed = 3};
  const std::vector<RecordedReport> kept = Simulate(options, 700);
  int gaps = 0;
  std::int64_t x = 0;
  for (std::size_t i = 1; i < kept.size(); ++i) {
    const std::int64_t spacing = kept[i].timestamp - kept[i - 1].timestamp;
    EXPECT_EQ(spacing % 1'000'000, 0);
    if (spacing > 1'000'000) ++gaps;
  }
  for (const RecordedReport& r : kept) x += r.dx;
  EXPECT_GT(gaps, 100);
  // The hand's path up to the last kept report, whatever was dropped on the way.
  const double seconds = static_cast<double>(kept.back().timestamp) / 1e9;
  const double hand = 2000 - 2000 * std::cos(2 * M_PI * seconds / 0.8);
  EXPECT_NEAR(static_cast<double>(x), hand, 1);
}

TEST(ReplaySource, GivesTheRecordedReportsUnchangedThenEnds) {
  const std::vector<RecordedReport> recorded = {
      {1000, 50, 1, 2}, {1000, 58, -3, 4}, {1000, 40, 5, 6}, {125, 9, 7, 8}};
  ReplaySource replay(recorded, MakeReportClock(Pacing::AsFastAsRead));
  EXPECT_EQ(Take(replay, 4), recorded);
  EXPECT_EQ(replay.Next().kind, SourceEvent::Kind::End);
}

TEST(ReplaySource, StopEndsAWaitForAReportDueLater) {
  const std::vector<RecordedReport> recorded = {{1000, 0, 1, 0}, {1000, 3'600'000, 2, 0}};
  ReplaySource replay(recorded, MakeReportClock(Pacing::RealTime));
  EXPECT_EQ(replay.Next().kind, SourceEvent::Kind::Report);
  std::thread stopper([&] {
    std::this_thread::sleep_for(20ms);
    replay.Stop();
  });
  EXPECT_EQ(replay.Next().kind, SourceEvent::Kind::End);  // not an hour later
  stopper.join();
}

TEST(StationMice, InstanceIdsOpenTheSimulatedMouseAndRecordings) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "recordings";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "bench.csv") << "frequency,timestamp,dx,dy\n1000,4,5,6\n";
  std::ofstream(folder / "broken.csv") << "frequency,timestamp,dx,dy\n1000,4,5\n";
  const std::string prefix(kRecordingInstancePrefix);

  struct Case {
    std::string instance_id;
    bool opened;
    SourceEvent::Kind first;
    std::string failure;
  };
  const Case cases[] = {
      {std::string(kSimulatedInstanceId), true, SourceEvent::Kind::Report, ""},
      {prefix + "bench", true, SourceEvent::Kind::Report, ""},
      {prefix + "broken", true, SourceEvent::Kind::Failed,
       (folder / "broken.csv").string() + ":2: expected 4 fields, found 3"},
      {prefix + "absent", true, SourceEvent::Kind::Failed, (folder / "absent.csv").string()},
      {prefix + "../recordings/bench", true, SourceEvent::Kind::Failed, "not a recording name"},
      {"HID\\VID_046D&PID_C077\\7&1234", false, SourceEvent::Kind::End, ""},
  };
  for (const Case& c : cases) {
    auto source = OpenStationMouse(c.instance_id, folder.string(), {}, Pacing::AsFastAsRead);
    ASSERT_EQ(source != nullptr, c.opened) << c.instance_id;
    if (!source) continue;
    const SourceEvent first = source->Next();
    EXPECT_EQ(first.kind, c.first) << c.instance_id;
    EXPECT_NE(first.failure.find(c.failure), std::string::npos) << first.failure;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace mqt
