// mouse-quality-analyze: re-scores a stored capture recording the way the
// station scores a finished test, and prints the whole result as JSON.
#include <iostream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "analysis/analysis_json.h"
#include "analysis/analysis_run.h"
#include "app/analyze/analyze_options.h"
#include "app/analyze/recording_placement.h"
#include "capture/capture_recording.h"
#include "capture/record_placement.h"
#include "capture/sample_timeline.h"

namespace {

constexpr int kExitBadInput = 2;
constexpr int kExitOutputFailed = 1;

int Fail(const std::string& message) {
  std::cerr << "mouse-quality-analyze: " << message << '\n';
  return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = mqt::ParseAnalyzeOptions(args);
  if (const auto* error = std::get_if<mqt::UsageError>(&parsed)) {
    return Fail(error->message + " (see --help)");
  }
  const mqt::AnalyzeOptions& options = std::get<mqt::AnalyzeOptions>(parsed);
  if (options.help) {
    std::cout << mqt::kAnalyzeUsage;
    return 0;
  }

  mqt::CaptureRecording recording;
  // The reader's message already names the file and line.
  if (std::string error = mqt::LoadCaptureRecording(options.recording_path, recording);
      !error.empty()) {
    std::cerr << error << '\n';
    return kExitBadInput;
  }

  mqt::PlacementSettings settings;
  settings.slot_length = mqt::SlotLengthOf(options.interval_text);
  settings.last_position = options.last_position;
  if (std::string error = mqt::CheckPlacementSettings(settings); !error.empty()) {
    return Fail(error);
  }

  auto timeline = std::make_unique<mqt::SampleTimeline>();
  const std::vector<std::string> interval_lines =
      mqt::PlaceRecording(recording, settings, options.operator_mode, *timeline);

  mqt::AnalysisParams params;
  params.operator_mode = options.operator_mode;
  params.screen_width = options.screen_width;
  params.interval_text = options.interval_text;
  params.peak_threshold = options.peak_threshold;
  params.active_language = options.language;
  const mqt::AnalysisResult result = mqt::RunAnalysis(*timeline, params);

  std::cout << mqt::AnalysisJson(*timeline, interval_lines, result);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "mouse-quality-analyze: cannot write the result\n";
    return kExitOutputFailed;
  }
  return 0;
}
