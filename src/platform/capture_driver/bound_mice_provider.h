#pragma once

#include <functional>
#include <vector>

#include "platform/capture_driver/capture_source_provider.h"
#include "platform/driver_setup/driver_setup_state.h"
#include "platform/driver_setup/present_mice.h"

namespace mqt {

// The sources of one present mouse, each under the mouse's instance ID: the
// simulated mouse, a replayed recording, or one EvdevSource per event node of
// a real mouse (a node that cannot be opened gives a source that fails with
// the reason and the advice).
std::vector<BoundReportSource> OpenPresentMouse(const PresentMouse& mouse,
                                                const SimulatedMouseOptions& simulated,
                                                Pacing pacing);

// The capture driver's provider on the station: the capture device is present
// while the driver set-up state holds it, and every start request opens afresh
// the present mice bound to the capture filter, so a mouse plugged into
// another socket or given another event node is found where it is now.
class BoundMiceProvider final : public CaptureSourceProvider {
 public:
  using PresentMiceSource = std::function<std::vector<PresentMouse>()>;

  BoundMiceProvider(DriverSetupStore store, PresentMiceSource present_mice,
                    SimulatedMouseOptions simulated = {}, Pacing pacing = Pacing::RealTime);

  // This user's driver set-up state and present mice.
  static BoundMiceProvider ForThisUser();

  bool CaptureInterfacePresent() override;
  std::vector<BoundReportSource> OpenBoundSources() override;

 private:
  DriverSetupStore store_;
  PresentMiceSource present_mice_;
  SimulatedMouseOptions simulated_;
  Pacing pacing_;
};

}  // namespace mqt
