#include "capture/ContinueCaptureUnit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>

#include "platform/capture_driver/capture_driver.h"
#include "platform/capture_driver/replay_source.h"
#include "platform/prompter.h"

namespace mqt {
namespace {

using namespace std::chrono_literals;

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

bool SpinUntil(const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + 20s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return true;
}

std::optional<std::string> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Counter at 1000 per second: timestamps are milliseconds. The first two
// records only start the dump; then gaps of 8, 5, 3, 0 and 16 ms.
std::vector<RecordedReport> TimingReports() {
  return {{1000, 100, 9, 9},  {1000, 110, 9, 9},  {1000, 120, 1, -1}, {1000, 128, 2, -2},
          {1000, 133, 3, -3}, {1000, 136, 4, -4}, {1000, 136, 5, -5}, {1000, 152, -6, 6}};
}

class ContinueCaptureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test_continue_capture";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  }

  void UseReplay(std::vector<RecordedReport> reports) { reports_ = std::move(reports); }

  ContinueCaptureLinks Links(std::vector<std::string> paths) {
    return {
        timeline, carry,     [this](std::string_view line) { interval_lines.emplace_back(line); },
        prompter, "Capture", std::move(paths)};
  }

  // Starts a capture, asks it to stop at once (it ends once the replay is
  // over and the device has been quiet) and waits until it has freed itself.
  void CaptureAndStop(const std::vector<std::string>& paths) {
    ContinueCaptureStart start =
        StartContinueCapture(Links(paths), 8, OpenCaptureDevice(driver, 0), 0us);
    ASSERT_EQ(start.refusal, "");
    ASSERT_TRUE(start.thread);
    start.thread->RequestStop();
    QPointer<TContinueCapture> thread = start.thread;
    ASSERT_TRUE(SpinUntil([&] { return thread.isNull(); }));
  }

  std::string Path(const char* name) { return dir.filePath(name).toStdString(); }

  QTemporaryDir dir;
  std::vector<RecordedReport> reports_;
  FunctionSourceProvider provider{
      [] { return true; },
      [this] {
        std::vector<BoundReportSource> bound;
        bound.push_back({"REPLAY", std::make_unique<ReplaySource>(
                                       reports_, MakeReportClock(Pacing::AsFastAsRead))});
        return bound;
      }};
  CaptureDriver driver{provider};
  SampleTimeline timeline;
  SlotCarry carry;
  std::vector<std::string> interval_lines;
  RecordingPrompter prompter;
};

// "Nak" lines for 8, 5 and 3 ms, a 0 ms record keeping its position, and the
// file equal to the expected one byte for byte.
TEST_F(ContinueCaptureTest, DumpFileEqualsTheExpectedFile) {
  UseReplay(TimingReports());
  CaptureAndStop({Path("MouseData.txt")});
  const std::optional<std::string> expected =
      ReadBytes(std::string(MQT_FIXTURES_DIR) + "/capture/continue-dump.txt");
  ASSERT_TRUE(expected);
  EXPECT_EQ(ReadBytes(Path("MouseData.txt")), expected);
  EXPECT_EQ(interval_lines, (std::vector<std::string>{"8", "5", "3", "0", "16"}));
  EXPECT_TRUE(prompter.texts.empty());
}

TEST_F(ContinueCaptureTest, StopAndStartAgainReplacesTheFile) {
  UseReplay(TimingReports());
  CaptureAndStop({Path("MouseData.txt")});
  UseReplay({{1000, 0, 0, 0}, {1000, 4, 0, 0}, {1000, 8, 7, 7}});
  CaptureAndStop({Path("MouseData.txt")});
  EXPECT_EQ(ReadBytes(Path("MouseData.txt")), std::string("X=7\tY=7\tT=0ms\t2\r\n"));
}

// A dump file that cannot be written is said with its path and reason, and
// the lines go to the next place.
TEST_F(ContinueCaptureTest, UnwritableDumpFileIsReportedAndTheLinesKept) {
  UseReplay(TimingReports());
  const std::string blocked = Path("no-such-folder/MouseData.txt");
  CaptureAndStop({blocked, Path("kept.txt")});
  ASSERT_EQ(prompter.texts.size(), 1u);
  EXPECT_NE(prompter.texts[0].find(blocked + ": No such file or directory"), std::string::npos)
      << prompter.texts[0];
  EXPECT_NE(prompter.texts[0].find(Path("kept.txt")), std::string::npos);
  EXPECT_EQ(ReadBytes(Path("kept.txt")),
            ReadBytes(std::string(MQT_FIXTURES_DIR) + "/capture/continue-dump.txt"));
}

TEST_F(ContinueCaptureTest, NoDeviceStartsNothingAndSaysNothing) {
  ContinueCaptureStart start = StartContinueCapture(Links({Path("MouseData.txt")}), 8, nullptr);
  EXPECT_FALSE(start.thread);
  EXPECT_EQ(start.refusal, "");
  start = StartContinueCapture(Links({Path("MouseData.txt")}), 0, OpenCaptureDevice(driver, 0));
  EXPECT_FALSE(start.thread);
  EXPECT_NE(start.refusal, "");
  EXPECT_FALSE(ReadBytes(Path("MouseData.txt")));
}

}  // namespace
}  // namespace mqt
