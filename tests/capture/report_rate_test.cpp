#include "capture/report_rate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mqt {
namespace {

// A counter at 1 MHz that the test moves.
class ScriptedClock : public RateClock {
 public:
  std::int64_t now = 0;
  int frequency_reads = 0;
  int counter_reads = 0;
  std::int64_t Frequency() override {
    ++frequency_reads;
    return 1'000'000;
  }
  std::int64_t Counter() override {
    ++counter_reads;
    return now;
  }
};

struct Change {
  int event;  // index of the event, from 0
  std::string text;
};

struct Fed {
  std::vector<Change> rate_texts;
  std::vector<Change> lines;
};

// Feeds `events` mouse moves `period_us` apart, starting at counter 5000.
Fed Feed(ReportRateMonitor& monitor, ScriptedClock& clock, int events, std::int64_t period_us,
         bool show) {
  Fed run;
  for (int i = 0; i < events; ++i) {
    clock.now = 5000 + i * period_us;
    const RateStepResult r = monitor.Step(show);
    if (r.rate_text) run.rate_texts.push_back({i, *r.rate_text});
    if (r.report_line) run.lines.push_back({i, *r.report_line});
  }
  return run;
}

std::string Describe(const std::vector<Change>& changes) {
  std::string s;
  for (const Change& c : changes) s += std::to_string(c.event) + ":" + c.text + " ";
  return s;
}

TEST(ReportRateMonitor, MeasuresWindowsOfMoveEvents) {
  struct Case {
    const char* name;
    std::int64_t period_us;
    int events;
    bool show;
    std::vector<Change> rate_texts;
    std::vector<Change> lines;
    std::int32_t final_window;
  };
  const Case cases[] = {
      // 125 per second: the window stays at 32 events, a value four times a second;
      // lines before the first measurement read "0 hz".
      {"125 per second",
       8000,
       100,
       true,
       {{32, "125hz"}, {64, "125hz"}, {96, "125hz"}},
       {{16, "0 hz"},
        {32, "125 hz"},
        {48, "125 hz"},
        {64, "125 hz"},
        {80, "125 hz"},
        {96, "125 hz"}},
       32},
      // 1000 per second: the first window of 32 gives 1000, the window grows to
      // 128, and the next multiple of 128 comes only 96 events later, still
      // divided into 128 events: 1333. Then 1000 again.
      {"1000 per second",
       1000,
       400,
       true,
       {{32, "1000hz"}, {128, "1333hz"}, {256, "1000hz"}, {384, "1000hz"}},
       {{16, "0 hz"},     {32, "1000 hz"},  {48, "1000 hz"},  {64, "1000 hz"},  {80, "1000 hz"},
        {96, "1000 hz"},  {112, "1000 hz"}, {128, "1333 hz"}, {144, "1333 hz"}, {160, "1333 hz"},
        {176, "1333 hz"}, {192, "1333 hz"}, {208, "1333 hz"}, {224, "1333 hz"}, {240, "1333 hz"},
        {256, "1000 hz"}, {272, "1000 hz"}, {288, "1000 hz"}, {304, "1000 hz"}, {320, "1000 hz"},
        {336, "1000 hz"}, {352, "1000 hz"}, {368, "1000 hz"}, {384, "1000 hz"}},
       128},
      // Show unchecked: no lines, the rate still changes.
      {"Show unchecked", 8000, 100, false, {{32, "125hz"}, {64, "125hz"}, {96, "125hz"}}, {}, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedClock clock;
    ReportRateMonitor monitor(clock);
    const Fed run = Feed(monitor, clock, c.events, c.period_us, c.show);
    EXPECT_EQ(Describe(run.rate_texts), Describe(c.rate_texts));
    EXPECT_EQ(Describe(run.lines), Describe(c.lines));
    EXPECT_EQ(monitor.rate_window(), c.final_window);
    EXPECT_EQ(monitor.move_counter(), c.events);
    // The frequency is read once; the counter only when the clock starts and at measurements.
    EXPECT_EQ(clock.frequency_reads, 1);
    EXPECT_EQ(clock.counter_reads, 1 + static_cast<int>(c.rate_texts.size()));
  }
}

// A window that took no time must not give an infinite or undefined rate.
TEST(ReportRateMonitor, WindowWithoutElapsedTimeKeepsTheLastRate) {
  ScriptedClock clock;
  ReportRateMonitor monitor(clock);
  Feed(monitor, clock, 33, 8000, false);
  ASSERT_EQ(monitor.current_rate(), 125);
  for (int i = 0; i < 32; ++i) {
    const RateStepResult r = monitor.Step(false);  // the clock stands still
    if (r.rate_text) {
      EXPECT_EQ(*r.rate_text, "125hz");
    }
  }
  EXPECT_EQ(monitor.current_rate(), 125);
}

}  // namespace
}  // namespace mqt
