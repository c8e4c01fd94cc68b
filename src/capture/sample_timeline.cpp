#include "capture/sample_timeline.h"

namespace mqt {

void SampleTimeline::Reset() {
  for (SampleSlot& slot : entries) slot.valid = 0;
  sample_count = 0;
}

}  // namespace mqt
