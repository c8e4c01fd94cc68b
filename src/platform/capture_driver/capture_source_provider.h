#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/capture_driver/report_clock.h"
#include "platform/capture_driver/report_source.h"
#include "platform/capture_driver/simulated_mouse.h"

namespace mqt {

// A mouse the capture driver captures, under its instance ID.
struct BoundReportSource {
  std::string instance_id;
  std::unique_ptr<ReportSource> source;
};

// Tells the capture driver whether it is installed and which mice carry the
// capture filter. The driver set-up library keeps that state; the driver asks
// here on every open and every start request, from any thread.
class CaptureSourceProvider {
 public:
  virtual ~CaptureSourceProvider() = default;
  // Whether the capture device, and with it its interface, is present.
  virtual bool CaptureInterfacePresent() = 0;
  // A freshly opened source for every mouse bound to the capture filter.
  virtual std::vector<BoundReportSource> OpenBoundSources() = 0;
};

// The embedded default: the capture device is present and the simulated
// mouse is the one bound mouse, so a whole test runs on a machine with no mouse.
class SimulatedMouseProvider final : public CaptureSourceProvider {
 public:
  explicit SimulatedMouseProvider(SimulatedMouseOptions options = {},
                                  Pacing pacing = Pacing::RealTime)
      : options_(options), pacing_(pacing) {}
  bool CaptureInterfacePresent() override { return true; }
  std::vector<BoundReportSource> OpenBoundSources() override;

 private:
  SimulatedMouseOptions options_;
  Pacing pacing_;
};

// A provider made of two functions, for wiring and for tests.
class FunctionSourceProvider final : public CaptureSourceProvider {
 public:
  using Present = std::function<bool()>;
  using Open = std::function<std::vector<BoundReportSource>()>;
  FunctionSourceProvider(Present present, Open open)
      : present_(std::move(present)), open_(std::move(open)) {}
  bool CaptureInterfacePresent() override { return present_(); }
  std::vector<BoundReportSource> OpenBoundSources() override { return open_(); }

 private:
  Present present_;
  Open open_;
};

// File name extension of recordings in a recordings folder.
inline constexpr std::string_view kCaptureRecordingExtension = ".csv";

// The source of one of the station's own mice: the simulated mouse
// (kSimulatedInstanceId) or the recording <recordings_folder>/<stem>.csv
// (kRecordingInstancePrefix + stem). Null for any other instance ID. A
// recording that cannot be read gives a source that fails with the file, line
// and reason.
std::unique_ptr<ReportSource> OpenStationMouse(std::string_view instance_id,
                                               const std::string& recordings_folder,
                                               const SimulatedMouseOptions& simulated,
                                               Pacing pacing);

}  // namespace mqt
