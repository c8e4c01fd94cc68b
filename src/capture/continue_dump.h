#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "capture/capture_record.h"
#include "capture/record_placement.h"

namespace mqt {

// The last record a continuous capture dumped.
struct LatestRecord {
  std::int32_t valid = 0;
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::int32_t interval_ms = 0;
};

// "X=<dx>\tY=<dy>\tT=<interval>ms\t<position + 1>".
std::string DumpLine(std::int32_t dx, std::int32_t dy, std::int64_t interval_ms,
                     std::int64_t position);

// record dump: the continuous capture's per-record work, on the
// user-interface thread. No start threshold and no end: every record after
// the first two becomes one dump line, preceded by a "Nak" line for every
// 2 ms its interval has beyond 3 ms.
class RecordDump {
 public:
  // `add_interval_line` appends to the expert console's AlgmAMemo. A slot
  // length below 1 is taken as 1 (the starter refuses it first).
  RecordDump(SlotCarry& slot_carry, std::int32_t slot_length,
             std::function<void(std::string_view)> add_interval_line);

  void Dump(const CaptureRecord& record);

  // "Nak" lines one record may add at most (a pause of about 35 minutes).
  static constexpr std::int64_t kMaxNakLines = std::int64_t{1} << 20;

  const std::vector<std::string>& dump_list() const { return dump_list_; }
  const LatestRecord& latest_record() const { return latest_; }
  std::int32_t capture_state() const { return capture_state_; }
  std::int64_t position() const { return position_; }

 private:
  void Tail(const CaptureRecord& record);

  SlotCarry& slot_carry_;
  std::int32_t slot_length_;
  std::function<void(std::string_view)> add_interval_line_;
  std::int32_t capture_state_ = 0;
  // Grows for as long as the capture runs; 64 bits so it never wraps.
  std::int64_t position_ = 0;
  std::int64_t previous_timestamp_ = 0;
  LatestRecord latest_;
  std::vector<std::string> dump_list_;
};

}  // namespace mqt
