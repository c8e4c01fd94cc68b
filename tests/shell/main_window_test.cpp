// Window tests of the main window without a capture: construction, settings,
// control states, commands, hidden functions and device changes.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "capture/ExpertUnit.h"
#include "platform/device_change_event.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"
#include "shell/form_controls.h"
#include "test_station.h"

namespace mqt {
namespace {

using Station = testing::TestStation;

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void controlsMenuAndTimersAsCreated();
  void settingsChooseLanguageRealtimeAndMode_data();
  void settingsChooseLanguageRealtimeAndMode();
  void toolbarFlowsAndWidensAt120Dpi();
  void realtimeDisplayToggleIsRemembered();
  void busyAndIdleControlStates();
  void hiddenFunctions_data();
  void hiddenFunctions();
  void peakValueNotAWholeNumberKeepsTheOldValue();
  void hiddenKeysReachInvisibleItems();
  void recordRefusesAnUnlistedDevice_data();
  void recordRefusesAnUnlistedDevice();
  void recordBeforeStartUpTimersDoesNothing();
  void helpDocumentsAndWebLinks();
  void logoOpensConsoleInExpertModeOnly();
  void deviceChangeBurstRunsScriptOnceAndRebuildsOnce();
  void deviceChangeWaitsForDriverCheck();
};

void MainWindowTest::controlsMenuAndTimersAsCreated() {
  Station s;
  s.settings.values["Language"] = "ChineseT";  // keeps the Manual item
  s.Create();
  TMainForm& m = *s.main;

  struct Item {
    QAction* action;
    QKeySequence key;
    bool enabled;
    bool visible;
  };
  const Item items[] = {
      {m.mm_SaveAs, QKeySequence(Qt::Key_F2), true, true},
      {m.mm_Close, QKeySequence(), true, true},
      {m.mm_ZoomIn, QKeySequence(Qt::Key_Z), false, true},
      {m.mm_ZoomOut, QKeySequence(Qt::SHIFT | Qt::Key_Z), false, true},
      {m.mm_FitToScreen, QKeySequence(Qt::SHIFT | Qt::Key_F), false, true},
      {m.mm_Record, QKeySequence(Qt::Key_F9), false, true},
      {m.mm_Stop, QKeySequence(Qt::Key_F10), false, true},
      {m.mm_RealtimeDisplay, QKeySequence(), true, true},
      {m.mm_RemoveAdapter, QKeySequence(Qt::Key_F11), true, true},
      {m.mm_AppHelp, QKeySequence(), true, true},
      {m.mm_About, QKeySequence(), true, true},
      {m.mm_NB, QKeySequence(Qt::Key_F4), true, false},
      {m.mm_Advance, QKeySequence(Qt::Key_F5), true, false},
      {m.mm_Normal, QKeySequence(Qt::Key_F6), true, false},
  };
  for (const Item& item : items) {
    QVERIFY2(item.action != nullptr, "menu item missing");
    QCOMPARE(item.action->shortcut(), item.key);
    QCOMPARE(item.action->isVisible(), item.visible);
    // Qt reports an invisible item as disabled; its keys are tested on their own.
    if (item.visible) QCOMPARE(item.action->isEnabled(), item.enabled);
  }
  QVERIFY(m.mm_RealtimeDisplay->isChecked());
  QCOMPARE(m.MainMenu->actions().size(), 4);

  QVERIFY(!m.tb_Record->isEnabled());
  QVERIFY(!m.tb_Stop->isEnabled());
  QCOMPARE(m.tb_Stop->toolTip(), QString("Stop (F10)"));
  QVERIFY(!m.sb_ZoomIn->isEnabled() && !m.sb_Fit->isEnabled() && !m.sb_ZoomOut->isEnabled());
  QVERIFY(m.sb_SaveAs->isEnabled());
  QVERIFY(m.pn_MouseRate->isHidden());
  QVERIFY(m.HScrollBarXY->isHidden());
  QVERIFY(m.lb_WebSite->isHidden());
  QCOMPARE(m.lb_Score->text(), QString("---"));
  QCOMPARE(m.ed_ReportRate->text(), QString("0"));

  // Client area 1014 x 648: toolbar 29 on top, result panel 87 at the bottom,
  // the gauge 17 at the bottom of the plot, the picture filling the rest.
  QCOMPARE(m.centralWidget()->size(), QSize(1014, 648));
  QCOMPARE(m.ToolBar1->geometry(), QRect(0, 0, 1014, 29));
  QCOMPARE(m.CommPanel->geometry(), QRect(0, 561, 1014, 87));
  QCOMPARE(m.BackPanel->geometry(), QRect(0, 29, 1014, 532));
  QCOMPARE(m.CGauge->geometry(), QRect(0, 515, 1014, 17));
  QCOMPARE(m.ImageXY->geometry(), QRect(0, 0, 1014, 515));
  QCOMPARE(m.cb_Adapter->width(), 505);

  struct TimerSpec {
    QTimer* timer;
    int interval;
  };
  for (const TimerSpec& t : {TimerSpec{m.TimerMouCap, 1000}, TimerSpec{m.TimerAdapter, 1500},
                             TimerSpec{m.TimerRemoveDriver, 2000}, TimerSpec{m.TimerAlarm, 500},
                             TimerSpec{m.tm_MainFormOK, 1000}}) {
    QCOMPARE(t.timer->interval(), t.interval);
    QVERIFY(!t.timer->isActive());
  }
  QCOMPARE(m.NBMode, 0);
  QCOMPARE(m.EnterConfirmed, 0);
  QCOMPARE(m.DriverCheckBusy, 0);
  QCOMPARE(m.PeakThreshold, 10);
}

void MainWindowTest::settingsChooseLanguageRealtimeAndMode_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("real_display");
  QTest::addColumn<QString>("user");
  QTest::addColumn<QString>("active");
  QTest::addColumn<bool>("checked");

