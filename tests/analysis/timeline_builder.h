#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "capture/sample_timeline.h"

namespace mqt::testing {

// Lays records straight onto a timeline, as placement would have left it.
class TimelineBuilder {
 public:
  TimelineBuilder() : timeline_(std::make_unique<SampleTimeline>()) {}

  // Entries first..last hold records with dx = dx_of(i), dy 0.
  TimelineBuilder& Records(int first, int last, const std::function<int(int)>& dx_of,
                           int interval_ms = 8) {
    for (int i = first; i <= last; ++i) {
      SampleSlot& e = Entry(i);
      e.valid = 1;
      e.dx = dx_of(i);
      e.dy = 0;
      e.interval_ms = i == 0 ? 0 : interval_ms;
      e.elapsed_ms = i * interval_ms;
    }
    Extend(last + 1);
    return *this;
  }
  // Entries first..last hold records of no movement.
  TimelineBuilder& Still(int first, int last, int interval_ms = 8) {
    return Records(
        first, last, [](int) { return 0; }, interval_ms);
  }
  TimelineBuilder& Empty(int first, int last) {
    for (int i = first; i <= last; ++i) Entry(i).valid = 0;
    return *this;
  }
  TimelineBuilder& Dx(int i, int dx) {
    Entry(i).valid = 1;
    Entry(i).dx = dx;
    Extend(i + 1);
    return *this;
  }
  // `count` half-swings of +-amplitude, `length` entries each, from `first`,
  // starting positive. Returns the entry after the last one.
  int Swings(int first, int count, int length, int amplitude, int interval_ms = 8) {
    const int last = first + count * length - 1;
    Records(
        first, last,
        [&](int i) { return ((i - first) / length) % 2 == 0 ? amplitude : -amplitude; },
        interval_ms);
    return last + 1;
  }
  TimelineBuilder& Count(int sample_count) {
    timeline_->sample_count = sample_count;
    return *this;
  }

  SampleSlot& Entry(int i) { return timeline_->entries[static_cast<std::size_t>(i)]; }
  const SampleTimeline& timeline() const { return *timeline_; }

 private:
  void Extend(int count) {
    if (count > timeline_->sample_count) timeline_->sample_count = count;
  }
  std::unique_ptr<SampleTimeline> timeline_;
};

}  // namespace mqt::testing
