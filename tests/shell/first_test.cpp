#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <map>

#include "shell/First.h"
#include "shell_fakes.h"

using namespace mqt;
using namespace mqt::testing;

namespace {

// Pictures made in memory; every load is counted by file name.
struct Pictures {
  std::map<QString, int> loads;
  QStringList paths;
  bool uniform_background = false;

  QPixmap Load(const QString& path) {
    paths << path;
    const QString name = QFileInfo(path).fileName();
    ++loads[name];
    if (name == "Main.bmp") {
      QPixmap p(622, 478);
      p.fill(Qt::magenta);
      if (uniform_background) return p;
      QPainter painter(&p);
      painter.fillRect(QRect(20, 30, 580, 420), QColor(20, 40, 90));
      // Corner colour inside the outline stays part of the window.
      painter.fillRect(QRect(100, 100, 50, 50), Qt::magenta);
      return p;
    }
    QPixmap p(104, 40);
    p.fill(name.endsWith("1.bmp") ? Qt::yellow : Qt::gray);
    return p;
  }
};

struct Splash {
  Pictures pictures;
  FakePrompter prompter;
  FakeRunner runner;
  int enters = 0;
  std::string app_title;
  QSize screen{1024, 768};
  std::unique_ptr<TFirstForm> form;

  explicit Splash(QSize screen_size = {1024, 768}, bool uniform_background = false)
      : screen(screen_size) {
    pictures.uniform_background = uniform_background;
    FormContext context;
    context.text = KeyText;
    context.language = "ChineseT";
    context.res_folder = "/opt/station/res";
    context.screen_size = [this] { return screen; };
    context.load_picture = [this](const QString& path) { return pictures.Load(path); };
    form = std::make_unique<TFirstForm>(
        context,
        TFirstForm::Services{
            prompter, runner, [](std::string_view p) { return "/opt/station/" + std::string(p); },
            [this] { ++enters; }, [this](const std::string& t) { app_title = t; }});
  }

  static void Move(QWidget* over) {
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(over, &e);
  }
};

}  // namespace

class FirstTest : public QObject {
  Q_OBJECT
 private slots:
  void ConstructionLoadsTheLanguagesPicturesAndStartsTheListingScript() {
    Splash s;
    QCOMPARE(s.pictures.paths, (QStringList{"/opt/station/res/ChineseT/Main.bmp",
                                            "/opt/station/res/ChineseT/enter.bmp",
                                            "/opt/station/res/ChineseT/exit.bmp"}));
    QCOMPARE(s.runner.runs.size(), 1u);
    QCOMPARE(s.runner.runs[0].command_line, std::string("\"/opt/station/.\\Tool\\GetList.bat\""));
    QVERIFY(s.runner.runs[0].hidden);
    QCOMPARE(s.form->windowTitle(), QString("<FirstForm->Caption>"));
    QCOMPARE(s.app_title, std::string("<FirstForm->Caption>"));
    // Centred by the designed size, then sized to the background picture.
    QCOMPARE(s.form->pos(), QPoint((1024 - 621) / 2, (768 - 481) / 2));
    QCOMPARE(s.form->size(), QSize(622, 478));
    QCOMPARE(s.form->ImageEnter->geometry(), QRect(203, 288, 104, 40));
    QCOMPARE(s.form->ImageExit->geometry(), QRect(319, 288, 104, 40));
  }

  void MissingPictureStopsConstruction() {
    QTemporaryDir empty;
    FakePrompter prompter;
    FakeRunner runner;
    FormContext context;
    context.language = "English";
    context.res_folder = empty.path();
    bool thrown = false;
    try {
      TFirstForm form(context, {prompter, runner, {}, {}, {}});
    } catch (const PictureFileError& e) {
      thrown = QString(e.what()).contains("English/Main.bmp");
    }
    QVERIFY(thrown);
  }