  QTest::newRow("nothing stored") << ""
                                  << ""
                                  << ""
                                  << "English" << true;
  QTest::newRow("blanks only") << "   "
                               << "1"
                               << ""
                               << "English" << true;
  QTest::newRow("leading blank kept") << " English"
                                      << "0"
                                      << "Expert"
                                      << " English" << false;
  QTest::newRow("German, other text") << "German"
                                      << "off"
                                      << "expert"
                                      << "German" << true;
  QTest::newRow("zero with blank") << "Russia"
                                   << "0 "
                                   << " Expert"
                                   << "Russia" << true;
}

void MainWindowTest::settingsChooseLanguageRealtimeAndMode() {
  QFETCH(QString, language);
  QFETCH(QString, real_display);
  QFETCH(QString, user);
  QFETCH(QString, active);
  QFETCH(bool, checked);
  Station s;
  if (!language.isEmpty()) s.settings.values["Language"] = language.toStdString();
  if (!real_display.isEmpty()) s.settings.values["RealDisplay"] = real_display.toStdString();
  if (!user.isEmpty()) s.settings.values["User"] = user.toStdString();
  s.texts["MainForm->Caption"] = "Mouse test";
  s.Create();

  QCOMPARE(QString::fromStdString(s.context.active_language), active);
  QCOMPARE(s.main->mm_RealtimeDisplay->isChecked(), checked);
  QCOMPARE(QString::fromStdString(s.main->OperatorMode), user);
  QCOMPARE(s.opened_language_files.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(s.opened_language_files[0].first),
           "/station/Lng\\" + active + ".lng");
  QCOMPARE(s.opened_language_files[0].second, std::string("Form"));
  QCOMPARE(s.main->windowTitle(), QString("Mouse test"));
  QVERIFY(s.settings.writes.empty());
}

void MainWindowTest::toolbarFlowsAndWidensAt120Dpi() {
  for (int dpi : {96, 120, 144}) {
    Station s;
    s.settings.values["Language"] = "ChineseT";  // keeps the form's widths
    s.context.logical_dpi = dpi;
    s.Create();
    const int extra = dpi == 120 ? 10 : 0;
    const int widths[] = {105, 88, 56, 64, 56, 96};
    QToolButton* buttons[] = {s.main->tb_Record, s.main->tb_Stop,    s.main->sb_ZoomIn,
                              s.main->sb_Fit,    s.main->sb_ZoomOut, s.main->sb_SaveAs};
    int left = 0;
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(buttons[i]->geometry(), QRect(left, 2, widths[i] + extra, 25));
      left += widths[i] + extra;
    }
    QCOMPARE(s.main->CoolBar1->x(), left);
  }
}

