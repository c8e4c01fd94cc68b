#include "capture/record_placement.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "recording_sink.h"

namespace mqt {
namespace {

using Strings = std::vector<std::string>;

// A record with a millisecond counter, so timestamps read as milliseconds.
CaptureRecord Ms(std::int64_t timestamp_ms, std::int32_t dx, std::int32_t dy = 0) {
  return CaptureRecord{1000, timestamp_ms, "", dx, dy};
}

class PlacementTest : public ::testing::Test {
 protected:
  RecordPlacement Make(PlacementSettings settings = {8, 1000, 8}) {
    return RecordPlacement(timeline, carry, sink, settings);
  }
  // Brings a placement to capture state 2 with records at 0 and 8 ms; the
  // next record is the first stored one.
  void StartPlacing(RecordPlacement& placement) {
    placement.Place(Ms(0, 0));
    placement.Place(Ms(8, 100));
    ASSERT_EQ(placement.state().capture_state, 2);
    sink.calls.clear();
  }

  SampleTimeline timeline;
  SlotCarry carry;
  RecordingSink sink;
};

TEST_F(PlacementTest, StartThresholdDependsOnIntervalAndOperatorMode) {
  struct Case {
    const char* mode;
    std::int64_t interval_ms;
    std::int32_t dx, dy;
    bool starts;
  };
  const Case cases[] = {
      {"User", 8, 24, 0, false},   {"User", 8, 25, 0, true},   {"User", 8, -24, 0, false},
      {"User", 8, -25, 0, true},   {"User", 8, 0, 25, true},   {"User", 8, 0, -25, true},
      {"User", 4, 12, 0, false},   {"User", 4, 13, 0, true},   {"User", 1, 0, -13, true},
      {"User", 5, 13, 0, false},   {"User", 5, 25, 0, true},   {"User", 0, 13, 0, false},
      {"User", 0, 25, 0, true},    {"User", -3, 13, 0, true},  {"User", -3, 12, -12, false},
      {"Expert", 8, 1, 0, true},   {"Expert", 8, 0, -1, true}, {"Expert", 8, 0, 0, false},
      {"expert", 8, 13, 0, false},  // the mode is compared exactly
  };
  for (const Case& c : cases) {
    SampleTimeline fresh;
    SlotCarry no_carry;
    RecordingSink mode_sink;
    mode_sink.mode = c.mode;
    RecordPlacement placement(fresh, no_carry, mode_sink, {8, 1000, 8});
    placement.Place(Ms(100, 0));
    EXPECT_EQ(placement.state().capture_state, 1);
    placement.Place(Ms(100 + c.interval_ms, c.dx, c.dy));
    EXPECT_EQ(placement.state().capture_state == 2, c.starts)
        << c.mode << " interval " << c.interval_ms << " dx " << c.dx << " dy " << c.dy;
    // Neither the first record nor the one that crosses the threshold is stored.
    EXPECT_EQ(placement.state().position, 0);
    EXPECT_EQ(fresh.sample_count, 0);
    EXPECT_TRUE(mode_sink.calls.empty());
  }
}

TEST_F(PlacementTest, FirstStoredRecordGoesToEntryZeroWithoutMemoLine) {
  RecordPlacement placement = Make();
  StartPlacing(placement);
  timeline.entries[0] = SampleSlot{0, 9, 9, 77, 78, 99, 99};
  placement.Place(Ms(16, 40, -3));

  const SampleSlot& first = timeline.entries[0];
  EXPECT_EQ(first.valid, 1);
  EXPECT_EQ(first.dx, 40);
  EXPECT_EQ(first.dy, -3);
  EXPECT_EQ(first.interval_ms, 0);
  EXPECT_EQ(first.elapsed_ms, 0);
  EXPECT_EQ(first.reserved1, 77);  // never written
  EXPECT_EQ(first.reserved2, 78);
  EXPECT_EQ(timeline.time_base, 16);
  EXPECT_EQ(timeline.sample_count, 1);
  EXPECT_EQ(placement.state().position, 1);
  EXPECT_EQ(sink.calls, (Strings{"banner", "strokes 41 40 -3", "gauge 41"}));
}

TEST_F(PlacementTest, SlotAdvanceRule) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  struct Case {
    std::int32_t slot_length;
    std::int32_t carry_in;
    std::int64_t interval_ms;
    std::int64_t positions;
    std::int32_t carry_out;
  };
  const Case cases[] = {
      {8, 0, 8, 1, 0},  {8, 0, 12, 2, 0}, {8, 0, 3, 1, 1},           {8, 1, 20, 2, 0},
      {8, 0, 20, 3, 0}, {8, 1, 8, 1, 0},  {8, 1, 12, 1, 0},          {8, 0, 4, 1, 0},
      {8, 0, 0, 0, 0},  {8, 1, 0, 0, 1},  {8, 0, -5, 1, 1},          {8, 1, -100, 1, 1},
      {8, 1, 3, 1, 1},  {1, 0, 1, 1, 0},  {1, 0, 5, 5, 0},           {7, 0, 10, 1, 0},
      {7, 0, 11, 2, 0}, {3, 0, 1, 1, 1},  {8, 0, kMax, kMax / 8, 0},
  };
  for (const Case& c : cases) {
    const SlotAdvance advance = AdvanceSlots(c.interval_ms, c.slot_length, c.carry_in);
    EXPECT_EQ(advance.positions, c.positions)
        << "slot " << c.slot_length << " carry " << c.carry_in << " interval " << c.interval_ms;
    EXPECT_EQ(advance.slot_carry, c.carry_out)
        << "slot " << c.slot_length << " carry " << c.carry_in << " interval " << c.interval_ms;
  }
}

TEST_F(PlacementTest, IntervalsRoundToNearestMillisecond) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  struct Case {
    std::int64_t later, earlier, frequency, expected;
  };
  const Case cases[] = {
      {8000, 0, 1'000'000, 8},
      {3499, 0, 1'000'000, 3},
      {3500, 0, 1'000'000, 4},
      {0, 3500, 1'000'000, -3},  // -3.5 + 0.5 truncated
      {0, 3600, 1'000'000, -3},
      {0, 4600, 1'000'000, -4},
      {1, 0, 3, 333},
      {2, 0, 3, 667},
      {12'400'000, 0, 1'000'000'000, 12},
      {kMax, kMin, 1, kMax},
      {kMin, kMax, 1, kMin},  // saturates, no overflow
      {5, 0, 0, kMax},
      {0, 0, 0, 0},  // no counter frequency
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MillisecondsBetween(c.later, c.earlier, c.frequency), c.expected)
        << c.later << " - " << c.earlier << " at " << c.frequency;
  }
}

