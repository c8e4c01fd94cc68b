#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "platform/capture_driver/report_clock.h"
#include "platform/capture_driver/report_source.h"

namespace mqt {

// A hand moving the mouse back and forth, seen by an optical sensor.
struct SimulatedMouseOptions {
  int report_rate_hz = 125;
  // Half the distance between the turning points, in counts.
  double swing_amplitude_counts = 2000;
  // One swing there and back. With the amplitude, a top speed of about 15 700
  // counts per second: even at 1000 reports per second it crosses the start
  // threshold of 12 counts.
  double swing_period_ms = 800;
  // Standard deviation of the sensor's error per report, in counts.
  double sensor_noise_counts = 0.5;
  // Share of reports the host never sees; their movement arrives with the next report.
  double drop_probability = 0;
  std::uint64_t seed = 1;
};

// The simulated mouse. Its reports, and their spacing in counter units, are
// the same for the same options; the timestamps start at the clock's time of
// the first report. The hand starts at rest at one turning point, so a test's
// start threshold sees it set off like a real operator.
class SimulatedMouse final : public ReportSource {
 public:
  SimulatedMouse(const SimulatedMouseOptions& options, std::unique_ptr<ReportClock> clock);

  SourceEvent Next() override;
  void Stop() override { clock_->Stop(); }

 private:
  double HandX(std::int64_t report) const;
  double Uniform();
  double Gaussian();

  SimulatedMouseOptions options_;
  std::unique_ptr<ReportClock> clock_;
  std::mt19937_64 random_;
  std::int64_t report_ = 0;  // index of the next report
  std::int64_t start_ = 0;
  double residual_x_ = 0;  // movement not yet reported, in counts
  double residual_y_ = 0;
};

}  // namespace mqt
