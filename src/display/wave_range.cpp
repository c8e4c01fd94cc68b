#include "display/wave_range.h"

#include <cstddef>

namespace mqt {

std::optional<WaveRangeRow> WaveRangeAt(int index) {
  if (index < 0 || index >= static_cast<int>(kWaveRanges.size())) return std::nullopt;
  return kWaveRanges[static_cast<std::size_t>(index)];
}

}  // namespace mqt