// Slot length 8: 8 ms advances by 1, 12 ms by 2, 3 ms by 1 with the slot
// carry set, and a following 20 ms gap by 2, clearing it.
TEST_F(PlacementTest, SequenceSkipsEntriesAndKeepsIntervalsAndElapsedTime) {
  RecordPlacement placement = Make();
  StartPlacing(placement);
  const std::int64_t times[] = {16, 24, 36, 39, 59};
  for (std::int64_t t : times) placement.Place(Ms(t, static_cast<std::int32_t>(t)));

  EXPECT_EQ(sink.Memo(), (Strings{"8", "12", "3", "20"}));
  EXPECT_EQ(placement.state().position, 7);
  EXPECT_EQ(carry.value, 0);
  EXPECT_EQ(timeline.sample_count, 7);
  struct Entry {
    int index, valid, dx, interval_ms, elapsed_ms;
  };
  const Entry entries[] = {{0, 1, 16, 0, 0},   {1, 1, 24, 8, 8},  {2, 0, 0, 0, 0},
                           {3, 1, 36, 12, 20}, {4, 1, 39, 3, 23}, {5, 0, 0, 0, 0},
                           {6, 1, 59, 20, 43}};
  for (const Entry& e : entries) {
    const SampleSlot& slot = timeline.entries[static_cast<std::size_t>(e.index)];
    EXPECT_EQ(slot.valid, e.valid) << "entry " << e.index;
    EXPECT_EQ(slot.dx, e.dx) << "entry " << e.index;
    EXPECT_EQ(slot.interval_ms, e.interval_ms) << "entry " << e.index;
    EXPECT_EQ(slot.elapsed_ms, e.elapsed_ms) << "entry " << e.index;
  }
  EXPECT_EQ(sink.calls.back(), "gauge 47");
}

