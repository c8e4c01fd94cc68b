#include "capture/capture_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace mqt {
namespace {

using Log = std::vector<std::string>;
using ReadStatus = CaptureDeviceChannel::ReadStatus;

// One call the loop is expected to make, with what the device answers.
struct Step {
  std::string call;  // read, wait, query, cancel, start, close
  bool ok = true;    // wait: signalled; query, start: success
  ReadStatus read = ReadStatus::Completed;
  std::vector<std::uint8_t> record;  // written into the buffer by a completed read
};

std::vector<std::uint8_t> Record(std::int64_t timestamp, std::int32_t dx, std::int32_t dy = 0,
                                 std::string_view text = "") {
  std::vector<std::uint8_t> bytes(kCaptureReadLength);
  bytes.resize(WriteCaptureRecord(bytes, 1000, timestamp, text, dx, dy));
  return bytes;
}
Step Make(std::string call, bool ok = true, ReadStatus read = ReadStatus::Completed,
          std::vector<std::uint8_t> record = {}) {
  return Step{std::move(call), ok, read, std::move(record)};
}
Step ReadNow(std::vector<std::uint8_t> record) {
  return Make("read", true, ReadStatus::Completed, std::move(record));
}
Step ReadPending() { return Make("read", true, ReadStatus::Pending); }
Step ReadFails() { return Make("read", true, ReadStatus::Failed); }
Step Wait(bool signalled) { return Make("wait", signalled); }
Step Query(bool ok) { return Make("query", ok); }
Step Cancel() { return Make("cancel"); }
Step Start(bool ok) { return Make("start", ok); }
Step Close() { return Make("close"); }

// A device that answers the loop's calls from a script and writes every call
// into the shared log. A call out of script order fails the test and from
// then on every call fails, so the loop always ends.
class ScriptedChannel : public CaptureDeviceChannel {
 public:
  ScriptedChannel(std::deque<Step> script, Log& log) : script_(std::move(script)), log_(log) {}

  bool StartRecord() override { return Take("start").ok; }
  ReadStatus Read(std::span<std::uint8_t> buffer) override {
    EXPECT_EQ(buffer.size(), kCaptureReadLength);
    const Step step = Take("read");
    if (step.call != "read") return ReadStatus::Failed;
    if (!step.record.empty()) std::memcpy(buffer.data(), step.record.data(), step.record.size());
    return step.read;
  }
  bool WaitForRead(std::chrono::milliseconds timeout) override {
    EXPECT_EQ(timeout.count(), 100);
    return Take("wait").ok;
  }
  bool QueryCompletion() override { return Take("query").ok; }
  void CancelIo() override { Take("cancel"); }
  void Close() override { Take("close"); }
  std::string FailureDetail() override { return "mouse unplugged"; }

  bool Finished() const { return script_.empty() && !broken_; }

 private:
  Step Take(const std::string& call) {
    log_.push_back(call);
    if (broken_ || script_.empty() || script_.front().call != call) {
      if (!broken_)
        ADD_FAILURE() << "unexpected " << call << " after " << log_.size() - 1 << " calls";
      broken_ = true;
      return Make("broken", false, ReadStatus::Failed);
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
  }

  std::deque<Step> script_;
  Log& log_;
  bool broken_ = false;
};

class ScriptedOwner : public CaptureLoopOwner {
 public:
  explicit ScriptedOwner(Log& log) : log_(log) {}
  // The terminate request is set from the start when true.
  bool terminate = false;
  // The per-record step ends the loop at this record (1-based); 0 never.
  int end_at_record = 0;
  int finish_count = 0;
  CaptureOutcome finished;

  bool RecordStep(const CaptureRecord& record) override {
    ++records_;
    if (records_ == end_at_record) {
      log_.push_back("end at dx " + std::to_string(record.dx));
      return false;
    }
    log_.push_back("place dx " + std::to_string(record.dx));
    return true;
  }
  void FinishStep(const CaptureOutcome& outcome) override {
    ++finish_count;
    finished = outcome;
    log_.push_back("finish");
  }
  bool TerminateRequested() override {
    log_.push_back(terminate ? "terminate? yes" : "terminate? no");
    return terminate;
  }
  void ShowMessage(std::string_view text) override {
    log_.push_back("message " + std::string(text));
  }
  void PauseAfterRead() override { log_.push_back("pause"); }

