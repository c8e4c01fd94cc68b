#pragma once

// The main window with the banner and the expert console it drives, on fakes,
// with the capture driver behind a source provider the test chooses.

#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <memory>

#include "capture/ExpertUnit.h"
#include "platform/capture_driver/capture_driver.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "station_fakes.h"

namespace mqt::testing {

// Runs the event loop until `done` holds or `timeout_ms` has passed. Unlike
// QTRY_*, which sleeps between event passes, the loop wakes for every
// hand-over of the capture thread, so a capture runs at full speed.
inline bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 20000) {
  if (done()) return true;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
  loop.exec();
  return done();
}

struct TestStation : FakeStation {
  // The simulated mouse, as fast as the capture reads.
  SimulatedMouseProvider simulated{SimulatedMouseOptions{}, Pacing::AsFastAsRead};
  CaptureSourceProvider* sources = &simulated;
  std::unique_ptr<CaptureDriver> driver;

  // Declared after the driver: the windows, and any capture of theirs, go first.
  std::unique_ptr<TMainForm> main;
  std::unique_ptr<TProgressForm> banner;
  std::unique_ptr<TExpert> expert;

  TestStation() {
    context.capture_pause_after_read = std::chrono::microseconds(0);
    context.open_capture_device = [this] {
      if (!driver) driver = std::make_unique<CaptureDriver>(*sources);
      return OpenCaptureDevice(*driver, 0);
    };
  }
  void Create() {
    main = std::make_unique<TMainForm>(context);
    context.windows.MainForm = main.get();
    banner = std::make_unique<TProgressForm>(context);
    context.windows.ProgressForm = banner.get();
    expert = std::make_unique<TExpert>(context);
    context.windows.Expert = expert.get();
    expert->OnWaveRangeChange = [this] { main->cb_WaveRangeChange(); };
  }
  // After the splash and the start-up timers: device list built, Record enabled.
  void Ready() {
    main->TimerAlarmTimer();
    main->TimerMouCapTimer();
  }
};

}  // namespace mqt::testing
