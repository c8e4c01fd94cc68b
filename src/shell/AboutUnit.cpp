#include "shell/AboutUnit.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "platform/shell_opener.h"

namespace mqt {

namespace {

// Extra width for the longer product names of these languages.
int ExtraWidth(const std::string& language) {
  if (language == "German") return 15;
  if (language == "Russia") return 140;
  return 0;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(const FormContext& context, ShellOpener& shell, QWidget* parent)
    : QDialog(parent), shell_(shell) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  const int extra = ExtraWidth(context.language);
  setFixedSize(355 + extra, 179);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setGeometry(8, 8, 339 + extra, 163);

  ProductName = MakeLabel(this, "ProductName", "Product Name", 16, 8);
  Version = MakeLabel(this, "Version", "Version", 16, 48);
  Copyright = MakeLabel(this, "Copyright", "Copyright", 16, 88);
  Comments = MakeLabel(this, "Comments", "Comments", 16, 128);

  lb_ProductName = MakeLabel(this, "lb_ProductName", context.Text("FirstForm->Caption"), 32, 24);
  lb_ProductName->setFixedSize(313 + extra, 25);
  QFont name_font = lb_ProductName->font();
  name_font.setBold(true);
  lb_ProductName->setFont(name_font);

  lb_Version = MakeLabel(this, "lb_Version", context.Text("Version"), 37, 64);
  lb_CopyRight = MakeLabel(this, "lb_CopyRight", context.Text("CopyRight"), 37, 104);

  web_ = context.Text("PaintWeb");
  lb_Web = MakeLabel(this, "lb_Web", web_, 32, 144);
  lb_Web->setFixedSize(257, 13);
  lb_Web->setCursor(Qt::PointingHandCursor);
  QFont web_font = lb_Web->font();
  web_font.setUnderline(true);
  lb_Web->setFont(web_font);
  QPalette web_palette = lb_Web->palette();
  web_palette.setColor(QPalette::WindowText, Qt::blue);
  lb_Web->setPalette(web_palette);
  lb_Web->installEventFilter(this);

  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(247, 108, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::OKButtonClick() { accept(); }

void TAboutBox::lb_WebClick() { shell_.Open(web_.toStdString()); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* e) {
  if (watched == lb_Web && e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    lb_WebClick();
    return true;
  }
  return QDialog::eventFilter(watched, e);
}

}  // namespace mqt
