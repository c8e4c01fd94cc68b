// The analysis of a finished test: the run itself is pure logic; here its
// result reaches the expert console, the message box and the result area.
#include <QAction>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>

#include "analysis/analysis_run.h"
#include "analysis/scoring_step.h"
#include "capture/ExpertUnit.h"
#include "display/zoomed_wave.h"
#include "platform/prompter.h"
#include "shell/MainUnit.h"
#include "shell/form_controls.h"
#include "shell/station_context.h"

namespace mqt {

namespace {

QString Lines(const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += QString::fromStdString(lines[i]);
  }
  return text;
}

struct AlgorithmPage {
  QLabel* d_label;
  QLabel* score_label;
  QPlainTextEdit* memo;
};

std::array<AlgorithmPage, 4> AlgorithmPages(TExpert& expert) {
  return {{{expert.lb_AlgmA, expert.lb_ScoreA, expert.AlgmAMemo},
           {expert.lb_AlgmB, expert.lb_ScoreB, expert.AlgmBMemo},
           {expert.lb_AlgmC, expert.lb_ScoreC, expert.AlgmCMemo},
           {expert.lb_AlgmD, expert.lb_ScoreD, expert.AlgmDMemo}}};
}

}  // namespace

void TMainForm::bt_WaveConvertClick() {
  TExpert* expert = context_.windows.Expert;
  AnalysisParams params;
  params.operator_mode = OperatorMode;
  params.screen_width = context_.screen_width;
  // Without the console the interval is the one a test always uses.
  params.interval_text = expert != nullptr ? expert->le_Interval->text().toStdString() : "8";
  params.peak_threshold = PeakThreshold;
  params.active_language = context_.active_language;
  params.continue_ticked = expert != nullptr && expert->cb_Continue->isChecked();

  const AnalysisResult result = RunAnalysis(context_.timeline, params);

  if (expert != nullptr) expert->AxisMemo->setPlainText(Lines(result.axis_log));
  if (result.enable_zoom) EnableZoomControls(true);
  if (result.algorithms && expert != nullptr) {
    const auto pages = AlgorithmPages(*expert);
    for (std::size_t k = 0; k < pages.size(); ++k) {
      const AlgorithmOutput& output = (*result.algorithms)[k];
      pages[k].d_label->setText(QString::fromStdString(output.d_label));
      pages[k].score_label->setText(QString::fromStdString(output.score_label));
      pages[k].memo->setPlainText(Lines(output.memo));
    }
  }
  if (const char* key = VerdictMessageKey(result.verdict)) {
    context_.prompter->MessageBox(context_.Text(key), context_.application_title, MsgButtons::Ok,
                                  MsgIcon::None);
  }
  if (result.score) ApplyScore(*result.score);
}

void TMainForm::ApplyScore(const ScoreResult& score) {
  EnableZoomControls(true);
  DifferenceValue = score.difference_value;

  lb_Score->setText(QString::fromStdString(score.score_caption));
  lb_ScoreA->setText(QString::fromStdString(score.grade));
  QFont advice_font = lb_Suggest->font();
  advice_font.setPointSize(score.advice_font_size);
  lb_Suggest->setFont(advice_font);
  lb_Suggest->setText(QString::fromStdString(context_.Text(score.advice_key)));

  // With the font, pen and brush the wave plot left on the canvas.
  ImageXY->Canvas().TextOut(score.caption_x, score.caption_y,
                            context_.Text("PaintDifference") + score.difference_caption);
  ImageXY->update();

  TExpert* expert = context_.windows.Expert;
  if (score.summary_line && expert != nullptr) {
    expert->TotamMemo->appendPlainText(QString::fromStdString(*score.summary_line));
  }
  if (score.start_next_test) StartNextTestWhenCaptureEnded();
}

// The finished capture hands its completion over while it still holds the
// capture device; the next test opens the device only once that thread is
// gone. An operator who has started or left since is not overruled.
void TMainForm::StartNextTestWhenCaptureEnded() {
  const auto start_if_idle = [this] {
    if (tb_Record->isEnabled()) mm_RecordClick();
  };
  if (CurrentTestThread.isNull()) {
    start_if_idle();
    return;
  }
  connect(CurrentTestThread.data(), &QObject::destroyed, this, start_if_idle, Qt::QueuedConnection);
}

}  // namespace mqt