 private:
  Log& log_;
  int records_ = 0;
};

struct Scenario {
  const char* name;
  std::deque<Step> script;
  bool terminate;
  int end_at_record;
  Log expected;
  CaptureEnd end;
};

// A drain that finds nothing: one pending read that times out.
const std::deque<Step> kQuietDrain = {ReadPending(), Wait(false), Cancel(), Start(true)};
const Log kQuietDrainLog = {"read", "wait", "cancel", "start"};

std::deque<Step> AfterQuietDrain(std::initializer_list<Step> steps) {
  std::deque<Step> script = kQuietDrain;
  script.insert(script.end(), steps);
  return script;
}
Log AfterQuietDrainLog(std::initializer_list<std::string> calls) {
  Log log = kQuietDrainLog;
  log.insert(log.end(), calls);
  return log;
}

TEST(CaptureLoop, FollowsTheScriptedDevice) {
  const Scenario scenarios[] = {
      {"drain discards completed reads and reads that completed after waiting",
       {ReadNow(Record(1, 91)), ReadNow(Record(2, 92)), ReadPending(), Wait(true), Query(true),
        ReadPending(), Wait(false), Cancel(), Start(true), ReadFails(), Close()},
       false,
       0,
       {"read", "read", "read", "wait", "query", "read", "wait", "cancel", "start", "read",
        "message ERROR_IO_PENDING error", "close", "finish"},
       CaptureEnd::ReadFailed},
      {"drain read that fails at once goes on to the start request",
       {ReadFails(), Cancel(), Start(true), ReadFails(), Close()},
       false,
       0,
       {"read", "cancel", "start", "read", "message ERROR_IO_PENDING error", "close", "finish"},
       CaptureEnd::ReadFailed},
      {"drain completion failure ends before the start request",
       {ReadPending(), Wait(true), Query(false), Close()},
       false,
       0,
       {"read", "wait", "query", "message GetOverlappedResult error", "close", "finish"},
       CaptureEnd::CompletionFailed},
      {"failed start request closes the device and finishes",
       {ReadPending(), Wait(false), Cancel(), Start(false), Close()},
       false,
       0,
       {"read", "wait", "cancel", "start", "message IOCTL_MOUCAP_START_RECORD error", "close",
        "finish"},
       CaptureEnd::StartFailed},
      {"only reads that complete at once are parsed, after the pause",
       AfterQuietDrain({ReadNow(Record(10, 1)), Wait(true), Query(true), ReadPending(), Wait(true),
                        Query(true), ReadNow(Record(12, 2)), Wait(true), Query(true), ReadFails(),
                        Close()}),
       false, 0,
       AfterQuietDrainLog({"read", "pause", "place dx 1", "wait", "query", "read", "wait", "query",
                           "read", "pause", "place dx 2", "wait", "query", "read",
                           "message ERROR_IO_PENDING error", "close", "finish"}),
       CaptureEnd::ReadFailed},
      {"stop request is seen only after a quiet wait step",
       AfterQuietDrain({ReadNow(Record(10, 1)), Wait(true), Query(true), ReadNow(Record(11, 2)),
                        Wait(true), Query(true), ReadPending(), Wait(true), Query(true),
                        ReadPending(), Wait(false), Close()}),
       true, 0,
       AfterQuietDrainLog({"read", "pause", "place dx 1", "wait", "query", "read", "pause",
                           "place dx 2", "wait", "query", "read", "wait", "query", "read", "wait",
                           "terminate? yes", "close", "finish"}),
       CaptureEnd::Stopped},
      {"without a stop request the loop keeps waiting",
       AfterQuietDrain({ReadPending(), Wait(false), Wait(false), Wait(true), Query(true),
                        ReadFails(), Close()}),
       false, 0,
       AfterQuietDrainLog({"read", "wait", "terminate? no", "wait", "terminate? no", "wait",
                           "query", "read", "message ERROR_IO_PENDING error", "close", "finish"}),
       CaptureEnd::ReadFailed},
      {"completion failure while capturing",
       AfterQuietDrain({ReadPending(), Wait(true), Query(false), Close()}), false, 0,
       AfterQuietDrainLog(
           {"read", "wait", "query", "message GetOverlappedResult error", "close", "finish"}),
       CaptureEnd::CompletionFailed},
      {"per-record step ends the loop before the record is used",
       AfterQuietDrain(
           {ReadNow(Record(10, 1)), Wait(true), Query(true), ReadNow(Record(11, 2)), Close()}),
       false, 2,
       AfterQuietDrainLog({"read", "pause", "place dx 1", "wait", "query", "read", "pause",
                           "end at dx 2", "close", "finish"}),
       CaptureEnd::OwnerEnded},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    Log log;
    ScriptedChannel device(s.script, log);
    ScriptedOwner owner(log);
    owner.terminate = s.terminate;
    owner.end_at_record = s.end_at_record;

    const CaptureOutcome outcome = RunCaptureLoop(device, owner);

    EXPECT_EQ(log, s.expected);
    EXPECT_TRUE(device.Finished());
    EXPECT_EQ(outcome.end, s.end);
    EXPECT_EQ(owner.finish_count, 1);
    EXPECT_EQ(owner.finished.end, s.end);
  }
}

TEST(CaptureLoop, FailureDetailReachesTheOwner) {
  Log log;
  ScriptedChannel device(AfterQuietDrain({ReadPending(), Wait(true), Query(false), Close()}), log);
  ScriptedOwner owner(log);
  RunCaptureLoop(device, owner);
  EXPECT_EQ(owner.finished.detail, "mouse unplugged");
}

TEST(CaptureLoop, MalformedRecordIsDroppedAndCounted) {
  // A text of 1000 characters leaves no room for dx and dy in the 1024 bytes read.
  std::vector<std::uint8_t> too_long(kCaptureReadLength, 'x');
  std::memset(too_long.data(), 0, kRecordTextOffset);
  too_long[0] = 1;  // frequency 1
  too_long[kRecordTextOffset + 1000] = 0;
  Log log;
  ScriptedChannel device(
      AfterQuietDrain({ReadNow(too_long), Wait(true), Query(true), ReadNow(Record(5, 7)),
                       Wait(true), Query(true), ReadFails(), Close()}),
      log);
  ScriptedOwner owner(log);
  const CaptureOutcome outcome = RunCaptureLoop(device, owner);

  EXPECT_EQ(outcome.malformed_records, 1);
  EXPECT_EQ(owner.finished.malformed_records, 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "place dx 7"), 1);
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) { return line.starts_with("place"); }),
            1);
}

}  // namespace
}  // namespace mqt
