#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "capture/record_placement.h"

namespace mqt {

// A placement sink that writes down every call in order, as short lines:
// "memo 8", "banner", "strokes 41 2 -1", "gauge 41".
class RecordingSink : public PlacementSink {
 public:
  std::string mode = "User";
  bool realtime = true;
  std::vector<std::string> calls;

  void AddIntervalLine(std::string_view line) override {
    calls.push_back("memo " + std::string(line));
  }
  void CloseBanner() override { calls.push_back("banner"); }
  bool RealtimeDisplay() override { return realtime; }
  void DrawRealtimeStrokes(int x, int X, int Y) override {
    calls.push_back("strokes " + std::to_string(x) + " " + std::to_string(X) + " " +
                    std::to_string(Y));
  }
  void SetGaugePosition(int position) override {
    calls.push_back("gauge " + std::to_string(position));
  }
  std::string OperatorMode() override { return mode; }

  std::vector<std::string> Memo() const {
    std::vector<std::string> lines;
    for (const std::string& call : calls)
      if (call.starts_with("memo ")) lines.push_back(call.substr(5));
    return lines;
  }
};

}  // namespace mqt
