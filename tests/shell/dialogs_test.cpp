#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "shell/AboutUnit.h"
#include "shell/AlarmUnit.h"
#include "shell/EnlargeUnit.h"
#include "shell_fakes.h"

using namespace mqt;
using namespace mqt::testing;

namespace {

FormContext Context(const std::string& language, QStringList* loaded = nullptr) {
  FormContext context;
  context.text = KeyText;
  context.language = language;
  context.res_folder = "/opt/station/res";
  context.screen_size = [] { return QSize(1280, 1024); };
  context.load_picture = [loaded](const QString& path) {
    if (loaded != nullptr) *loaded << path;
    QPixmap p(40, 30);
    p.fill(Qt::darkCyan);
    return p;
  };
  return context;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void AlarmTakesItsTextsAndPicture() {
    FakeSettings settings;
    FakePrompter prompter;
    QStringList loaded;
    TAlarmForm form(Context("German", &loaded), settings, prompter);
    QCOMPARE(form.windowTitle(), QString("<AlarmForm->Caption>"));
    QCOMPARE(form.lb_Alarm->text(), QString("<MsgCertainDriver>"));
    QCOMPARE(form.cb_NoPolling->text(), QString("<MsgNoPolling>"));
    QCOMPARE(form.bt_OK->text(), QString("<MsgOK>"));
    QCOMPARE(loaded, QStringList{"/opt/station/res/Germancom.bmp"});
    QVERIFY(!form.cb_NoPolling->isChecked());
    QCOMPARE(form.pos(), QPoint((1280 - form.width()) / 2, (1024 - form.height()) / 2));
  }

  // Only OK with the box ticked stores the choice; the close button never.
  void SwitchingOffStoresOnlyOnOkWithTheBoxTicked_data() {
    QTest::addColumn<bool>("zoom_hint");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("by_ok");
    QTest::addColumn<bool>("stored");
    for (bool zoom : {false, true}) {
      const char* d = zoom ? "zoom hint" : "driver warning";
      QTest::addRow("%s: ticked + OK", d) << zoom << true << true << true;
      QTest::addRow("%s: unticked + OK", d) << zoom << false << true << false;
      QTest::addRow("%s: ticked + close button", d) << zoom << true << false << false;
    }
  }
  void SwitchingOffStoresOnlyOnOkWithTheBoxTicked() {
    QFETCH(bool, zoom_hint);
    QFETCH(bool, ticked);
    QFETCH(bool, by_ok);
    QFETCH(bool, stored);
    FakeSettings settings;
    FakePrompter prompter;
    std::unique_ptr<QDialog> form;
    QCheckBox* box = nullptr;
    QPushButton* ok = nullptr;
    if (zoom_hint) {
      auto* f = new TEnlargeForm(Context("English"), settings, prompter);
      box = f->cb_NoHint;
      ok = f->bt_OK;
      form.reset(f);
      f->ShowUnlessSwitchedOff(100, 600);
    } else {
      auto* f = new TAlarmForm(Context("English"), settings, prompter);
      box = f->cb_NoPolling;
      ok = f->bt_OK;
      form.reset(f);
      f->show();
    }
    QVERIFY(form->isVisible());
    box->setChecked(ticked);
    if (by_ok) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      QVERIFY(form->close());
    }
    QVERIFY(!form->isVisible());
    const std::string name = zoom_hint ? "NoHint" : "NoPolling";
    if (stored) {
      QCOMPARE(settings.writes.size(), 1u);
      QCOMPARE(settings.writes[0].first, name);
      QCOMPARE(settings.writes[0].second, std::string("1"));
    } else {
      QVERIFY(settings.writes.empty());
    }
  }

