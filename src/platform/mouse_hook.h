#pragma once

#include <functional>
#include <memory>
#include <string>

#include "capture/report_rate.h"
#include "platform/performance_counter.h"

namespace mqt {

// An installed mouse hook; destroying it removes it.
class MouseHook {
 public:
  virtual ~MouseHook() = default;
  // How it watches the desktop, for the log: "XInput2 raw motion",
  // "evdev: 2 mice", ...
  virtual std::string Source() const = 0;
};

// Installs the mouse hook: `on_move` runs on the user-interface thread for
// every mouse-move report on the desktop, from any mouse and injected ones
// (button and wheel reports are not counted). On X11 it watches XInput2 raw
// motion on the root window through the application's own X connection;
// without an X11 display it reads every mouse the user may read through
// evdev. Null when neither gives anything (no X11 and no readable mouse).
// Needs a QGuiApplication.
std::unique_ptr<MouseHook> InstallMouseHook(std::function<void()> on_move);

// The performance counter as the report-rate monitor's clock.
class PerformanceRateClock final : public RateClock {
 public:
  std::int64_t Frequency() override { return PerformanceCounter::kFrequency; }
  std::int64_t Counter() override { return PerformanceCounter::Now(); }
};

}  // namespace mqt
