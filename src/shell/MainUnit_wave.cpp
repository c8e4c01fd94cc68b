// The plot on ImageXY: frame, bars, the web-site label, the report-rate
// panel's place, zoom, scrolling and saving the picture.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QScrollBar>
#include <QThread>

#include "capture/ExpertUnit.h"
#include "display/image_saving.h"
#include "display/plot_environment.h"
#include "display/wave_plot.h"
#include "display/wave_range.h"
#include "display/zoom_cursors.h"
#include "display/zoom_scroll_bar.h"
#include "display/zoomed_wave.h"
#include "platform/prompter.h"
#include "shell/EnlargeUnit.h"
#include "shell/MainUnit.h"
#include "shell/form_controls.h"
#include "shell/station_context.h"

namespace mqt {

namespace {

int WaveRangeIndex(const StationContext& context) {
  const TExpert* expert = context.windows.Expert;
  return expert != nullptr ? expert->cb_WaveRange->currentIndex() : 0;
}

}  // namespace

PlotEnvironment TMainForm::WavePlotEnvironment() const {
  PlotEnvironment environment;
  environment.screen_width = context_.screen_width;
  environment.active_language = context_.active_language;
  environment.paint_axis_x = context_.Text("PaintAxisX");
  environment.paint_axis_y = context_.Text("PaintAxisY");
  environment.paint_difference = context_.Text("PaintDifference");
  return environment;
}

// Clears the picture at the image's present size and draws the frame.
void TMainForm::DrawAxes(const std::string& upper, const std::string& lower) {
  ImageXY->FitCanvas();
  mqt::DrawAxes(ImageXY->Canvas(), upper, lower, WavePlotEnvironment());
  const PanelPosition place = WebSiteLabelPosition(context_.screen_width);
  lb_WebSite->move(place.left, place.top);
  lb_WebSite->setText(QString::fromStdString(context_.Text("PaintWeb")));
  lb_WebSite->adjustSize();
  lb_WebSite->show();
  lb_WebSite->raise();
  ImageXY->update();
}

void TMainForm::DrawRangeAxes() {
  const std::optional<WaveRangeRow> row = WaveRangeAt(WaveRangeIndex(context_));
  if (row) DrawAxes(std::string(row->upper_label), std::string(row->lower_label));
}

void TMainForm::DrawWave() {
  mqt::DrawWave(ImageXY->Canvas(), context_.timeline, WaveRangeIndex(context_));
  ImageXY->update();
}

void TMainForm::DrawRealtimeBars(int x, int X, int Y) {
  DrawBars(ImageXY->Canvas(), x, X, Y);
  ImageXY->update(x, 0, 1, ImageXY->height());
}

void TMainForm::cb_WaveRangeChange() {
  DrawRangeAxes();
  DrawWave();
  pn_MouseRate->move(ImageXY->x() + ImageXY->width() - pn_MouseRate->width(),
                     ImageXY->y() + ImageXY->height() - pn_MouseRate->height());
  pn_MouseRate->show();
  pn_MouseRate->raise();
}

void TMainForm::DrawZoomedWave(int first_entry) {
  mqt::DrawZoomedWave(ImageXY->Canvas(), context_.timeline, first_entry, ZoomView.zoom_factor(),
                      DifferenceValue, WavePlotEnvironment());
  ImageXY->update();
}

void TMainForm::ApplyZoomRedraw(const WaveView::Redraw& redraw) {
  // Setting the scroll bar may itself redraw through HScrollBarXYChange; the
  // redraw below is the one every zoom step makes.
  SetZoomScrollBar(*HScrollBarXY, CGauge->geometry(), redraw.scroll_bar);
  DrawZoomedWave(redraw.first_entry);
}

void TMainForm::ImageXYClick() {
  const auto redraw = ZoomView.Click(ImageXY->LastClickPos().x(), HScrollBarXY->value(),
                                     context_.timeline.sample_count, ImageXY->width());
  if (redraw) ApplyZoomRedraw(*redraw);
}

void TMainForm::mm_ZoomInClick() {
  ZoomView.SelectTool(ZoomTool::kZoomIn);
  ImageXY->setCursor(ZoomToolCursor(ZoomTool::kZoomIn));
  if (TEnlargeForm* hint = context_.windows.EnlargeForm) {
    hint->ShowUnlessSwitchedOff(ImageXY->mapToGlobal(QPoint(0, 0)).y(), ImageXY->height());
  }
}

void TMainForm::mm_ZoomOutClick() {
  ZoomView.SelectTool(ZoomTool::kZoomOut);
  ImageXY->setCursor(ZoomToolCursor(ZoomTool::kZoomOut));
  // Takes the focus off the toolbar button and back to the plot, so the
  // shortcut keys act on the plot again.
  ToolBar1->setFocus();
  QApplication::processEvents();
  QThread::msleep(10);
  MainPanel->setFocus();
}

void TMainForm::mm_FitToScreenClick() {
  ImageXY->setCursor(ZoomToolCursor(ZoomTool::kNone));
  ApplyZoomRedraw(ZoomView.FitToScreen(context_.timeline.sample_count));
}

void TMainForm::mm_SaveAsClick() {
  if (context_.save_dialog == nullptr) return;
  const SaveImageResult saved = SaveImageAs(ImageXY->Picture(), *context_.save_dialog);
  if (saved.outcome == SaveImageResult::Outcome::kFailed) {
    context_.prompter->MessageBox(saved.error, context_.application_title, MsgButtons::Ok,
                                  MsgIcon::Error);
  }
}

void TMainForm::HScrollBarXYChange() {
  DrawZoomedWave(HScrollBarXY->value());
  ToolBar1->setFocus();
}

}  // namespace mqt