  void SettingThatCannotBeWrittenKeepsTheDialogOpen() {
    FakeSettings settings;
    settings.fail_writes = true;
    FakePrompter prompter;
    TAlarmForm form(Context("English"), settings, prompter);
    form.show();
    form.cb_NoPolling->setChecked(true);
    QTest::mouseClick(form.bt_OK, Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(prompter.boxes.size(), 1u);
    QCOMPARE(prompter.boxes[0].icon, MsgIcon::Error);
    form.hide();
  }

  void AlarmShownUnlessNoPollingIsExactlyOne_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("shown");
    QTest::newRow("absent") << "" << true;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("1 with a blank") << "1 " << true;
    QTest::newRow("0") << "0" << true;
  }
  void AlarmShownUnlessNoPollingIsExactlyOne() {
    QFETCH(QString, value);
    QFETCH(bool, shown);
    FakeSettings settings;
    if (!value.isEmpty()) settings.values["NoPolling"] = value.toStdString();
    FakePrompter prompter;
    TAlarmForm form(Context("English"), settings, prompter);
    bool seen = false;
    bool ok_focused = false;
    QTimer::singleShot(0, &form, [&] {
      seen = form.isVisible();
      ok_focused = form.focusWidget() == form.bt_OK;
      form.close();
    });
    QCOMPARE(form.ShowUnlessSwitchedOff(), shown);
    if (!shown) QCoreApplication::processEvents();
    QCOMPARE(seen, shown);
    QCOMPARE(ok_focused, shown);
  }

  void ZoomHintSharesTheTitleAndSitsAboveThePlotBottom() {
    FakeSettings settings;
    FakePrompter prompter;
    QStringList loaded;
    TEnlargeForm hint(Context("Russia", &loaded), settings, prompter);
    TAlarmForm alarm(Context("Russia"), settings, prompter);
    QCOMPARE(hint.windowTitle(), alarm.windowTitle());
    QCOMPARE(hint.cb_NoHint->text(), QString("<MsgNoHint>"));
    QCOMPARE(hint.bt_OK->text(), QString("<MsgClose>"));
    QCOMPARE(loaded, QStringList{"/opt/station/res/RussiaEnlarge.bmp"});
    QVERIFY(hint.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(hint.x(), (1280 - hint.width()) / 2);

    QVERIFY(hint.ShowUnlessSwitchedOff(90, 700));
    QVERIFY(!hint.isModal());
    QCOMPARE(hint.frameGeometry().bottom() + 1, 90 + 700 - 3);
    QCOMPARE(hint.x(), (1280 - hint.width()) / 2);

    // The box keeps its state between showings.
    hint.cb_NoHint->setChecked(true);
    hint.close();
    QVERIFY(hint.ShowUnlessSwitchedOff(90, 700));
    QVERIFY(hint.cb_NoHint->isChecked());
    QTest::mouseClick(hint.bt_OK, Qt::LeftButton);
    QVERIFY(!hint.ShowUnlessSwitchedOff(90, 700));
    QVERIFY(!hint.isVisible());
  }

  void AboutBoxWidensForLongerNames_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("extra");
    QTest::newRow("English") << "English" << 0;
    QTest::newRow("German") << "German" << 15;
    QTest::newRow("Russia") << "Russia" << 140;
    QTest::newRow("ChineseT") << "ChineseT" << 0;
  }
  void AboutBoxWidensForLongerNames() {
    QFETCH(QString, language);
    QFETCH(int, extra);
    FakeShell shell;
    TAboutBox about(Context(language.toStdString()), shell);
    QCOMPARE(about.width(), 355 + extra);
    QCOMPARE(about.lb_ProductName->width(), 313 + extra);
  }

  void AboutBoxTextsAndWebLink() {
    FakeShell shell;
    TAboutBox about(Context("English"), shell);
    QCOMPARE(about.lb_ProductName->text(), QString("<FirstForm->Caption>"));
    QCOMPARE(about.lb_Version->text(), QString("<Version>"));
    QCOMPARE(about.lb_CopyRight->text(), QString("<CopyRight>"));
    QCOMPARE(about.lb_Web->text(), QString("<PaintWeb>"));
    QTest::mouseClick(about.lb_Web, Qt::LeftButton);
    QCOMPARE(shell.opened, std::vector<std::string>{"<PaintWeb>"});

    QTimer::singleShot(0, &about, [&] { QTest::keyClick(&about, Qt::Key_Return); });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
