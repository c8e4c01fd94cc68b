#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "capture/capture_record.h"
#include "capture/sample_timeline.h"

namespace mqt {

// The window side of record placement. The main window implements it; every
// call comes on the user-interface thread.
class PlacementSink {
 public:
  virtual ~PlacementSink() = default;
  // Appends one line to the expert console's AlgmAMemo.
  virtual void AddIntervalLine(std::string_view line) = 0;
  // Closes the progress banner.
  virtual void CloseBanner() = 0;
  // Whether the main window's "Realtime Display" item is checked.
  virtual bool RealtimeDisplay() = 0;
  // Draws with the image's current pen the strokes (x, 137)-(x, 137 - X) and
  // (x, 408)-(x, 408 - Y): X and Y are display values.
  virtual void DrawRealtimeStrokes(int x, int X, int Y) = 0;
  // Sets the main window's gauge (CGauge).
  virtual void SetGaugePosition(int position) = 0;
  // The operator mode, compared exactly with "Expert".
  virtual std::string OperatorMode() = 0;
};

// The slot carry flag of one kind of capture: process-wide, 0 at program
// start and not cleared when a capture starts. Whoever owns the timeline keeps
// one for the test capture (the continuous capture keeps its own).
struct SlotCarry {
  std::int32_t value = 0;
};

// A test capture's placement settings, given by the starter.
struct PlacementSettings {
  std::int32_t slot_length = 8;    // milliseconds per timeline position
  std::int32_t last_position = 0;  // wave image width - 50
  std::int32_t bit_width = 8;      // wave range index + 8
};

// Refusal of settings a capture cannot run with: "" when they are usable,
// otherwise the message for the operator.
std::string CheckPlacementSettings(const PlacementSettings& settings);
// The last position bounded by the timeline's entries: a wide image cannot
// make the placement write past entry 2047.
std::int32_t BoundedLastPosition(std::int32_t last_position);

// Milliseconds between two counter values at `frequency`, rounded to nearest
// (+0.5 then truncated toward zero); saturates instead of overflowing.
std::int64_t MillisecondsBetween(std::int64_t later, std::int64_t earlier, std::int64_t frequency);

// Positions a record advances by, from its interval in milliseconds, and the
// slot carry after it. An interval of 0 keeps the position.
struct SlotAdvance {
  std::int64_t positions = 0;
  std::int32_t slot_carry = 0;
};
SlotAdvance AdvanceSlots(std::int64_t interval_ms, std::int32_t slot_length,
                         std::int32_t slot_carry);

// State that placement keeps between records of one test.
struct PlacementState {
  std::int32_t capture_state = 0;  // 0 awaiting first record, 1 awaiting movement, 2 placing
  std::int32_t position = 0;       // 1-based timeline position of the last placed record
  std::int64_t previous_timestamp = 0;
};

// Lays the records of one test on the sample timeline. One object per test;
// runs on the user-interface thread.
class RecordPlacement {
 public:
  // The settings must pass CheckPlacementSettings; the last position is bounded.
  RecordPlacement(SampleTimeline& timeline, SlotCarry& slot_carry, PlacementSink& sink,
                  const PlacementSettings& settings);

  // record placement: one record of the test.
  void Place(const CaptureRecord& record);

  const PlacementState& state() const { return state_; }
  const PlacementSettings& settings() const { return settings_; }
  // The capture thread's full-timeline test, made before a record is handed over.
  bool TimelineFull() const { return state_.position > settings_.last_position; }

 private:
  void AwaitMovement(const CaptureRecord& record);
  void PlaceNext(const CaptureRecord& record);
  void StoreAndShow(const CaptureRecord& record);

  SampleTimeline& timeline_;
  SlotCarry& slot_carry_;
  PlacementSink& sink_;
  PlacementSettings settings_;
  PlacementState state_;
};

}  // namespace mqt
