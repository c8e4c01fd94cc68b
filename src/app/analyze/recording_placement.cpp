#include "app/analyze/recording_placement.h"

namespace mqt {
namespace {

// No window: keeps the interval lines, draws nothing.
class CollectingSink : public PlacementSink {
 public:
  explicit CollectingSink(const std::string& operator_mode) : operator_mode_(operator_mode) {}
  void AddIntervalLine(std::string_view line) override { lines.emplace_back(line); }
  void CloseBanner() override {}
  bool RealtimeDisplay() override { return false; }
  void DrawRealtimeStrokes(int, int, int) override {}
  void SetGaugePosition(int) override {}
  std::string OperatorMode() override { return operator_mode_; }

  std::vector<std::string> lines;

 private:
  std::string operator_mode_;
};

}  // namespace

std::vector<std::string> PlaceRecording(const CaptureRecording& recording,
                                        const PlacementSettings& settings,
                                        const std::string& operator_mode,
                                        SampleTimeline& timeline) {
  timeline.Reset();
  SlotCarry slot_carry;
  CollectingSink sink(operator_mode);
  RecordPlacement placement(timeline, slot_carry, sink, settings);
  for (const RecordedReport& report : recording.reports) {
    if (placement.TimelineFull()) break;
    CaptureRecord record;
    record.frequency = report.frequency;
    record.timestamp = report.timestamp;
    record.dx = report.dx;
    record.dy = report.dy;
    placement.Place(record);
  }
  return std::move(sink.lines);
}

}  // namespace mqt
