// The evdev report source fed through a socket as a mouse's node would feed
// it: frames into reports, overflows, the end of the data, a mouse that goes
// away, a stop while it waits, and the path into capture records.

#include "platform/capture_driver/evdev_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

#include "capture/capture_record.h"
#include "event_feed.h"
#include "platform/capture_driver/capture_driver.h"
#include "platform/capture_driver/evdev_open.h"

namespace mqt {
namespace {

using namespace std::chrono_literals;
using testing::Event;
using testing::EventFeed;

constexpr const char* kNode = "/dev/input/event7";

input_event RelX(std::int64_t t, int v) { return Event(t, EV_REL, REL_X, v); }
input_event RelY(std::int64_t t, int v) { return Event(t, EV_REL, REL_Y, v); }
input_event Syn(std::int64_t t) { return Event(t, EV_SYN, SYN_REPORT, 0); }
input_event Dropped(std::int64_t t) { return Event(t, EV_SYN, SYN_DROPPED, 0); }

RecordedReport Report(std::int64_t t, int dx, int dy) { return {kEvdevFrequency, t, dx, dy}; }

// Every report until the source ends or fails, and how it ended.
struct Drained {
  std::vector<RecordedReport> reports;
  SourceEvent::Kind end = SourceEvent::Kind::Report;
  std::string failure;
};

Drained Drain(ReportSource& source) {
  Drained drained;
  for (;;) {
    SourceEvent event = source.Next();
    if (event.kind != SourceEvent::Kind::Report) {
      drained.end = event.kind;
      drained.failure = event.failure;
      return drained;
    }
    drained.reports.push_back(event.report);
  }
}

TEST(EvdevSource, FramesBecomeReportsAndOverflowsLoseOnlyWholeFrames) {
  struct Case {
    const char* name;
    std::vector<input_event> events;
    std::vector<RecordedReport> reports;
    EvdevFrameLosses losses;
  };
  const Case cases[] = {
      {"x only", {RelX(1000, 5), Syn(1000)}, {Report(1000, 5, 0)}, {}},
      {"y only", {RelY(2000, -4), Syn(2000)}, {Report(2000, 0, -4)}, {}},
      {"both", {RelX(3000, 7), RelY(3000, -2), Syn(3000)}, {Report(3000, 7, -2)}, {}},
      {"many events in one frame are summed; buttons, wheel and scan codes are not movement",
       {RelX(10, 1), Event(10, EV_MSC, MSC_SCAN, 90001), RelX(10, 2), RelY(10, -3),
        Event(10, EV_KEY, BTN_LEFT, 1), RelX(10, -1), Event(10, EV_REL, REL_WHEEL, 1), RelY(10, 7),
        Syn(12)},
       {Report(12, 2, 4)},
       {}},
      {"frames without X or Y movement are no reports",
       {Event(10, EV_KEY, BTN_LEFT, 1), Syn(10), Event(20, EV_REL, REL_WHEEL, -1), Syn(20), Syn(30),
        RelX(40, 1), Syn(40)},
       {Report(40, 1, 0)},
       {}},
      {"movement that cancels out within a frame is still a report",
       {RelX(50, 3), RelX(50, -3), Syn(50)},
       {Report(50, 0, 0)},
       {}},
      {"an overflow loses the frame it cut and the frame it ends in",
       {RelX(100, 1), Syn(100), RelX(200, 2), Dropped(900), RelX(950, 9), RelY(950, 9), Syn(950),
        RelX(1000, 3), Syn(1000)},
       {Report(100, 1, 0), Report(1000, 3, 0)},
       {1, 2}},
      {"an overflow between frames loses the frame it ends in",
       {RelX(100, 1), Syn(100), Dropped(900), Syn(950), RelY(1000, 3), Syn(1000)},
       {Report(100, 1, 0), Report(1000, 0, 3)},
       {1, 1}},
      {"a second overflow before the first one's frame has ended",
       {RelX(100, 1), Dropped(900), RelX(920, 4), Dropped(930), RelY(950, 5), Syn(950),
        RelX(1000, 3), Syn(1000)},
       {Report(1000, 3, 0)},
       {2, 2}},
      {"a frame the data ends in is lost, not reported",
       {RelX(100, 1), Syn(100), RelX(200, 4), RelY(200, 4)},
       {Report(100, 1, 0)},
       {}},
      {"kernel timestamps are kept to the microsecond",
       {RelX(1329846856201613, -1), Syn(1329846856201621), RelY(1329846856999999, 2),
        Syn(1329846856999999), RelY(1329846857000000, 3), Syn(1329846857000000)},
       {Report(1329846856201621, -1, 0), Report(1329846856999999, 0, 2),
        Report(1329846857000000, 0, 3)},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EventFeed feed;
    EvdevSource source(feed.TakeReadEnd(), kNode);
    ASSERT_TRUE(feed.Write(c.events));
    feed.Close();
    const Drained drained = Drain(source);
    EXPECT_EQ(drained.end, SourceEvent::Kind::End);
    EXPECT_EQ(drained.reports, c.reports);
    EXPECT_EQ(source.losses().overflows, c.losses.overflows);
    EXPECT_EQ(source.losses().discarded_frames, c.losses.discarded_frames);
  }
}

TEST(EvdevSource, AnEventThatArrivesInPiecesIsTakenWhole) {
  EventFeed feed;
  EvdevSource source(feed.TakeReadEnd(), kNode);
  const std::vector<input_event> events = {RelX(5, 11), RelY(5, -12), Syn(5)};
  const std::size_t cut = sizeof(input_event) + 5;  // inside the second event
  ASSERT_TRUE(feed.Write(events, 0, cut));
  std::thread rest([&] {
    std::this_thread::sleep_for(20ms);  // the source has read the first piece by now
    feed.Write(events, cut);
    feed.Close();
  });
  const Drained drained = Drain(source);
  rest.join();
  EXPECT_EQ(drained.reports, (std::vector<RecordedReport>{Report(5, 11, -12)}));
  EXPECT_EQ(drained.end, SourceEvent::Kind::End);
}

TEST(EvdevSource, AMouseThatGoesAwayFailsWithItsNodeAfterItsLastWholeFrame) {
  EventFeed feed;
  EvdevSource source(feed.TakeReadEnd(), kNode);
  ASSERT_TRUE(feed.Write({RelX(100, 1), Syn(100), RelX(200, 6)}));
  feed.Vanish();
  const Drained drained = Drain(source);
  EXPECT_EQ(drained.reports, (std::vector<RecordedReport>{Report(100, 1, 0)}));
  ASSERT_EQ(drained.end, SourceEvent::Kind::Failed);
  EXPECT_TRUE(drained.failure.starts_with(std::string(kNode) + ": ")) << drained.failure;
}

TEST(EvdevSource, StopEndsAWaitForAQuietMouse) {
  EventFeed feed;
  EvdevSource source(feed.TakeReadEnd(), kNode);
  auto waiting = std::async(std::launch::async, [&] { return source.Next().kind; });
  EXPECT_EQ(waiting.wait_for(30ms), std::future_status::timeout);  // nothing to read yet
  source.Stop();
  ASSERT_EQ(waiting.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(waiting.get(), SourceEvent::Kind::End);
  // Stopped for good, even with reports waiting.
  ASSERT_TRUE(feed.Write({RelX(1, 1), Syn(1)}));
  EXPECT_EQ(source.Next().kind, SourceEvent::Kind::End);
}

// The kernel's timestamps reach the capture records unchanged, with the
// frequency of microseconds.
TEST(EvdevSource, TimestampsReachTheCaptureRecordsExactly) {
  EventFeed feed;
  FunctionSourceProvider provider(
      [] { return true; },
      [&feed] {
        std::vector<BoundReportSource> bound;
        bound.push_back({"HID\\VID_046D&PID_C077\\USB-1-2",
                         std::make_unique<EvdevSource>(feed.TakeReadEnd(), kNode)});
        return bound;
      });
  CaptureDriver driver(provider);
  auto device = OpenCaptureDevice(driver, 0);
  ASSERT_TRUE(device);
  ASSERT_TRUE(device->StartRecord());
  const std::vector<RecordedReport> sent = {Report(1700000000000001, 3, -1),
                                            Report(1700000000000998, -128, 127),
                                            Report(1700000001000000, 0, 1)};
  for (const RecordedReport& r : sent) {
    ASSERT_TRUE(feed.Write({RelX(r.timestamp, r.dx), RelY(r.timestamp, r.dy), Syn(r.timestamp)}));
  }
  CaptureReadBuffer buffer{};
  std::vector<RecordedReport> recorded;
  while (recorded.size() < sent.size()) {
    if (device->Read({buffer.data(), kCaptureReadLength}) ==
        CaptureDeviceChannel::ReadStatus::Completed) {
      const std::optional<CaptureRecord> record = ParseCaptureRecord(buffer);
      ASSERT_TRUE(record);
      recorded.push_back({record->frequency, record->timestamp, record->dx, record->dy});
      continue;
    }
    ASSERT_TRUE(device->WaitForRead(5s));
  }
  EXPECT_EQ(recorded, sent);
  device->Close();
}

TEST(OpenEvdevMouse, WhatCannotBeCapturedFailsAtOnceNamingTheNode) {
  const std::string missing = "/dev/input/event-that-is-not-there";
  const std::string not_a_node = std::string(MQT_FIXTURES_DIR) + "/evdev/README.md";
  for (const std::string& node : {missing, not_a_node}) {
    SCOPED_TRACE(node);
    std::unique_ptr<ReportSource> source = OpenEvdevMouse(node, "/opt/station/udev/rule");
    const SourceEvent event = source->Next();
    ASSERT_EQ(event.kind, SourceEvent::Kind::Failed);
    EXPECT_TRUE(event.failure.starts_with(node + ": ")) << event.failure;
  }
}

TEST(OpenEvdevMouse, RefusedPermissionTellsHowToGetAccess) {
  for (const int error : {EACCES, EPERM}) {
    const std::string text = EvdevOpenFailure(kNode, error, "/opt/station/udev/70-mqt.rules");
    EXPECT_TRUE(text.starts_with(std::string(kNode) + ": no permission")) << text;
    EXPECT_NE(text.find("group \"input\""), std::string::npos) << text;
    EXPECT_NE(text.find("/opt/station/udev/70-mqt.rules"), std::string::npos) << text;
  }
  // The rule the advice names by default lies beside the program.
  EXPECT_TRUE(std::filesystem::is_regular_file(std::string(MQT_BIN_DIR) + "/" + kUdevRuleFile));

  const std::string gone = EvdevOpenFailure(kNode, ENODEV, "rule");
  EXPECT_NE(gone.find("not there"), std::string::npos) << gone;
  EXPECT_EQ(gone.find("input"), gone.find("input/event7"));  // no access advice
}

}  // namespace
}  // namespace mqt
