#include "shell/First.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>
#include <QWindow>
#include <vector>

#include "platform/program_runner.h"
#include "platform/prompter.h"
#include "shell/Xwindowshape.h"

namespace mqt {

namespace {

// Size of the window as designed; centring uses it before the background
// picture gives the window its real size.
constexpr int kFormWidth = 621;
constexpr int kFormHeight = 481;

PixelGrid GridOf(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
  PixelGrid grid;
  grid.width = image.width();
  grid.height = image.height();
  grid.pixels.resize(static_cast<std::size_t>(grid.width) * static_cast<std::size_t>(grid.height));
  for (int y = 0; y < grid.height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < grid.width; ++x) {
      grid.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(grid.width) +
                  static_cast<std::size_t>(x)] = line[x] & 0xFFFFFFu;
    }
  }
  return grid;
}

QRegion RegionOf(const std::vector<RegionRect>& rects) {
  std::vector<QRect> qrects;
  qrects.reserve(rects.size());
  for (const auto& r : rects)
    qrects.emplace_back(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
  QRegion region;
  region.setRects(qrects.data(), static_cast<int>(qrects.size()));
  return region;
}

}  // namespace

TFirstForm::TFirstForm(FormContext context, Services services, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), services_(std::move(services)) {
  setObjectName("FirstForm");
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setModal(true);
  setMouseTracking(true);

  SplashImage = new QLabel(this);
  SplashImage->setObjectName("SplashImage");
  ImageEnter = new QLabel(this);
  ImageEnter->setObjectName("ImageEnter");
  ImageExit = new QLabel(this);
  ImageExit->setObjectName("ImageExit");
  for (QLabel* image : {SplashImage, ImageEnter, ImageExit}) {
    image->setMouseTracking(true);
    image->installEventFilter(this);
  }
  SplashImage->move(0, 0);
  ImageEnter->move(203, 288);
  ImageExit->move(319, 288);

  // The device list file is ready by the time the main window reads it.
  const std::string script = ".\\Tool\\GetList.bat";
  const std::string expanded = services_.expand_path ? services_.expand_path(script) : script;
  services_.runner.Start("\"" + expanded + "\"", /*hidden=*/true);

  SplashImage->setPixmap(Picture("Main.bmp"));
  SplashImage->adjustSize();
  ImageEnter->setPixmap(Picture("enter.bmp"));
  ImageEnter->adjustSize();
  ImageExit->setPixmap(Picture("exit.bmp"));
  ImageExit->adjustSize();

  const QSize screen = context_.Screen();
  move(CentredOffset(screen.width(), kFormWidth), CentredOffset(screen.height(), kFormHeight));

  title_ = context_.Text("FirstForm->Caption");
  setWindowTitle(title_);
  if (services_.set_application_title) services_.set_application_title(title_.toStdString());

  setFixedSize(SplashImage->size());
}

QPixmap TFirstForm::Picture(const QString& file) const {
  return context_.load_picture(
      context_.ResPath(QString::fromStdString(context_.language) + QLatin1Char('/') + file));
}

void TFirstForm::LoadHoverPicture(QLabel* target, const QString& file) {
  try {
    target->setPixmap(Picture(file));
    target->adjustSize();
  } catch (const PictureFileError& e) {
    services_.prompter.MessageBox(e.what(), title_.toStdString(), MsgButtons::Ok, MsgIcon::Error);
  }
}

void TFirstForm::ShowPlainMessage(std::string_view key) {
  services_.prompter.MessageBox(context_.Text(key).toStdString(), title_.toStdString(),
                                MsgButtons::Ok, MsgIcon::None);
}

// The outline is built once per run, before the window first appears, so the
// operator never sees the rectangle around it.
void TFirstForm::FormActivate() {
  if (!shape_pending_) return;
  shape_pending_ = false;
  const QRegion region = RegionOf(RegionFromBitmap(GridOf(SplashImage->pixmap())));
  // An empty region would hide a modal window the operator then cannot
  // leave; such a picture keeps its rectangle.
  if (!region.isEmpty()) setMask(region);
}

void TFirstForm::showEvent(QShowEvent* e) {
  FormActivate();
  QDialog::showEvent(e);
}

bool TFirstForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(e);
}

bool TFirstForm::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseMove: {
      const auto* me = static_cast<QMouseEvent*>(e);
      if (watched == ImageEnter) {
        ImageEnterMouseMove();
      } else if (watched == ImageExit) {
        ImageExitMouseMove();
      } else if (watched == SplashImage) {
        if (dragging_ && (me->buttons() & Qt::LeftButton)) {
          move(me->globalPosition().toPoint() - drag_offset_);
        }
        SplashImageMouseMove();
      }
      break;
    }
    case QEvent::MouseButtonPress: {
      const auto* me = static_cast<QMouseEvent*>(e);
      if (watched == SplashImage && me->button() == Qt::LeftButton) {
        SplashImageMouseDown(me->globalPosition().toPoint());
        return true;
      }
      break;
    }
    case QEvent::MouseButtonRelease: {
      const auto* me = static_cast<QMouseEvent*>(e);
      dragging_ = false;
      auto* label = qobject_cast<QLabel*>(watched);
      // A click is a release over the picture that was pressed.
      if (me->button() == Qt::LeftButton && label != nullptr &&
          label->rect().contains(me->position().toPoint())) {
        if (watched == ImageEnter) {
          ImageEnterClick();
          return true;
        }
        if (watched == ImageExit) {
          ImageExitClick();
          return true;
        }
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, e);
}

void TFirstForm::SplashImageMouseDown(const QPoint& global_pos) {
  // The window has no caption bar: the whole picture is its handle.
  QWindow* window = windowHandle();
  if (window != nullptr && window->startSystemMove()) return;
  dragging_ = true;
  drag_offset_ = global_pos - pos();
}

void TFirstForm::SplashImageMouseMove() {
  if (enter_lit_ == 1) {
    LoadHoverPicture(ImageEnter, "enter.bmp");
    enter_lit_ = 0;
  }
  if (exit_lit_ == 1) {
    LoadHoverPicture(ImageExit, "exit.bmp");
    exit_lit_ = 0;
  }
}

void TFirstForm::ImageEnterMouseMove() {
  if (enter_lit_ == 1) return;
  enter_lit_ = 1;
  LoadHoverPicture(ImageEnter, "enter1.bmp");
}

void TFirstForm::ImageExitMouseMove() {
  if (exit_lit_ == 1) return;
  exit_lit_ = 1;
  LoadHoverPicture(ImageExit, "exit1.bmp");
}

void TFirstForm::ImageEnterClick() {
  const int width = context_.Screen().width();
  if (width < 800) {
    ShowPlainMessage("MsgResoulationA");
    reject();
    return;
  }
  if (width == 800) ShowPlainMessage("MsgResoulationB");
  entered_ = true;
  if (services_.on_enter) services_.on_enter();
  accept();
}

void TFirstForm::ImageExitClick() { reject(); }

}  // namespace mqt
