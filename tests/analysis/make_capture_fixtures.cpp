// Writes the capture recordings of tests/fixtures/analysis/ with the station's
// simulated mouse, so the analysis is tried on the same reports a test on a
// machine without a mouse would capture. Deterministic for the seeds below.
//
//   make_analysis_fixtures <output folder>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "capture/capture_recording.h"
#include "platform/capture_driver/report_clock.h"
#include "platform/capture_driver/simulated_mouse.h"

namespace {

struct Fixture {
  const char* file;
  const char* description;
  mqt::SimulatedMouseOptions options;
  int reports;
  // Reports [cut_first, cut_first + cut_count) are removed: the sensor fell silent.
  int cut_first = 0;
  int cut_count = 0;
};

mqt::SimulatedMouseOptions Mouse(int rate_hz, double amplitude, double period_ms, double noise,
                                 std::uint64_t seed) {
  mqt::SimulatedMouseOptions o;
  o.report_rate_hz = rate_hz;
  o.swing_amplitude_counts = amplitude;
  o.swing_period_ms = period_ms;
  o.sensor_noise_counts = noise;
  o.seed = seed;
  return o;
}

std::string Describe(const mqt::SimulatedMouseOptions& o) {
  char text[200];
  std::snprintf(text, sizeof text,
                " simulated mouse: %d Hz, swing amplitude %g counts, period %g ms, noise %g "
                "counts, seed %llu",
                o.report_rate_hz, o.swing_amplitude_counts, o.swing_period_ms,
                o.sensor_noise_counts, static_cast<unsigned long long>(o.seed));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_analysis_fixtures <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const Fixture fixtures[] = {
      {"smooth-sensor.csv", " a smooth sensor: even swings, scores high",
       Mouse(125, 500, 600, 0.5, 1), 1100},
      {"jittery-sensor.csv", " a jittery sensor: counts off by several per report, scores low",
       Mouse(125, 500, 600, 8, 2), 1100},
      {"too-slow.csv", " swings too slow: large, but only a few reversals",
       Mouse(125, 6000, 6000, 0.5, 3), 1100},
      {"few-peaks.csv", " swings too small: many reversals at 250 Hz, none reaches 18 counts",
       Mouse(250, 240, 400, 0.5, 4), 1100},
      {"gap.csv", " a smooth sensor that falls silent for 200 ms in mid-test",
       Mouse(125, 500, 600, 0.5, 5), 1100, 500, 25},
  };
  for (const Fixture& f : fixtures) {
    // Timestamps as the counter would give them, without waiting for them.
    mqt::SimulatedMouse mouse(f.options,
                              std::make_unique<mqt::AsFastAsReadClock>(1'000'000'000'000));
    mqt::CaptureRecording recording;
    recording.comments = {f.description, Describe(f.options),
                          " written by tests/analysis/make_capture_fixtures.cpp"};
    if (f.cut_count > 0) {
      recording.comments.push_back(" reports " + std::to_string(f.cut_first) + " to " +
                                   std::to_string(f.cut_first + f.cut_count - 1) + " removed");
    }
    for (int k = 0; k < f.reports; ++k) {
      const mqt::SourceEvent event = mouse.Next();
      if (event.kind != mqt::SourceEvent::Kind::Report) break;
      if (k >= f.cut_first && k < f.cut_first + f.cut_count) continue;
      recording.reports.push_back(event.report);
    }
    const std::string path = folder + "/" + f.file;
    if (const std::string error = mqt::SaveCaptureRecording(path, recording); !error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
