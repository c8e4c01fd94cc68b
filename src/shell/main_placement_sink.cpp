#include "shell/main_placement_sink.h"

#include <QAction>
#include <QPlainTextEdit>

#include "capture/ExpertUnit.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/form_controls.h"
#include "shell/station_context.h"

namespace mqt {

void MainPlacementSink::AddIntervalLine(std::string_view line) {
  if (TExpert* expert = main_form_.Context().windows.Expert) {
    expert->AlgmAMemo->appendPlainText(
        QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  }
}

void MainPlacementSink::CloseBanner() {
  if (TProgressForm* banner = main_form_.Context().windows.ProgressForm) banner->close();
}

bool MainPlacementSink::RealtimeDisplay() { return main_form_.mm_RealtimeDisplay->isChecked(); }

void MainPlacementSink::DrawRealtimeStrokes(int x, int X, int Y) {
  main_form_.DrawRealtimeBars(x, X, Y);
}

void MainPlacementSink::SetGaugePosition(int position) { main_form_.CGauge->SetProgress(position); }

std::string MainPlacementSink::OperatorMode() { return main_form_.OperatorMode; }

}  // namespace mqt
