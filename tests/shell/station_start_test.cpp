// Program start: the seven windows in their order, the exception display
// while they are created and during the run, and the second copy.
#include <QDir>
#include <QFrame>
#include <QTest>
#include <stdexcept>

#include "capture/ExpertUnit.h"
#include "platform/single_instance.h"
#include "shell/First.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/form_controls.h"
#include "shell/picture_file.h"
#include "shell/station_start.h"
#include "station_fakes.h"

namespace mqt {

namespace {

// An object whose event handler throws, as a platform call may.
struct Thrower : QObject {
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Cannot open c:\\DevList.txt");
    if (e->type() == QEvent::User + 1) throw 42;
    return QObject::event(e);
  }
};

}  // namespace

class StationStartTest : public QObject {
  Q_OBJECT
 private slots:
  void sevenWindowsInOrderThenTheLoop();
  void exceptionWhileCreatingEndsWithoutTheLoop_data();
  void exceptionWhileCreatingEndsWithoutTheLoop();
  void exceptionDuringTheRunIsShownAndTheRunGoesOn();
  void secondCopyIsRefused();
};

void StationStartTest::sevenWindowsInOrderThenTheLoop() {
  testing::FakeStation s;
  std::vector<std::string> looked_up;
  s.context.lookup = [&](const std::string& key) {
    looked_up.push_back(key);
    return std::string();
  };
  StationWindowSet windows;
  int loops = 0;
  const int code = StartStation(s.context, windows, [&] {
    ++loops;
    return 3;
  });
  QCOMPARE(code, 0);
  QCOMPARE(loops, 1);
  const StationWindows& w = s.context.windows;
  QVERIFY(w.MainForm && w.FirstForm && w.AboutBox && w.ProgressForm && w.AlarmForm && w.Expert &&
          w.EnlargeForm);
  QCOMPARE(w.MainForm, windows.MainForm.get());
  QVERIFY(windows.MainForm->isVisible());
  QVERIFY(windows.MainForm->windowState() & Qt::WindowMaximized);
  // The main window opened the language file before any window looked a text up.
  QCOMPARE(s.opened_language_files.size(), std::size_t{1});
  QVERIFY(!looked_up.empty());
  QCOMPARE(looked_up.front(), std::string("MainForm->Caption"));
  // The range list drives the main window.
  windows.Expert->cb_WaveRangeChange();
  QVERIFY(!windows.MainForm->pn_MouseRate->isHidden());
}

void StationStartTest::exceptionWhileCreatingEndsWithoutTheLoop_data() {
  QTest::addColumn<bool>("standard");
  QTest::newRow("platform error") << true;
  QTest::newRow("any other thrown object") << false;
}

void StationStartTest::exceptionWhileCreatingEndsWithoutTheLoop() {
  QFETCH(bool, standard);
  testing::FakeStation s;
  s.context.application_title = "Korvel MOUSE Moving Quality Test Program";
  // The splash window's background picture cannot be opened.
  s.context.load_picture = [&](const QString& path) -> QPixmap {
    if (path.endsWith("Main.bmp")) {
      if (standard) throw PictureFileError(path);
      throw 42;
    }
    return QPixmap(8, 8);
  };
  StationWindowSet windows;
  int loops = 0;
  QCOMPARE(StartStation(s.context, windows, [&] { return ++loops; }), 0);
  QCOMPARE(loops, 0);
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  if (standard) {
    QCOMPARE(s.prompter.messages[0].text,
             std::string(PictureFileError("/station/res/English/Main.bmp").what()));
  } else {
    QCOMPARE(s.prompter.messages[0].text, std::string());
  }
  QCOMPARE(s.prompter.messages[0].caption, s.context.application_title);
  QCOMPARE(s.prompter.messages[0].icon, MsgIcon::Error);
  QVERIFY(!windows.MainForm->isVisible());
}

void StationStartTest::exceptionDuringTheRunIsShownAndTheRunGoesOn() {
  auto* app = static_cast<StationApplication*>(QCoreApplication::instance());
  std::vector<std::string> shown;
  app->SetExceptionDisplay([&](const std::string& message) { shown.push_back(message); });
  Thrower thrower;
  QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
  QCoreApplication::sendPostedEvents(&thrower);
  QCOMPARE(shown, (std::vector<std::string>{"Cannot open c:\\DevList.txt", ""}));
  app->SetExceptionDisplay(nullptr);
}

void StationStartTest::secondCopyIsRefused() {
  const QByteArray folder = QDir::tempPath().toUtf8() + "/mqt-start-test-" +
                            QByteArray::number(QCoreApplication::applicationPid()) + "/";
  QDir().mkpath(QString::fromUtf8(folder));
  SingleInstance first(kStationMutexName, folder.toStdString());
  QVERIFY(!first.already_exists());
  SingleInstance second(kStationMutexName, folder.toStdString());
  QVERIFY(second.already_exists());

  testing::ScriptedPrompter prompter;
  QCOMPARE(RefuseSecondCopy(prompter), -1);
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(prompter.messages[0].text, std::string("Program had been start"));
  QCOMPARE(prompter.messages[0].caption, std::string("Verify"));
  QCOMPARE(prompter.messages[0].icon, MsgIcon::Error);
  QCOMPARE(prompter.messages[0].buttons, MsgButtons::Ok);
  QDir(QString::fromUtf8(folder)).removeRecursively();
}

}  // namespace mqt

int main(int argc, char** argv) {
  mqt::StationApplication app(argc, argv);
  mqt::StationStartTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "station_start_test.moc"
