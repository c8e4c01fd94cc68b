#include "platform/capture_driver/capture_source_provider.h"

#include "platform/capture_driver/replay_source.h"
#include "platform/device_ids.h"

namespace mqt {

std::vector<BoundReportSource> SimulatedMouseProvider::OpenBoundSources() {
  std::vector<BoundReportSource> sources;
  sources.push_back({std::string(kSimulatedInstanceId),
                     std::make_unique<SimulatedMouse>(options_, MakeReportClock(pacing_))});
  return sources;
}

std::unique_ptr<ReportSource> OpenStationMouse(std::string_view instance_id,
                                               const std::string& recordings_folder,
                                               const SimulatedMouseOptions& simulated,
                                               Pacing pacing) {
  if (instance_id == kSimulatedInstanceId)
    return std::make_unique<SimulatedMouse>(simulated, MakeReportClock(pacing));
  if (instance_id.starts_with(kRecordingInstancePrefix)) {
    const std::string_view stem = instance_id.substr(kRecordingInstancePrefix.size());
    // The stem names a file inside the folder, never a path out of it.
    if (stem.empty() || stem.find('/') != std::string_view::npos || stem == "." || stem == "..")
      return std::make_unique<FailedSource>(std::string(instance_id) + ": not a recording name");
    const std::string path =
        recordings_folder + "/" + std::string(stem) + std::string(kCaptureRecordingExtension);
    CaptureRecording recording;
    const std::string error = LoadCaptureRecording(path, recording);
    if (!error.empty()) return std::make_unique<FailedSource>(error);
    return std::make_unique<ReplaySource>(std::move(recording.reports), MakeReportClock(pacing));
  }
  return nullptr;
}

}  // namespace mqt
