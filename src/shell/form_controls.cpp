#include "shell/form_controls.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mqt {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

// A click is a press and a release of the left button over the picture.
void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) {
    last_click_ = event->position().toPoint();
    emit Click();
  }
  QWidget::mouseReleaseEvent(event);
}

TWaveImage::TWaveImage(QWidget* parent) : QWidget(parent) {}

QImageCanvas& TWaveImage::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<QImageCanvas>(size());
  return *canvas_;
}

void TWaveImage::FitCanvas() {
  if (!canvas_ || canvas_->image().size() != size()) Canvas().Resize(size());
}

QImage TWaveImage::Picture() const { return canvas_ ? canvas_->image() : QImage(); }

void TWaveImage::paintEvent(QPaintEvent*) {
  if (!canvas_) return;
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_->image());
}

void TWaveImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void TWaveImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) {
    last_click_ = event->position().toPoint();
    emit Click();
  }
  QWidget::mouseReleaseEvent(event);
}

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit Click();
  QLabel::mouseReleaseEvent(event);
}

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

void TGauge::SetMinValue(int value) {
  min_ = value;
  if (max_ < min_) max_ = min_;
  update();
}

void TGauge::SetMaxValue(int value) {
  max_ = value;
  if (min_ > max_) min_ = max_;
  update();
}

void TGauge::SetProgress(int value) {
  progress_ = value;
  update();
}

void TGauge::SetColors(const QColor& back, const QColor& fore) {
  back_ = back;
  fore_ = fore;
  update();
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  const long long span = static_cast<long long>(max_) - min_;
  long long done = static_cast<long long>(progress_) - min_;
  if (done < 0) done = 0;
  if (done > span) done = span;
  const int percent = span > 0 ? static_cast<int>(done * 100 / span) : 0;
  const int bar = span > 0 ? static_cast<int>(done * width() / span) : 0;
  painter.fillRect(0, 0, bar, height(), fore_);
  painter.setPen(Qt::white);
  painter.drawText(rect(), Qt::AlignCenter, QString::number(percent) + "%");
}

TToolBar::TToolBar(QWidget* parent) : QFrame(parent) {}

void TToolBar::Add(QWidget* control, int top) {
  items_.push_back({control, top});
  control->installEventFilter(this);
  Arrange();
}

void TToolBar::Arrange() {
  arranging_ = true;
  int left = 0;
  for (const Item& item : items_) {
    if (item.control->isHidden()) continue;
    item.control->move(left, item.top);
    left += item.control->width();
  }
  arranging_ = false;
}

bool TToolBar::eventFilter(QObject* watched, QEvent* event) {
  if (!arranging_ && (event->type() == QEvent::Resize || event->type() == QEvent::ShowToParent ||
                      event->type() == QEvent::HideToParent)) {
    Arrange();
  }
  return QFrame::eventFilter(watched, event);
}

TCoolBar::TCoolBar(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  band_label_ = new QLabel(this);
}

void TCoolBar::SetBand(const QString& text, QWidget* control) {
  band_control_ = control;
  control->setParent(this);
  SetBandText(text);
}

QString TCoolBar::BandText() const { return band_label_->text(); }

void TCoolBar::SetBandText(const QString& text) {
  band_label_->setText(text);
  ArrangeBand();
}

void TCoolBar::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  ArrangeBand();
}

// The band's text sits at its left edge, its control right after it.
void TCoolBar::ArrangeBand() {
  const int text_width = band_label_->sizeHint().width();
  band_label_->setGeometry(6, 0, text_width, height());
  if (band_control_ != nullptr) {
    const int h = band_control_->height();
    band_control_->move(6 + text_width + 4, (height() - h) / 2);
  }
}

}  // namespace mqt
