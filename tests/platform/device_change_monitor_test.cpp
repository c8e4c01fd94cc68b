// The device-change notification: which udev events count, and the watch on
// the user-interface thread, driven through a pipe in place of udev's socket.

#include "platform/device_change_monitor.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <string>

namespace mqt {
namespace {

TEST(DeviceChangeMonitor, OnlyAMouseEventNodeComingOrGoingCounts) {
  struct Case {
    const char* action;
    const char* sysname;
    bool is_mouse;
    bool counts;
  };
  const Case cases[] = {
      {"add", "event5", true, true},      {"remove", "event5", true, true},
      {"change", "event5", true, false},  {"add", "input7", true, false},
      {"add", "mouse1", true, false},     {"add", "event4", false, false},
      {"remove", "event4", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsMouseChange(c.action, c.sysname, c.is_mouse), c.counts)
        << c.action << " " << c.sysname << " " << c.is_mouse;
  }
}

// Changes written into a pipe, one letter each: 'm' a mouse, anything else not.
class PipeReceiver final : public DeviceChangeReceiver {
 public:
  PipeReceiver() {
    if (::pipe2(ends_, O_CLOEXEC | O_NONBLOCK) != 0) ends_[0] = ends_[1] = -1;
  }
  ~PipeReceiver() override {
    for (int fd : ends_) ::close(fd);
  }
  int fd() const override { return ends_[0]; }
  bool TakeChanges() override {
    bool mouse = false;
    char change = 0;
    while (::read(ends_[0], &change, 1) == 1) mouse |= change == 'm';
    return mouse;
  }
  int writer() const { return ends_[1]; }

 private:
  int ends_[2] = {-1, -1};
};

class DeviceChangeMonitorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "test_device_change_monitor";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  }

  // Lets the event loop run for a while, as the station's does.
  static void Spin() {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
    while (std::chrono::steady_clock::now() < until)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
};

TEST_F(DeviceChangeMonitorTest, CallsOnceForEachBatchWithAMouseOnTheUserInterfaceThread) {
  auto receiver = std::make_unique<PipeReceiver>();
  const int writer = receiver->writer();
  ASSERT_GE(writer, 0);
  int calls = 0;
  bool on_ui_thread = true;
  DeviceChangeMonitor monitor(std::move(receiver), [&] {
    ++calls;
    on_ui_thread &= QThread::currentThread() == QCoreApplication::instance()->thread();
  });
  ASSERT_TRUE(monitor.watching());

  ASSERT_EQ(::write(writer, "kk", 2), 2);  // a keyboard's nodes
  Spin();
  EXPECT_EQ(calls, 0);
  ASSERT_EQ(::write(writer, "kmm", 3), 3);  // a mouse with two nodes plugged in
  Spin();
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(::write(writer, "m", 1), 1);
  Spin();
  EXPECT_EQ(calls, 2);
  EXPECT_TRUE(on_ui_thread);
}

TEST_F(DeviceChangeMonitorTest, WithoutADescriptorNothingIsWatched) {
  class Unreachable final : public DeviceChangeReceiver {
   public:
    int fd() const override { return -1; }
    bool TakeChanges() override { return true; }
  };
  int calls = 0;
  DeviceChangeMonitor monitor(std::make_unique<Unreachable>(), [&] { ++calls; });
  EXPECT_FALSE(monitor.watching());
  Spin();
  EXPECT_EQ(calls, 0);
  // udev's own monitor opens or reports that it cannot; either way quietly.
  DeviceChangeMonitor udev([&] { ++calls; });
  Spin();
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace mqt
