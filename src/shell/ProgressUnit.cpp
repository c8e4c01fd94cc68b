#include "shell/ProgressUnit.h"

#include <QLabel>
#include <QPalette>
#include <QTimer>

#include "shell/dialog_window_proc.h"
#include "shell/progress_dots.h"
#include "shell/station_context.h"

namespace mqt {

TProgressForm::TProgressForm(StationContext& context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      context_(context) {
  setObjectName("ProgressForm");
  InstallDialogWindowProc(this);

  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::blue);
  setPalette(pal);
  setAutoFillBackground(true);

  const BannerGeometry g =
      BannerGeometryFor(context_.active_language, context_.screen_width, context_.screen_height);

  lb_Progress = new QLabel(this);
  lb_Progress->setObjectName("lb_Progress");
  lb_Progress->setWordWrap(true);
  lb_Progress->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont font("MS Sans Serif");
  font.setPixelSize(24);
  font.setBold(true);
  lb_Progress->setFont(font);
  QPalette label_pal = lb_Progress->palette();
  label_pal.setColor(QPalette::WindowText, QPalette().color(QPalette::Base));
  lb_Progress->setPalette(label_pal);
  lb_Progress->setGeometry(16, 16, g.label_width, 57);

  setGeometry(g.left, g.top, g.form_width, g.form_height);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(300);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();
}

// Runs for the whole run, shown or not.
void TProgressForm::Timer1Timer() {
  const BannerTick tick = ProgressTick(Message, Animated != 0, DotCount, lb_Progress->width());
  lb_Progress->setText(QString::fromStdString(tick.caption));
  if (tick.form_width >= 0) resize(tick.form_width, height());
}

}  // namespace mqt