TEST_F(PlacementTest, ZeroIntervalOverwritesTheSharedEntryAndKeepsTheCarry) {
  RecordPlacement placement = Make();
  StartPlacing(placement);
  placement.Place(Ms(16, 5, 1));
  placement.Place(Ms(19, 6, 2));  // 3 ms: carry set, position 2
  ASSERT_EQ(carry.value, 1);
  placement.Place(Ms(19, 7, 3));  // same time

  EXPECT_EQ(placement.state().position, 2);
  EXPECT_EQ(carry.value, 1);
  const SampleSlot& shared = timeline.entries[1];
  EXPECT_EQ(shared.dx, 7);
  EXPECT_EQ(shared.dy, 3);
  EXPECT_EQ(shared.interval_ms, 0);
  EXPECT_EQ(shared.elapsed_ms, 3);
  EXPECT_EQ(timeline.sample_count, 2);
  EXPECT_EQ(sink.Memo(), (Strings{"3", "0"}));
}

TEST_F(PlacementTest, BackwardTimestampAdvancesByOneAndSetsTheCarry) {
  RecordPlacement placement = Make();
  StartPlacing(placement);
  placement.Place(Ms(100, 5));
  placement.Place(Ms(90, 6));

  EXPECT_EQ(placement.state().position, 2);
  EXPECT_EQ(carry.value, 1);
  // -10 ms + 0.5, truncated toward zero.
  EXPECT_EQ(timeline.entries[1].interval_ms, -9);
  EXPECT_EQ(timeline.entries[1].elapsed_ms, -9);
  EXPECT_EQ(sink.Memo(), (Strings{"-9"}));
}

TEST_F(PlacementTest, SlotCarryOfThePreviousTestCarriesOver) {
  carry.value = 1;  // left set by the test before
  RecordPlacement placement = Make();
  StartPlacing(placement);
  placement.Place(Ms(16, 5));
  EXPECT_EQ(carry.value, 1);   // not cleared at the start, nor by the first stored record
  placement.Place(Ms(40, 5));  // 24 ms: a = 3, less the carry
  EXPECT_EQ(placement.state().position, 3);
  EXPECT_EQ(carry.value, 0);
}

TEST_F(PlacementTest, RecordPastTheLastPositionIsNotStoredButLogged) {
  RecordPlacement placement = Make({8, 3, 8});
  StartPlacing(placement);
  timeline.entries[4] = SampleSlot{0, 55, 55, 0, 0, 55, 55};
  placement.Place(Ms(16, 1));
  placement.Place(Ms(24, 2));
  placement.Place(Ms(32, 3));
  EXPECT_FALSE(placement.TimelineFull());
  sink.calls.clear();
  placement.Place(Ms(48, 4));  // 16 ms: position 5

  EXPECT_TRUE(placement.TimelineFull());
  EXPECT_EQ(placement.state().position, 5);
  EXPECT_EQ(timeline.sample_count, 3);
  EXPECT_EQ(sink.calls, (Strings{"memo 16"}));  // no gauge, no strokes
  EXPECT_EQ(timeline.entries[4].valid, 0);
  EXPECT_EQ(timeline.entries[4].dx, 55);
  EXPECT_EQ(timeline.entries[3].valid, 0);
}

TEST_F(PlacementTest, HugeGapsNeverWritePastTheTimeline) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  struct Case {
    std::int32_t last_position;
    std::int64_t pause_end, later;  // timestamps after the first stored record at 2 ms
  };
  const Case cases[] = {
      {5000, 10'002, 20'002},  // wide image, long pause
      {2048, kMax / 2, kMax},  // the position would overflow
      {2048, 3, kMax},
  };
  for (const Case& c : cases) {
    SampleTimeline fresh;
    SlotCarry no_carry;
    RecordingSink quiet;
    RecordPlacement placement(fresh, no_carry, quiet, {1, c.last_position, 8});
    EXPECT_EQ(placement.settings().last_position, 2048);
    placement.Place(Ms(0, 0));
    placement.Place(Ms(1, 100));
    placement.Place(Ms(2, 1));
    placement.Place(Ms(c.pause_end, 1));
    placement.Place(Ms(c.later, 1));
    EXPECT_GT(placement.state().position, 2048);
    EXPECT_TRUE(placement.TimelineFull());
    EXPECT_LE(fresh.sample_count, 2048);
  }
}

