#include "platform/capture_driver/bound_mice_provider.h"

#include "platform/capture_driver/evdev_open.h"
#include "platform/driver_setup/bound_mice.h"
#include "platform/driver_setup/driver_setup_library.h"

namespace mqt {

std::vector<BoundReportSource> OpenPresentMouse(const PresentMouse& mouse,
                                                const SimulatedMouseOptions& simulated,
                                                Pacing pacing) {
  std::vector<BoundReportSource> sources;
  if (mouse.source == MouseSource::kReal) {
    for (const std::string& node : mouse.event_nodes)
      sources.push_back({mouse.instance_id, OpenEvdevMouse(node)});
    if (sources.empty()) {
      sources.push_back(
          {mouse.instance_id, std::make_unique<FailedSource>("the mouse has no event node")});
    }
    return sources;
  }
  const std::string folder =
      mouse.source == MouseSource::kRecording ? mouse.recording.parent_path().string() : "";
  std::unique_ptr<ReportSource> source =
      OpenStationMouse(mouse.instance_id, folder, simulated, pacing);
  if (!source) source = std::make_unique<FailedSource>("not a mouse the station can open");
  sources.push_back({mouse.instance_id, std::move(source)});
  return sources;
}

BoundMiceProvider::BoundMiceProvider(DriverSetupStore store, PresentMiceSource present_mice,
                                     SimulatedMouseOptions simulated, Pacing pacing)
    : store_(std::move(store)),
      present_mice_(std::move(present_mice)),
      simulated_(simulated),
      pacing_(pacing) {}

BoundMiceProvider BoundMiceProvider::ForThisUser() {
  return BoundMiceProvider(DriverSetupStore::ForThisUser(), [] { return EnumeratePresentMice(); });
}

bool BoundMiceProvider::CaptureInterfacePresent() {
  return store_.Load().DeviceOf(kCaptureDeviceId) != nullptr;
}

std::vector<BoundReportSource> BoundMiceProvider::OpenBoundSources() {
  std::vector<BoundReportSource> sources;
  for (const PresentMouse& mouse : BoundMice(store_.Load(), present_mice_())) {
    for (BoundReportSource& source : OpenPresentMouse(mouse, simulated_, pacing_))
      sources.push_back(std::move(source));
  }
  return sources;
}

}  // namespace mqt
