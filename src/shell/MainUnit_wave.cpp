// The plot: a plain black picture until the wave plot draws its frame and bars.
#include <QComboBox>
#include <QFrame>
#include <QImage>

#include "capture/ExpertUnit.h"
#include "shell/MainUnit.h"
#include "shell/form_controls.h"
#include "shell/station_context.h"

namespace mqt {

void TMainForm::DrawAxes(const std::string&, const std::string&) {
  QImage picture(ImageXY->size(), QImage::Format_RGB32);
  picture.fill(Qt::black);
  ImageXY->SetPicture(picture);
}

void TMainForm::DrawRangeAxes() {
  static const char* const kLimits[6][2] = {{"+127", "-128"},   {"+255", "-256"},
                                            {"+511", "-512"},   {"+1023", "-1024"},
                                            {"+2047", "-2048"}, {"+4095", "-4096"}};
  const TExpert* expert = context_.windows.Expert;
  const int index = expert != nullptr ? expert->cb_WaveRange->currentIndex() : 0;
  if (index < 0 || index > 5) return;
  DrawAxes(kLimits[index][0], kLimits[index][1]);
}

void TMainForm::DrawWave() {}

void TMainForm::cb_WaveRangeChange() {
  DrawRangeAxes();
  DrawWave();
  pn_MouseRate->move(ImageXY->x() + ImageXY->width() - pn_MouseRate->width(),
                     ImageXY->y() + ImageXY->height() - pn_MouseRate->height());
  pn_MouseRate->show();
}

void TMainForm::ImageXYClick() {}

void TMainForm::mm_ZoomInClick() {}

void TMainForm::mm_ZoomOutClick() {}

void TMainForm::mm_FitToScreenClick() {}

void TMainForm::mm_SaveAsClick() {}

void TMainForm::HScrollBarXYChange() {}

}  // namespace mqt
