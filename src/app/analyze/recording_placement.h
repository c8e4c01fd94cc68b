#pragma once

#include <string>
#include <vector>

#include "capture/capture_recording.h"
#include "capture/record_placement.h"
#include "capture/sample_timeline.h"

namespace mqt {

// Lays a recording's reports on `timeline` exactly as one test would: the
// timeline reset as a new capture thread resets it, capture state 0, slot
// carry 0, every report taken as a record that completed at once, and the
// test ended at the first report that finds the timeline full. Returns the
// interval lines placement wrote to AlgmAMemo. The settings must pass
// CheckPlacementSettings.
std::vector<std::string> PlaceRecording(const CaptureRecording& recording,
                                        const PlacementSettings& settings,
                                        const std::string& operator_mode, SampleTimeline& timeline);

}  // namespace mqt