void MainWindowTest::realtimeDisplayToggleIsRemembered() {
  Station s;
  s.Create();
  QAction* item = s.main->mm_RealtimeDisplay;
  s.main->mm_RealtimeDisplayClick();
  QVERIFY(!item->isChecked());
  QCOMPARE(s.settings.values["RealDisplay"], std::string("0"));
  // Through the menu as the operator does it.
  item->trigger();
  QVERIFY(item->isChecked());
  QCOMPARE(s.settings.values["RealDisplay"], std::string("1"));
  QCOMPARE(s.settings.writes.size(), std::size_t{2});

  // The next start reads it back.
  Station again;
  again.settings.values["RealDisplay"] = "0";
  again.Create();
  QVERIFY(!again.main->mm_RealtimeDisplay->isChecked());

  // A setting that cannot be stored is said, and the choice holds for this run.
  again.settings.fail_writes = true;
  again.main->mm_RealtimeDisplayClick();
  QVERIFY(again.main->mm_RealtimeDisplay->isChecked());
  QCOMPARE(again.prompter.messages.size(), std::size_t{1});
  QCOMPARE(again.prompter.messages[0].text, std::string("Cannot store RealDisplay: disk full"));
}

void MainWindowTest::busyAndIdleControlStates() {
  Station s;
  s.Create();
  TMainForm& m = *s.main;
  s.Ready();
  // What the analysis leaves behind: zoom enabled, zoomed in, scroll bar shown.
  for (QAction* a : {m.mm_ZoomIn, m.mm_ZoomOut, m.mm_FitToScreen}) a->setEnabled(true);
  for (QToolButton* b : {m.sb_ZoomIn, m.sb_ZoomOut, m.sb_Fit}) b->setEnabled(true);
  m.ZoomView.SelectTool(ZoomTool::kZoomIn);
  QVERIFY(m.ZoomView.Click(500, 0, 900, m.ImageXY->width()));
  m.ImageXY->setCursor(Qt::CrossCursor);
  m.HScrollBarXY->show();
  m.ed_ReportRate->setText("125hz");
  m.mm_ReportRate->appendPlainText("125 hz");

  m.SetBusyControls();
  for (QAction* a : {m.mm_Record, m.mm_RealtimeDisplay, m.mm_RemoveAdapter, m.mm_ZoomIn,
                     m.mm_ZoomOut, m.mm_FitToScreen}) {
    QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{m.tb_Record, m.sb_SaveAs, m.cb_Adapter,
                                                    m.sb_ZoomIn, m.sb_ZoomOut, m.sb_Fit}) {
    QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
  }
  QVERIFY(m.tb_Stop->isEnabled() && m.mm_Stop->isEnabled());
  QVERIFY(m.pn_MouseRate->isHidden());
  QVERIFY(m.ed_ReportRate->text().isEmpty());
  QVERIFY(m.mm_ReportRate->toPlainText().isEmpty());
  QVERIFY(m.HScrollBarXY->isHidden());
  QCOMPARE(m.ZoomView.zoom_factor(), 1);
  QCOMPARE(m.ZoomView.tool(), ZoomTool::kNone);
  QCOMPARE(m.ImageXY->cursor().shape(), Qt::ArrowCursor);

  m.SetIdleControls();
  for (QAction* a : {m.mm_Record, m.mm_RealtimeDisplay, m.mm_RemoveAdapter}) {
    QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{m.tb_Record, m.sb_SaveAs, m.cb_Adapter}) {
    QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
  }
  QVERIFY(!m.tb_Stop->isEnabled() && !m.mm_Stop->isEnabled());
  QVERIFY(!m.pn_MouseRate->isHidden());
  // Left as they are: the analysis enables zoom again when it has a result.
  QVERIFY(!m.mm_ZoomIn->isEnabled() && !m.sb_ZoomIn->isEnabled());
  QVERIFY(m.HScrollBarXY->isHidden());
}

void MainWindowTest::hiddenFunctions_data() {
  QTest::addColumn<QString>("function");
  QTest::addColumn<QStringList>("answers");  // "<cancel>" stands for Cancel
  QTest::addColumn<int>("nb_mode");
  QTest::addColumn<int>("peak");
  QTest::addColumn<int>("inputs");

  QTest::newRow("NB right password") << "NB" << QStringList{"392"} << 1 << 10 << 1;
  QTest::newRow("NB wrong password") << "NB" << QStringList{"393"} << 0 << 10 << 1;
  QTest::newRow("NB password with blank") << "NB" << QStringList{"392 "} << 0 << 10 << 1;
  QTest::newRow("NB cancelled") << "NB" << QStringList{"<cancel>"} << 0 << 10 << 1;
  QTest::newRow("Advance sets 25") << "Advance" << QStringList{"392", "25"} << 0 << 25 << 2;
  QTest::newRow("Advance negative") << "Advance" << QStringList{"392", "-4"} << 0 << -4 << 2;
  QTest::newRow("Advance wrong password") << "Advance" << QStringList{"123"} << 0 << 10 << 1;
  QTest::newRow("Advance cancelled value")
      << "Advance" << QStringList{"392", "<cancel>"} << 0 << 10 << 2;
}

