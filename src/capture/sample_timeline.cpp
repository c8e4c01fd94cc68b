#include "capture/sample_timeline.h"

namespace mqt {

void SampleTimeline::Reset() {
  for (int i = 0; i < kResetEntries; ++i) entries[static_cast<std::size_t>(i)].valid = 0;
  sample_count = 0;
}

}  // namespace mqt