TEST_F(PlacementTest, DisplayValuesStrokesAndBannerRule) {
  struct Case {
    std::int32_t bit_width;
    std::int32_t dx, dy;
    bool realtime;
    Strings calls;  // of the first stored record, at x = 41
  };
  const Case cases[] = {
      {9, 3, 0, true, {"strokes 41 2 0", "gauge 41"}},
      {9, -1, 300, true, {"strokes 41 -1 127", "gauge 41"}},
      {9, 300, -300, true, {"banner", "strokes 41 127 -128", "gauge 41"}},
      {8, 32, 0, true, {"strokes 41 32 0", "gauge 41"}},
      {8, 33, 0, true, {"banner", "strokes 41 33 0", "gauge 41"}},
      {8, -100, 100, true, {"strokes 41 -100 100", "gauge 41"}},  // only positive X closes it
      {10, 131, 0, true, {"banner", "strokes 41 33 0", "gauge 41"}},
      {10, 127, 0, true, {"strokes 41 32 0", "gauge 41"}},
      {8, 50, 0, false, {"banner", "gauge 41"}},  // realtime display off: nothing drawn
  };
  for (const Case& c : cases) {
    SampleTimeline fresh;
    SlotCarry no_carry;
    RecordingSink case_sink;
    case_sink.realtime = c.realtime;
    RecordPlacement placement(fresh, no_carry, case_sink, {8, 1000, c.bit_width});
    placement.Place(Ms(0, 0));
    placement.Place(Ms(8, 0, 100));
    ASSERT_TRUE(case_sink.calls.empty());  // the crossing record closes no banner
    placement.Place(Ms(16, c.dx, c.dy));
    EXPECT_EQ(case_sink.calls, c.calls) << "bit width " << c.bit_width << " dx " << c.dx;
    // The timeline keeps the raw movement, never the display value.
    EXPECT_EQ(fresh.entries[0].dx, c.dx);
    EXPECT_EQ(fresh.entries[0].dy, c.dy);
  }
}

TEST(PlacementSettingsTest, StarterRefusesUnusableSettings) {
  struct Case {
    PlacementSettings settings;
    bool refused;
  };
  const Case cases[] = {
      {{8, 750, 8}, false}, {{1, 750, 13}, false}, {{0, 750, 8}, true},
      {{-8, 750, 8}, true}, {{8, 750, 7}, true},   {{8, 750, 14}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(!CheckPlacementSettings(c.settings).empty(), c.refused)
        << "slot " << c.settings.slot_length << " bit width " << c.settings.bit_width;
  }
  EXPECT_EQ(BoundedLastPosition(3000), 2048);
  EXPECT_EQ(BoundedLastPosition(750), 750);
}

TEST(SampleTimelineTest, ResetClearsEveryValidFlagAndKeepsTheRest) {
  SampleTimeline timeline;
  for (SampleSlot& slot : timeline.entries) slot = SampleSlot{1, 2, 3, 4, 5, 6, 7};
  timeline.sample_count = 2000;
  timeline.time_base = 42;
  timeline.Reset();

  EXPECT_EQ(timeline.sample_count, 0);
  EXPECT_EQ(timeline.time_base, 42);
  for (int i : {0, 1024, 1025, 2047}) {
    const SampleSlot& slot = timeline.entries[static_cast<std::size_t>(i)];
    EXPECT_EQ(slot.valid, 0) << "entry " << i;
    EXPECT_EQ(slot.dx, 2) << "entry " << i;
    EXPECT_EQ(slot.elapsed_ms, 7) << "entry " << i;
  }
}

}  // namespace
}  // namespace mqt
