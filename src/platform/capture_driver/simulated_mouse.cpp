#include "platform/capture_driver/simulated_mouse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "platform/performance_counter.h"

namespace mqt {
namespace {

// The path strays a little from the horizontal, as a real hand does.
constexpr double kVerticalShare = 0.04;

std::int32_t ToCounts(double value) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::llround(std::clamp(value, -kMax, kMax)));
}

}  // namespace

SimulatedMouse::SimulatedMouse(const SimulatedMouseOptions& options,
                               std::unique_ptr<ReportClock> clock)
    : options_(options), clock_(std::move(clock)), random_(options.seed) {
  options_.report_rate_hz = std::max(options_.report_rate_hz, 1);
  options_.swing_period_ms = std::max(options_.swing_period_ms, 1.0);
  options_.drop_probability = std::clamp(options_.drop_probability, 0.0, 0.99);
}

double SimulatedMouse::HandX(std::int64_t report) const {
  const double seconds = static_cast<double>(report) / options_.report_rate_hz;
  const double phase = 2 * std::numbers::pi * seconds * 1000.0 / options_.swing_period_ms;
  return -options_.swing_amplitude_counts * std::cos(phase);
}

// Uniform in (0, 1], built from the generator's bits alone so that a seed
// gives the same reports with every standard library.
double SimulatedMouse::Uniform() {
  return (static_cast<double>(random_() >> 11) + 1.0) * 0x1.0p-53;
}

double SimulatedMouse::Gaussian() {
  const double radius = std::sqrt(-2.0 * std::log(Uniform()));
  return radius * std::cos(2 * std::numbers::pi * Uniform());
}

SourceEvent SimulatedMouse::Next() {
  if (report_ == 0) start_ = clock_->Now();
  for (;;) {
    const std::int64_t index = ++report_;
    const std::int64_t due =
        start_ + index * PerformanceCounter::kFrequency / options_.report_rate_hz;
    if (!clock_->WaitUntil(due)) return SourceEvent::Ended();

    const double move_x = HandX(index) - HandX(index - 1);
    residual_x_ += move_x;
    residual_y_ += kVerticalShare * move_x;
    // Noise and drops are drawn for every report, so a seed fixes them all.
    const double noise_x = options_.sensor_noise_counts * Gaussian();
    const double noise_y = options_.sensor_noise_counts * Gaussian();
    if (Uniform() <= options_.drop_probability) continue;

    RecordedReport report;
    report.frequency = PerformanceCounter::kFrequency;
    report.timestamp = due;
    report.dx = ToCounts(residual_x_ + noise_x);
    report.dy = ToCounts(residual_y_ + noise_y);
    // What was not reported stays owed, so the noise never adds up to drift.
    residual_x_ -= report.dx;
    residual_y_ -= report.dy;
    return SourceEvent::Of(report);
  }
}

}  // namespace mqt
