#pragma once

#include "capture/record_placement.h"

namespace mqt {

class TMainForm;

// Record placement's way to the windows during a test: the interval memo on
// the expert console, the banner, the realtime bars, the gauge, the realtime
// flag and the operator mode.
class MainPlacementSink : public PlacementSink {
 public:
  explicit MainPlacementSink(TMainForm& main_form) : main_form_(main_form) {}

  void AddIntervalLine(std::string_view line) override;
  void CloseBanner() override;
  bool RealtimeDisplay() override;
  void DrawRealtimeStrokes(int x, int X, int Y) override;
  void SetGaugePosition(int position) override;
  std::string OperatorMode() override;

 private:
  TMainForm& main_form_;
};

}  // namespace mqt
