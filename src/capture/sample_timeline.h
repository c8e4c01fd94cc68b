#pragma once

#include <array>
#include <cstdint>

namespace mqt {

// One position of the time grid. Field order and widths are fixed: analysis,
// display and the raw log all read entries in this shape.
struct SampleSlot {
  std::int32_t valid = 0;
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::int32_t reserved1 = 0;
  std::int32_t reserved2 = 0;
  std::int32_t interval_ms = 0;
  std::int32_t elapsed_ms = 0;
};

// The fixed grid a test fills and display and analysis read afterwards.
// Lives on the user-interface thread; capture threads reach it only through
// the blocking hand-over, so it needs no lock.
struct SampleTimeline {
  static constexpr int kEntries = 2048;

  std::array<SampleSlot, kEntries> entries{};
  std::int32_t sample_count = 0;
  std::int64_t time_base = 0;

  // Done when a capture thread is created: every entry's valid flag becomes 0,
  // so an entry the new test does not fill never reads as an earlier test's
  // record, however wide the wave image. Other fields keep their values.
  void Reset();
};

}  // namespace mqt
