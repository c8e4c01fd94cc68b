#include "platform/capture_driver/capture_driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "capture/capture_loop.h"
#include "manual_source.h"
#include "platform/capture_driver/replay_source.h"
#include "platform/capture_driver/simulated_mouse.h"
#include "platform/device_ids.h"

namespace mqt {
namespace {

using namespace std::chrono_literals;
using ReadStatus = CaptureDeviceChannel::ReadStatus;

// A driver whose one bound mouse the test moves by hand.
class CaptureDriverTest : public ::testing::Test {
 protected:
  CaptureDriverTest()
      : provider_([this] { return present_.load(); },
                  [this] {
                    std::vector<BoundReportSource> sources;
                    auto source = std::make_unique<ManualSource>();
                    mouse_ = source.get();
                    sources.push_back({"HID\\VID_1234&PID_5678\\BENCH", std::move(source)});
                    return sources;
                  }),
        driver_(provider_) {}

  std::unique_ptr<CaptureDeviceChannel> OpenAndStart() {
    auto device = OpenCaptureDevice(driver_, 0);
    EXPECT_TRUE(device);
    if (device) {
      EXPECT_TRUE(device->StartRecord());
    }
    return device;
  }

  std::span<std::uint8_t> ReadSpan() { return {buffer_.data(), kCaptureReadLength}; }

  std::atomic<bool> present_{true};
  ManualSource* mouse_ = nullptr;
  FunctionSourceProvider provider_;
  CaptureDriver driver_;
  CaptureReadBuffer buffer_{};
};

TEST_F(CaptureDriverTest, OpensOnlyMemberZeroOfThePresentCaptureInterface) {
  EXPECT_TRUE(OpenCaptureDevice(driver_, 0));
  EXPECT_FALSE(OpenCaptureDevice(driver_, 1));
  EXPECT_TRUE(driver_.OpenInterface("{215d3559-e677-4e8e-aa38-0e1fc3a92e9d}", 0));
  EXPECT_FALSE(driver_.OpenInterface("{00000000-0000-0000-0000-000000000000}", 0));
  present_ = false;
  EXPECT_FALSE(OpenCaptureDevice(driver_, 0));
}

TEST_F(CaptureDriverTest, NothingIsQueuedBeforeTheStartRequest) {
  auto device = OpenCaptureDevice(driver_, 0);
  ASSERT_TRUE(device);
  EXPECT_EQ(device->Read(ReadSpan()), ReadStatus::Pending);
  EXPECT_FALSE(device->WaitForRead(20ms));
  EXPECT_FALSE(device->QueryCompletion());
  device->CancelIo();
  EXPECT_TRUE(device->WaitForRead(0ms));  // a cancelled read signals its event
  EXPECT_FALSE(device->QueryCompletion());
}

TEST_F(CaptureDriverTest, QueuedReportCompletesAReadAtOnceInTheRecordLayout) {
  auto device = OpenAndStart();
  mouse_->Push({1'000'000, 123456, -7, 9});
  // Wait until the reader thread has queued it: a pending read then completes.
  if (device->Read(ReadSpan()) == ReadStatus::Pending) {
    ASSERT_TRUE(device->WaitForRead(5s));
    ASSERT_TRUE(device->QueryCompletion());
    ASSERT_EQ(device->Read(ReadSpan()), ReadStatus::Completed);
  }
  EXPECT_TRUE(device->WaitForRead(0ms));
  EXPECT_TRUE(device->QueryCompletion());
  const auto record = ParseCaptureRecord(buffer_);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->frequency, 1'000'000);
  EXPECT_EQ(record->timestamp, 123456);
  EXPECT_EQ(record->text, "HID\\VID_1234&PID_5678\\BENCH");
  EXPECT_EQ(record->dx, -7);
  EXPECT_EQ(record->dy, 9);
}

TEST_F(CaptureDriverTest, ReportThatCompletesAPendingReadStaysQueued) {
  auto device = OpenAndStart();
  ASSERT_EQ(device->Read(ReadSpan()), ReadStatus::Pending);
  mouse_->Push({1000, 1, 5, 6});
  ASSERT_TRUE(device->WaitForRead(5s));
  EXPECT_TRUE(device->QueryCompletion());
  EXPECT_FALSE(ParseCaptureRecord(buffer_));  // the waited-for read carries no record

  ASSERT_EQ(device->Read(ReadSpan()), ReadStatus::Completed);
  const auto record = ParseCaptureRecord(buffer_);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->dx, 5);
  EXPECT_EQ(device->Read(ReadSpan()), ReadStatus::Pending);
}

