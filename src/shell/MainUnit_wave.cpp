// The plot on ImageXY: frame, bars, the web-site label and the report-rate
// panel's place. Zoom, scrolling and saving are still to come.
#include <QComboBox>
#include <QFrame>

#include "capture/ExpertUnit.h"
#include "display/plot_environment.h"
#include "display/wave_plot.h"
#include "display/wave_range.h"
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

void TMainForm::ImageXYClick() {}

void TMainForm::mm_ZoomInClick() {}

void TMainForm::mm_ZoomOutClick() {}

void TMainForm::mm_FitToScreenClick() {}

void TMainForm::mm_SaveAsClick() {}

void TMainForm::HScrollBarXYChange() {}

}  // namespace mqt
