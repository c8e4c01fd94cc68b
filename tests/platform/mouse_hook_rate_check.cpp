// The mouse hook on a real X server: motion injected with xdotool at a steady
// pace is counted by the hook, and the rate the monitor shows is within 5% of
// the pace the injector kept. Run by mouse_hook_xvfb.sh on a virtual display.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture/report_rate.h"
#include "platform/mouse_hook.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  mqt::PerformanceRateClock clock;
  mqt::ReportRateMonitor monitor(clock);
  int moves = 0;
  std::vector<int> shown;
  std::unique_ptr<mqt::MouseHook> hook = mqt::InstallMouseHook([&] {
    ++moves;
    const mqt::RateStepResult r = monitor.Step(true);
    if (r.rate_text) shown.push_back(std::atoi(r.rate_text->c_str()));
  });
  if (!hook || hook->Source() != "XInput2 raw motion") {
    std::fprintf(stderr, "no XInput2 hook on this display\n");
    return 1;
  }

  // 300 moves 8 ms apart, back and forth so the pointer stays where it is.
  constexpr int kInjected = 300;
  QStringList args;
  for (int i = 0; i < kInjected; ++i)
    args << "mousemove_relative"
         << "--" << (i % 2 == 0 ? "1" : "-1") << "0"
         << "sleep"
         << "0.008";
  QProcess injector;
  QEventLoop loop;
  QObject::connect(&injector, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&injector, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QTimer::singleShot(15000, &loop, &QEventLoop::quit);
  QElapsedTimer timer;
  timer.start();
  injector.start("xdotool", args);
  loop.exec();
  const double seconds = timer.nsecsElapsed() / 1e9;
  // The last motions may still be on their way.
  while (moves < kInjected && timer.elapsed() < 16000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  // Each command costs the injector a little beyond its sleep, and a busy
  // machine stretches its sleeps: the pace it kept is what it injected over
  // the time it ran.
  const double injected_rate = kInjected / seconds;
  std::printf("hook: %s, moves counted %d of %d, injected %.1f per second, shown:",
              hook->Source().c_str(), moves, kInjected, injected_rate);
  for (int rate : shown) std::printf(" %d", rate);
  std::printf("\n");
  if (moves != kInjected || shown.empty()) return 1;
  // The monitor's windows cover the run but for its first 32 moves and its
  // last few; their average is the rate shown over the run.
  double sum = 0;
  for (int rate : shown) sum += rate;
  const double average = sum / static_cast<double>(shown.size());
  const double error = std::abs(average - injected_rate) / injected_rate;
  std::printf("average shown %.1f, off by %.1f%%\n", average, error * 100);
  return error <= 0.05 ? 0 : 1;
}