  void EnterByScreenWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("entered");
    QTest::newRow("799 refused") << 799 << "<MsgResoulationA>" << false;
    QTest::newRow("800 warned, then entered") << 800 << "<MsgResoulationB>" << true;
    QTest::newRow("1024 entered silently") << 1024 << "" << true;
  }
  void EnterByScreenWidth() {
    QFETCH(int, width);
    QFETCH(QString, message);
    QFETCH(bool, entered);
    Splash s({width, 600});
    QTimer::singleShot(0, s.form.get(),
                       [&] { QTest::mouseClick(s.form->ImageEnter, Qt::LeftButton); });
    const int result = s.form->exec();

    QCOMPARE(result, entered ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(s.form->Entered(), entered);
    QCOMPARE(s.enters, entered ? 1 : 0);
    QVERIFY(!s.form->isVisible());
    if (message.isEmpty()) {
      QVERIFY(s.prompter.boxes.empty());
    } else {
      QCOMPARE(s.prompter.boxes.size(), 1u);
      QCOMPARE(QString::fromStdString(s.prompter.boxes[0].text), message);
      QCOMPARE(s.prompter.boxes[0].caption, std::string("<FirstForm->Caption>"));
      QCOMPARE(s.prompter.boxes[0].icon, MsgIcon::None);
    }
  }

  // Every way out but Enter leaves the program unconfirmed, so it ends.
  void AnyOtherWayOutDoesNotEnter_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Exit picture") << 0;
    QTest::newRow("window closed (Alt+F4)") << 1;
    QTest::newRow("Escape key") << 2;
  }
  void AnyOtherWayOutDoesNotEnter() {
    QFETCH(int, way);
    Splash s;
    QTimer::singleShot(0, s.form.get(), [&] {
      if (way == 0) QTest::mouseClick(s.form->ImageExit, Qt::LeftButton);
      if (way == 1) s.form->close();
      if (way == 2) QTest::keyClick(s.form.get(), Qt::Key_Escape);
    });
    QCOMPARE(s.form->exec(), int(QDialog::Rejected));
    QVERIFY(!s.form->Entered());
    QCOMPARE(s.enters, 0);
    QVERIFY(s.prompter.boxes.empty());
  }

  void PressOnEnterReleasedElsewhereIsNoClick() {
    Splash s;
    QTest::mousePress(s.form->ImageEnter, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s.form->ImageEnter, Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(s.enters, 0);
  }

  void RegionIsBuiltOnceFromTheBackground() {
    Splash s;
    QVERIFY(s.form->ShapePending());
    s.form->show();
    QVERIFY(!s.form->ShapePending());
    const QRegion mask = s.form->mask();
    QCOMPARE(mask.boundingRect(), QRect(QPoint(20, 30), QPoint(598, 448)));
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(mask.contains(QPoint(120, 120)));   // corner colour inside the outline
    QVERIFY(!mask.contains(QPoint(599, 200)));  // the last opaque column is left out

    // Later showings and activations leave the region alone.
    s.form->clearMask();
    s.form->hide();
    s.form->show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(s.form.get(), &activate);
    QVERIFY(s.form->mask().isEmpty());
    s.form->hide();
  }

  // A picture all of one colour has no outline; the window keeps its
  // rectangle rather than vanish while it waits, modal, for Enter or Exit.
  void UniformBackgroundKeepsTheWindowVisible() {
    Splash s({1024, 768}, true);
    s.form->show();
    QVERIFY(!s.form->ShapePending());
    QVERIFY(s.form->mask().isEmpty());
    QVERIFY(s.form->isVisible());
    s.form->hide();
  }

  void HoverLoadsAPictureOnlyWhenTheStateChanges() {
    Splash s;
    s.pictures.loads.clear();

    Splash::Move(s.form->ImageEnter);
    Splash::Move(s.form->ImageEnter);
    Splash::Move(s.form->ImageEnter);
    QCOMPARE(s.pictures.loads["enter1.bmp"], 1);
    QVERIFY(s.form->EnterLit());

    // Straight from one button onto the other: the first stays lit.
    Splash::Move(s.form->ImageExit);
    Splash::Move(s.form->ImageExit);
    QCOMPARE(s.pictures.loads["exit1.bmp"], 1);
    QVERIFY(s.form->EnterLit());
    QVERIFY(s.form->ExitLit());

    // The background puts both back, once.
    Splash::Move(s.form->SplashImage);
    Splash::Move(s.form->SplashImage);
    QCOMPARE(s.pictures.loads["enter.bmp"], 1);
    QCOMPARE(s.pictures.loads["exit.bmp"], 1);
    QVERIFY(!s.form->EnterLit());
    QVERIFY(!s.form->ExitLit());
    QCOMPARE(s.pictures.loads.size(), 4u);
  }

  void MissingHoverPictureIsShownAndTheWindowStays() {
    // The lit Enter picture cannot be opened.
    FormContext context;
    FakePrompter prompter;
    FakeRunner runner;
    context.text = KeyText;
    context.language = "English";
    context.screen_size = [] { return QSize(1024, 768); };
    Pictures pictures;
    int failed_loads = 0;
    context.load_picture = [&](const QString& path) {
      if (path.endsWith("enter1.bmp")) {
        ++failed_loads;
        throw PictureFileError(path);
      }
      return pictures.Load(path);
    };
    TFirstForm form(context, {prompter, runner, {}, {}, {}});
    form.show();
    Splash::Move(form.ImageEnter);
    Splash::Move(form.ImageEnter);
    QCOMPARE(failed_loads, 1);
    QCOMPARE(prompter.boxes.size(), 1u);
    QCOMPARE(prompter.boxes[0].icon, MsgIcon::Error);
    QVERIFY(form.isVisible());
    form.hide();
  }

  void DraggingTheBackgroundMovesTheWindow() {
    Splash s;
    s.form->show();
    const QPoint start = s.form->pos();
    const QPoint grab = s.form->mapToGlobal(QPoint(50, 50));
    s.form->SplashImageMouseDown(grab);
    QMouseEvent drag(QEvent::MouseMove, QPointF(60, 70), QPointF(grab + QPoint(10, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.form->SplashImage, &drag);
    QCOMPARE(s.form->pos(), start + QPoint(10, 20));
    s.form->hide();
  }
};

QTEST_MAIN(FirstTest)
#include "first_test.moc"
