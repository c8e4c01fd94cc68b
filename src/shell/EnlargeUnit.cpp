#include "shell/EnlargeUnit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/settings.h"
#include "shell/switch_off_setting.h"

namespace mqt {

namespace {

constexpr int kClientWidth = 553;
constexpr int kClientHeight = 271;

}  // namespace

TEnlargeForm::TEnlargeForm(const FormContext& context, Settings& settings, Prompter& prompter,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), prompter_(prompter) {
  setObjectName("EnlargeForm");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setModal(false);
  setFixedSize(kClientWidth, kClientHeight);
  // One title for both small dialogs.
  setWindowTitle(context.Text("AlarmForm->Caption"));

  ImageCom = new QLabel(this);
  ImageCom->setObjectName("ImageCom");
  ImageCom->setGeometry(0, 0, kClientWidth, 230);

  cb_NoHint = new QCheckBox(context.Text("MsgNoHint"), this);
  cb_NoHint->setObjectName("cb_NoHint");
  cb_NoHint->setGeometry(104, 237, 177, 17);
  cb_NoHint->adjustSize();
  cb_NoHint->move(104, 237);

  bt_OK = new QPushButton(context.Text("MsgClose"), this);
  bt_OK->setObjectName("bt_OK");
  bt_OK->setGeometry(328, 236, 75, 25);
  QFont font = bt_OK->font();
  font.setPixelSize(13);
  bt_OK->setFont(font);
  bt_OK->setDefault(true);
  connect(bt_OK, &QPushButton::clicked, this, &TEnlargeForm::bt_OKClick);

  ImageCom->setPixmap(context.load_picture(
      context.ResPath(QString::fromStdString(context.language) + QStringLiteral("Enlarge.bmp"))));

  // Centred across the screen only; the caller places it vertically.
  move(CentredOffset(context.Screen().width(), width()), y());
}

bool TEnlargeForm::ShowUnlessSwitchedOff(int image_screen_top, int image_height) {
  if (IsSwitchedOff(settings_, "NoHint")) return false;
  show();
  move(x(), image_screen_top + image_height - frameGeometry().height() - 3);
  return true;
}

// The box keeps its state between showings; only OK with it ticked stores
// the choice.
void TEnlargeForm::bt_OKClick() {
  if (cb_NoHint->isChecked() &&
      !StoreSwitchOff(settings_, prompter_, "NoHint", windowTitle().toStdString())) {
    return;
  }
  accept();
}

}  // namespace mqt
