// Analysing a full timeline: the run blocks the capture thread's completion
// hand-over, so it must stay well below what an operator would notice.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "analysis/analysis_run.h"
#include "capture/sample_timeline.h"

namespace {

// All 2048 entries hold records: a jittery swing of about 40 counts, every
// 16th entry empty so the gap paths run too.
std::unique_ptr<mqt::SampleTimeline> FullTimeline() {
  auto t = std::make_unique<mqt::SampleTimeline>();
  std::uint32_t seed = 12345;
  for (int i = 0; i < mqt::SampleTimeline::kEntries; ++i) {
    seed = seed * 1664525u + 1013904223u;
    mqt::SampleSlot& e = t->entries[static_cast<std::size_t>(i)];
    e.valid = (i % 16 == 15) ? 0 : 1;
    const int swing = ((i / 25) % 2 == 0) ? 40 : -40;
    e.dx = swing + static_cast<int>(seed >> 28) - 8;
    e.dy = static_cast<int>((seed >> 20) & 15) - 8;
    e.interval_ms = i == 0 ? 0 : 8;
    e.elapsed_ms = i * 8;
  }
  t->sample_count = mqt::SampleTimeline::kEntries;
  return t;
}

void BM_AnalysisRun(benchmark::State& state, const char* mode) {
  const auto timeline = FullTimeline();
  mqt::AnalysisParams params;
  params.operator_mode = mode;
  for (auto _ : state) {
    mqt::AnalysisResult r = mqt::RunAnalysis(*timeline, params);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * mqt::SampleTimeline::kEntries);
}

BENCHMARK_CAPTURE(BM_AnalysisRun, expert_full_timeline, "Expert")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AnalysisRun, operator_full_timeline, "")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
