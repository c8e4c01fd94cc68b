#include "capture/continue_dump.h"

#include <algorithm>
#include <limits>

namespace mqt {
namespace {

std::int32_t ToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::string DumpLine(std::int32_t dx, std::int32_t dy, std::int64_t interval_ms,
                     std::int64_t position) {
  return "X=" + std::to_string(dx) + "\tY=" + std::to_string(dy) +
         "\tT=" + std::to_string(interval_ms) + "ms\t" + std::to_string(position + 1);
}

RecordDump::RecordDump(SlotCarry& slot_carry, std::int32_t slot_length,
                       std::function<void(std::string_view)> add_interval_line)
    : slot_carry_(slot_carry),
      slot_length_(std::max(slot_length, 1)),
      add_interval_line_(std::move(add_interval_line)) {}

void RecordDump::Dump(const CaptureRecord& record) {
  if (capture_state_ == 0) {
    capture_state_ = 1;
    previous_timestamp_ = record.timestamp;
    return;
  }
  if (capture_state_ == 1) {
    // No start threshold: the second record only starts the dump.
    previous_timestamp_ = record.timestamp;
    capture_state_ = 2;
    return;
  }
  if (position_ == 0) {
    latest_.interval_ms = 0;
    latest_.valid = 1;
    previous_timestamp_ = record.timestamp;
    position_ = 1;
    Tail(record);
    return;
  }
  const std::int64_t interval =
      MillisecondsBetween(record.timestamp, previous_timestamp_, record.frequency);
  previous_timestamp_ = record.timestamp;
  if (add_interval_line_) add_interval_line_(std::to_string(interval));
  const SlotAdvance advance = AdvanceSlots(interval, slot_length_, slot_carry_.value);
  slot_carry_.value = advance.slot_carry;
  if (__builtin_add_overflow(position_, advance.positions, &position_))
    position_ = std::numeric_limits<std::int64_t>::max() - 1;
  latest_.interval_ms = ToInt32(interval);
  latest_.valid = 1;
  Tail(record);
}

void RecordDump::Tail(const CaptureRecord& record) {
  latest_.dx = record.dx;
  latest_.dy = record.dy;
  // A garbage timestamp could ask for a billion "Nak" lines and exhaust the
  // memory; no real pause needs more than the bound.
  std::int64_t naks = 0;
  for (std::int32_t n = latest_.interval_ms; n > 3 && naks < kMaxNakLines; n -= 2, ++naks)
    dump_list_.emplace_back("Nak");
  dump_list_.push_back(DumpLine(latest_.dx, latest_.dy, latest_.interval_ms, position_));
}

}  // namespace mqt
