#include "shell/AlarmUnit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/settings.h"
#include "shell/switch_off_setting.h"

namespace mqt {

namespace {

constexpr int kClientWidth = 487;
constexpr int kClientHeight = 229;

void SetPixelFont(QWidget* widget, int pixels) {
  QFont font = widget->font();
  font.setPixelSize(pixels);
  widget->setFont(font);
}

}  // namespace

TAlarmForm::TAlarmForm(const FormContext& context, Settings& settings, Prompter& prompter,
                       QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter) {
  setObjectName("AlarmForm");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setWindowTitle(context.Text("AlarmForm->Caption"));

  ImageCom = new QLabel(this);
  ImageCom->setObjectName("ImageCom");
  ImageCom->setGeometry(0, 0, kClientWidth, 129);

  lb_Alarm = new QLabel(context.Text("MsgCertainDriver"), this);
  lb_Alarm->setObjectName("lb_Alarm");
  lb_Alarm->setGeometry(24, 136, 441, 49);
  lb_Alarm->setWordWrap(true);
  lb_Alarm->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetPixelFont(lb_Alarm, 13);

  cb_NoPolling = new QCheckBox(context.Text("MsgNoPolling"), this);
  cb_NoPolling->setObjectName("cb_NoPolling");
  cb_NoPolling->setGeometry(64, 184, 185, 17);
  cb_NoPolling->setMinimumHeight(17);
  cb_NoPolling->adjustSize();
  cb_NoPolling->move(64, 184);

  bt_OK = new QPushButton(context.Text("MsgOK"), this);
  bt_OK->setObjectName("bt_OK");
  bt_OK->setGeometry(320, 192, 75, 25);
  SetPixelFont(bt_OK, 13);
  bt_OK->setDefault(true);
  connect(bt_OK, &QPushButton::clicked, this, &TAlarmForm::bt_OKClick);

  ImageCom->setPixmap(context.load_picture(
      context.ResPath(QString::fromStdString(context.language) + QStringLiteral("com.bmp"))));

  const QSize screen = context.Screen();
  move(CentredOffset(screen.width(), width()), CentredOffset(screen.height(), height()));
}

bool TAlarmForm::ShowUnlessSwitchedOff() {
  if (IsSwitchedOff(settings_, "NoPolling")) return false;
  exec();
  return true;
}

void TAlarmForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  bt_OK->setFocus();
}

// Only OK with the box ticked switches the warning off; the close button
// leaves it on for the next start.
void TAlarmForm::bt_OKClick() {
  if (cb_NoPolling->isChecked() &&
      !StoreSwitchOff(settings_, prompter_, "NoPolling", windowTitle().toStdString())) {
    return;
  }
  accept();
}

}  // namespace mqt