void MainWindowTest::hiddenFunctions() {
  QFETCH(QString, function);
  QFETCH(QStringList, answers);
  QFETCH(int, nb_mode);
  QFETCH(int, peak);
  QFETCH(int, inputs);
  Station s;
  s.Create();
  for (const QString& a : answers) {
    s.prompter.input_answers.push_back(a == "<cancel>" ? std::nullopt
                                                       : std::optional(a.toStdString()));
  }
  if (function == "NB") s.main->mm_NBClick();
  if (function == "Advance") s.main->mm_AdvanceClick();

  QCOMPARE(s.main->NBMode, nb_mode);
  QCOMPARE(s.main->PeakThreshold, peak);
  QCOMPARE(static_cast<int>(s.prompter.inputs.size()), inputs);
  QVERIFY(s.prompter.messages.empty());
  const auto& first = s.prompter.inputs[0];
  QCOMPARE(first.caption, std::string(function == "NB" ? "NB Test" : "Advance test"));
  QCOMPARE(first.prompt, std::string("Password"));
  QCOMPARE(first.initial, std::string());
  if (inputs == 2) {
    QCOMPARE(s.prompter.inputs[1].caption, std::string("peak value"));
    QCOMPARE(s.prompter.inputs[1].prompt, std::string("Now is 10"));
  }
}

void MainWindowTest::peakValueNotAWholeNumberKeepsTheOldValue() {
  Station s;
  s.Create();
  s.prompter.input_answers = {"392", "25", "392", "2.5", "392", "", "392", "30"};
  s.main->mm_AdvanceClick();
  s.main->mm_AdvanceClick();
  QCOMPARE(s.main->PeakThreshold, 25);
  QCOMPARE(s.prompter.inputs[3].prompt, std::string("Now is 25"));
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QCOMPARE(s.prompter.messages[0].text,
           std::string("\"2.5\" is not a whole number. The peak value stays 25."));
  s.main->mm_AdvanceClick();  // an empty answer is no number either
  QCOMPARE(s.main->PeakThreshold, 25);
  QCOMPARE(s.prompter.messages.size(), std::size_t{2});
  s.main->mm_AdvanceClick();
  QCOMPARE(s.main->PeakThreshold, 30);

  // A second NB changes nothing: NB mode stays on.
  s.prompter.input_answers = {"392", "0"};
  s.main->mm_NBClick();
  s.main->mm_NBClick();
  QCOMPARE(s.main->NBMode, 1);
}

void MainWindowTest::hiddenKeysReachInvisibleItems() {
  Station s;
  s.Create();
  s.main->show();
  s.main->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
  s.expert->le_Interval->setText("12");
  QVERIFY(s.expert->isHidden());

  s.prompter.input_answers = {"392"};
  QTest::keyClick(s.main.get(), Qt::Key_F4);
  QCOMPARE(s.main->NBMode, 1);
  QTest::keyClick(s.main.get(), Qt::Key_F5);  // no answer scripted: cancelled
  QCOMPARE(s.prompter.inputs.size(), std::size_t{2});
  QCOMPARE(s.prompter.inputs[1].caption, std::string("Advance test"));
  // F6 while the console is hidden.
  QTest::keyClick(s.main.get(), Qt::Key_F6);
  QCOMPARE(s.expert->le_Interval->text(), QString("8"));
}

void MainWindowTest::recordRefusesAnUnlistedDevice_data() {
  QTest::addColumn<QStringList>("entries");
  QTest::addColumn<QString>("typed");
  QTest::newRow("empty list") << QStringList{} << "";
  QTest::newRow("empty list, typed") << QStringList{} << "HID\\VID_0000&PID_0001\\SIMULATED";
  QTest::newRow("typed text not an entry")
      << QStringList{"HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse"} << "mouse";
  QTest::newRow("entry with a trailing blank")
      << QStringList{"HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse"}
      << "HID\\VID_0000&PID_0001\\SIMULATED  :  Simulated mouse ";
}

void MainWindowTest::recordRefusesAnUnlistedDevice() {
  QFETCH(QStringList, entries);
  QFETCH(QString, typed);
  Station s;
  s.texts["MsgValidDev"] = "Choose a mouse from the list first.";
  s.Create();
  s.Ready();
  s.main->cb_Adapter->clear();
  s.main->cb_Adapter->addItems(entries);
  s.main->cb_Adapter->setEditText(typed);

  s.main->mm_RecordClick();
  QCOMPARE(s.prompter.messages.size(), std::size_t{1});
  QCOMPARE(s.prompter.messages[0].text, std::string("Choose a mouse from the list first."));
  QCOMPARE(s.prompter.messages[0].icon, MsgIcon::None);
  // Every state unchanged: still idle, no banner.
  QVERIFY(s.main->tb_Record->isEnabled());
  QVERIFY(!s.main->tb_Stop->isEnabled());
  QVERIFY(s.banner->isHidden());
}