TEST_F(CaptureDriverTest, SourceFailureFailsThePendingReadWithItsReason) {
  auto device = OpenAndStart();
  ASSERT_EQ(device->Read(ReadSpan()), ReadStatus::Pending);
  mouse_->Fail("No such device");
  ASSERT_TRUE(device->WaitForRead(5s));
  EXPECT_FALSE(device->QueryCompletion());
  EXPECT_EQ(device->FailureDetail(), "HID\\VID_1234&PID_5678\\BENCH: No such device");
  // Every later read fails the same way.
  EXPECT_EQ(device->Read(ReadSpan()), ReadStatus::Pending);
  EXPECT_TRUE(device->WaitForRead(0ms));
  EXPECT_FALSE(device->QueryCompletion());
}

TEST_F(CaptureDriverTest, ReportsQueuedBeforeAFailureAreReadFirst) {
  auto device = OpenAndStart();
  mouse_->Push({1000, 1, 1, 0});
  mouse_->Push({1000, 2, 2, 0});
  mouse_->Fail("gone");
  while (device->FailureDetail().empty()) std::this_thread::sleep_for(1ms);
  EXPECT_EQ(device->Read(ReadSpan()), ReadStatus::Completed);
  EXPECT_EQ(device->Read(ReadSpan()), ReadStatus::Completed);
  EXPECT_EQ(ParseCaptureRecord(buffer_)->dx, 2);
  EXPECT_EQ(device->Read(ReadSpan()), ReadStatus::Pending);
  EXPECT_TRUE(device->WaitForRead(0ms));
  EXPECT_FALSE(device->QueryCompletion());
}

TEST_F(CaptureDriverTest, StartRequestFailsOnceTheDriverIsGone) {
  auto device = OpenCaptureDevice(driver_, 0);
  ASSERT_TRUE(device);
  present_ = false;
  EXPECT_FALSE(device->StartRecord());
}

TEST(CaptureDriver, CloseEndsReaderThreadsThatWaitForTimeOrForRoom) {
  // A real-time mouse that is waiting for its next report, and a fast one whose
  // queue is full because nobody reads: both must let the handle close.
  SimulatedMouseProvider slow({.report_rate_hz = 1}, Pacing::RealTime);
  SimulatedMouseProvider fast({}, Pacing::AsFastAsRead);
  for (CaptureSourceProvider* provider :
       {static_cast<CaptureSourceProvider*>(&slow), static_cast<CaptureSourceProvider*>(&fast)}) {
    CaptureDriver driver(*provider);
    auto device = OpenCaptureDevice(driver, 0);
    ASSERT_TRUE(device);
    ASSERT_TRUE(device->StartRecord());
    std::this_thread::sleep_for(20ms);
    device->Close();
    CaptureReadBuffer buffer{};
    EXPECT_EQ(device->Read({buffer.data(), kCaptureReadLength}), ReadStatus::Failed);
  }
}

// The capture loop reading a fast replay through the driver sees every report,
// in order: reads that had to wait are not parsed, yet nothing is lost.
TEST(CaptureDriver, FastReplayThroughTheCaptureLoopIsLossless) {
  std::vector<RecordedReport> reports;
  for (int i = 0; i < 20000; ++i) reports.push_back({1'000'000, 1000 * i, (i % 61) - 30, -(i % 7)});
  FunctionSourceProvider provider(
      [] { return true; },
      [&] {
        std::vector<BoundReportSource> sources;
        sources.push_back({"REPLAY", std::make_unique<ReplaySource>(
                                         reports, MakeReportClock(Pacing::AsFastAsRead))});
        return sources;
      });
  CaptureDriver driver(provider);

  struct Collector : CaptureLoopOwner {
    std::vector<RecordedReport> seen;
    std::size_t expected = 0;
    bool RecordStep(const CaptureRecord& r) override {
      seen.push_back({r.frequency, r.timestamp, r.dx, r.dy});
      return true;
    }
    void FinishStep(const CaptureOutcome&) override {}
    bool TerminateRequested() override { return seen.size() >= expected; }
    void ShowMessage(std::string_view text) override { ADD_FAILURE() << text; }
    void PauseAfterRead() override {}
  } collector;
  collector.expected = reports.size();

  auto device = OpenCaptureDevice(driver, 0);
  ASSERT_TRUE(device);
  const CaptureOutcome outcome = RunCaptureLoop(*device, collector);
  EXPECT_EQ(outcome.end, CaptureEnd::Stopped);
  EXPECT_EQ(outcome.malformed_records, 0);
  EXPECT_EQ(collector.seen, reports);
}

}  // namespace
}  // namespace mqt
