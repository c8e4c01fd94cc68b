#include "capture/record_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "capture/display_value.h"

namespace mqt {
namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Start threshold outside Expert mode: 12 counts when reports come 1 to 4 ms
// apart (a negative interval included), 24 when 0 or 5 ms and more apart.
int StartThreshold(std::int64_t interval_ms, bool expert) {
  if (expert) return 0;
  return (interval_ms != 0 && interval_ms <= 4) ? 12 : 24;
}

bool Exceeds(std::int32_t movement, int threshold) {
  return movement > threshold || movement < -threshold;
}

}  // namespace

std::string CheckPlacementSettings(const PlacementSettings& settings) {
  if (settings.slot_length < 1)
    return "The interval (ms) must be a whole number of at least 1 millisecond.";
  if (settings.bit_width < 8 || settings.bit_width > 13)
    return "The wave range must be one of the listed ranges.";
  return {};
}

std::int32_t BoundedLastPosition(std::int32_t last_position) {
  return std::min(last_position, static_cast<std::int32_t>(SampleTimeline::kEntries));
}

std::int64_t MillisecondsBetween(std::int64_t later, std::int64_t earlier, std::int64_t frequency) {
  std::int64_t difference = 0;
  std::int64_t scaled = 0;
  double ms = 0;
  if (!__builtin_sub_overflow(later, earlier, &difference) &&
      !__builtin_mul_overflow(difference, std::int64_t{1000}, &scaled)) {
    ms = static_cast<double>(scaled) / static_cast<double>(frequency) + 0.5;
  } else {
    // Garbage timestamps: work in long double, which holds any int64 exactly.
    const long double wide = (static_cast<long double>(later) - earlier) * 1000.0L;
    ms = static_cast<double>(wide / frequency) + 0.5;
  }
  if (std::isnan(ms)) return 0;
  // Converting a double outside the int64 range is undefined, so saturate first.
  if (ms >= 9.2e18) return kInt64Max;
  if (ms <= -9.2e18) return kInt64Min;
  return static_cast<std::int64_t>(ms);  // truncates toward zero
}

SlotAdvance AdvanceSlots(std::int64_t interval_ms, std::int32_t slot_length,
                         std::int32_t slot_carry) {
  if (interval_ms == 0) return {0, slot_carry};
  std::int64_t rounded = 0;
  if (__builtin_add_overflow(interval_ms, std::int64_t{slot_length / 2}, &rounded))
    rounded = kInt64Max;
  const std::int64_t a = rounded / slot_length;
  if (a >= 2) return {slot_carry == 1 ? a - 1 : a, 0};
  if (a == 1) return {1, 0};
  // Shorter than half a slot, or backward: one position all the same, and the
  // next long gap gives one back.
  return {1, 1};
}

RecordPlacement::RecordPlacement(SampleTimeline& timeline, SlotCarry& slot_carry,
                                 PlacementSink& sink, const PlacementSettings& settings)
    : timeline_(timeline), slot_carry_(slot_carry), sink_(sink), settings_(settings) {
  settings_.last_position = BoundedLastPosition(settings_.last_position);
  // A slot length below 1 would divide by zero; the starter refuses it, this
  // keeps the object sound even so.
  settings_.slot_length = std::max(settings_.slot_length, 1);
}

void RecordPlacement::Place(const CaptureRecord& record) {
  switch (state_.capture_state) {
    case 0:
      state_.capture_state = 1;
      state_.previous_timestamp = record.timestamp;
      return;
    case 1:
      AwaitMovement(record);
      return;
    default:
      PlaceNext(record);
      return;
  }
}

void RecordPlacement::AwaitMovement(const CaptureRecord& record) {
  const std::int64_t interval =
      MillisecondsBetween(record.timestamp, state_.previous_timestamp, record.frequency);
  state_.previous_timestamp = record.timestamp;
  const int threshold = StartThreshold(interval, sink_.OperatorMode() == "Expert");
  // The record that crosses the threshold is not stored: placing starts with the next.
  if (Exceeds(record.dx, threshold) || Exceeds(record.dy, threshold)) state_.capture_state = 2;
}

void RecordPlacement::PlaceNext(const CaptureRecord& record) {
  if (state_.position == 0) {
    SampleSlot& first = timeline_.entries[0];
    first.interval_ms = 0;
    first.elapsed_ms = 0;
    state_.previous_timestamp = record.timestamp;
    timeline_.time_base = record.timestamp;
    first.valid = 1;
    state_.position = 1;
    StoreAndShow(record);
    return;
  }

  const std::int64_t interval =
      MillisecondsBetween(record.timestamp, state_.previous_timestamp, record.frequency);
  state_.previous_timestamp = record.timestamp;
  sink_.AddIntervalLine(std::to_string(interval));

  const SlotAdvance advance = AdvanceSlots(interval, settings_.slot_length, slot_carry_.value);
  slot_carry_.value = advance.slot_carry;
  std::int64_t position = 0;
  if (__builtin_add_overflow(std::int64_t{state_.position}, advance.positions, &position))
    position = kInt32Max;
  state_.position = static_cast<std::int32_t>(std::min<std::int64_t>(position, kInt32Max));
  // Past the last position nothing is stored, drawn or counted; the capture
  // thread ends the test before the next record.
  if (state_.position > settings_.last_position) return;

  SampleSlot& slot = timeline_.entries[static_cast<std::size_t>(state_.position - 1)];
  slot.interval_ms = static_cast<std::int32_t>(interval);
  slot.elapsed_ms = static_cast<std::int32_t>(
      MillisecondsBetween(record.timestamp, timeline_.time_base, record.frequency));
  slot.valid = 1;
  StoreAndShow(record);
}

void RecordPlacement::StoreAndShow(const CaptureRecord& record) {
  const int x_value = DisplayValue(record.dx, settings_.bit_width);
  const int y_value = DisplayValue(record.dy, settings_.bit_width);
  // Only a large positive X swing closes the banner.
  if (x_value > 32) sink_.CloseBanner();
  const int x = state_.position + 40;
  if (sink_.RealtimeDisplay()) sink_.DrawRealtimeStrokes(x, x_value, y_value);
  sink_.SetGaugePosition(x);
  SampleSlot& slot = timeline_.entries[static_cast<std::size_t>(state_.position - 1)];
  slot.dx = record.dx;
  slot.dy = record.dy;
  timeline_.sample_count = state_.position;
}

}  // namespace mqt