void MainWindowTest::recordBeforeStartUpTimersDoesNothing() {
  Station s;
  s.Create();
  s.main->RefreshDeviceList();
  s.main->show();
  s.main->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
  QTest::keyClick(s.main.get(), Qt::Key_F9);
  QVERIFY(s.prompter.messages.empty());
  QVERIFY(s.banner->isHidden());
  QVERIFY(!s.main->tb_Stop->isEnabled());
}

void MainWindowTest::helpDocumentsAndWebLinks() {
  for (const std::string language : {"ChineseT", "English"}) {
    Station s;
    s.settings.values["Language"] = language;
    s.texts["PaintWeb"] = "https://paint.example";
    s.texts["FullSpeedWeb"] = "https://speed.example";
    s.Create();
    // The Manual item is absent from the English menu: its click never comes.
    s.main->mm_AppHelp->trigger();
    s.main->mm_Example->trigger();
    s.main->mm_TestRules->trigger();
    s.main->lb_WebSiteClick();
    s.main->ImageLogoClick();
    s.main->lb_TestResultClick();
    s.main->lb_ScoreLableClick();
    std::vector<std::string> expected = {"/station/" + language + "Example.pdf",
                                         "/station/" + language + "TestRule.pdf",
                                         "https://paint.example", "https://speed.example"};
    if (language == "ChineseT") expected.insert(expected.begin(), "/station/ChineseTMenual.pdf");
    QCOMPARE(s.shell.opened, expected);
    QCOMPARE(s.main->mm_AppHelp->isVisible(), language == "ChineseT");
    QVERIFY(s.prompter.messages.empty());
  }
}

void MainWindowTest::logoOpensConsoleInExpertModeOnly() {
  for (const char* mode : {"Expert", "expert", ""}) {
    Station s;
    s.settings.values["User"] = mode;
    s.texts["FullSpeedWeb"] = "https://speed.example";
    s.Create();
    s.main->ImageLogoClick();
    const bool expert = std::string(mode) == "Expert";
    QCOMPARE(s.expert->isVisible(), expert);
    QCOMPARE(s.shell.opened.size(), std::size_t{expert ? 0u : 1u});
  }
}

void MainWindowTest::deviceChangeBurstRunsScriptOnceAndRebuildsOnce() {
  Station s;
  s.Create();
  s.main->TimerAdapter->setInterval(200);
  int rebuilds = 0;
  QObject::connect(s.main->TimerAdapter, &QTimer::timeout, [&] { ++rebuilds; });

  QCoreApplication::postEvent(s.main.get(), new DeviceChangeEvent);
  QCoreApplication::sendPostedEvents(s.main.get());
  QVERIFY(s.main->TimerAdapter->isActive());
  QVERIFY(s.runner.started.empty());
  const int remaining = s.main->TimerAdapter->remainingTime();

  QTest::qWait(50);
  QCoreApplication::postEvent(s.main.get(), new DeviceChangeEvent);
  QCoreApplication::sendPostedEvents(s.main.get());
  QCOMPARE(s.runner.started.size(), std::size_t{1});
  QCOMPARE(s.runner.started[0].first, std::string("\"/station/Tool\\GetList.bat\""));
  QVERIFY(s.runner.started[0].second);
  // The period was not restarted by the second change.
  QVERIFY(s.main->TimerAdapter->remainingTime() < remaining);

  QTRY_COMPARE(rebuilds, 1);
  QVERIFY(!s.main->TimerAdapter->isActive());
  QTest::qWait(250);
  QCOMPARE(rebuilds, 1);
  QVERIFY(s.main->cb_Adapter->count() > 0);
}

void MainWindowTest::deviceChangeWaitsForDriverCheck() {
  Station s;
  s.Create();
  s.main->DriverCheckBusy = 1;
  for (int i = 0; i < 2; ++i) {
    QCoreApplication::postEvent(s.main.get(), new DeviceChangeEvent);
    QCoreApplication::sendPostedEvents(s.main.get());
  }
  QVERIFY(!s.main->TimerAdapter->isActive());
  QVERIFY(s.runner.started.empty());
}

}  // namespace mqt

QTEST_MAIN(mqt::MainWindowTest)
#include "main_window_test.moc"
