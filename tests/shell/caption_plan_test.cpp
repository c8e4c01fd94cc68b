#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

#include "shell/caption_plan.h"

using namespace mqt;

namespace {

// A few controls of the main window, named as the plans name them.
struct Window {
  QMainWindow form;
  QMenu* mm_Help;
  QAction* mm_AppHelp;
  QToolButton* tb_Record;
  QGroupBox* GroupBox1;
  QGroupBox* gb_ReportRate;
  QLabel* lb_AverageRate;
  QLabel* lb_ScoreLable;
  QCheckBox* cb_ShowReport;
  QWidget* CoolBar1;

  Window() {
    form.setObjectName("MainForm");
    mm_Help = form.menuBar()->addMenu("Help(&H)");
    mm_Help->setObjectName("mm_Help");
    mm_AppHelp = mm_Help->addAction("Manual");
    mm_AppHelp->setObjectName("mm_AppHelp");
    auto* central = new QWidget(&form);
    form.setCentralWidget(central);
    auto* toolbar = new QWidget(central);
    auto* row = new QHBoxLayout(toolbar);
    tb_Record = new QToolButton(toolbar);
    tb_Record->setObjectName("tb_Record");
    tb_Record->resize(105, 25);
    row->addWidget(tb_Record);
    CoolBar1 = new QWidget(toolbar);
    CoolBar1->setObjectName("CoolBar1");
    row->addWidget(CoolBar1);
    GroupBox1 = new QGroupBox(central);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(400, 10, 600, 70);
    gb_ReportRate = new QGroupBox("Current Rate", central);
    gb_ReportRate->setObjectName("gb_ReportRate");
    lb_AverageRate = new QLabel(central);
    lb_AverageRate->setObjectName("lb_AverageRate");
    lb_ScoreLable = new QLabel(central);
    lb_ScoreLable->setObjectName("lb_ScoreLable");
    cb_ShowReport = new QCheckBox("Show", central);
    cb_ShowReport->setObjectName("cb_ShowReport");
  }
};

}  // namespace

class CaptionPlanTest : public QObject {
  Q_OBJECT
 private slots:
  void CaptionsReachEveryKindOfControl() {
    Window w;
    const auto left = ApplyCaptions(w.form, {{"MainForm", "Title"},
                                             {"mm_Help", "Help"},
                                             {"mm_AppHelp", "Manual"},
                                             {"tb_Record", "Record (F9)"},
                                             {"gb_ReportRate", "Report rate"},
                                             {"lb_AverageRate", "Report rate"},
                                             {"cb_ShowReport", "Show"},
                                             {"CoolBar1", "Device : "},
                                             {"mm_Missing", "x"}});
    QCOMPARE(w.form.windowTitle(), QString("Title"));
    QCOMPARE(w.mm_Help->title(), QString("Help"));
    QCOMPARE(w.mm_AppHelp->text(), QString("Manual"));
    QCOMPARE(w.tb_Record->text(), QString("Record (F9)"));
    QCOMPARE(w.gb_ReportRate->title(), QString("Report rate"));
    QCOMPARE(w.lb_AverageRate->text(), QString("Report rate"));
    QCOMPARE(w.cb_ShowReport->text(), QString("Show"));
    // The band text and unknown names come back for the window to handle.
    QCOMPARE(left.size(), 2u);
    QCOMPARE(left[0].control, std::string("CoolBar1"));
    QCOMPARE(left[1].control, std::string("mm_Missing"));
  }

  void ChangesMoveResizeAndRefont() {
    Window w;
    QFont font = w.lb_ScoreLable->font();
    font.setPointSize(18);
    w.lb_ScoreLable->setFont(font);
    const auto left =
        ApplyChanges(w.form, {{"GroupBox1", ControlProperty::Left, true, 40},
                              {"GroupBox1", ControlProperty::Width, true, -40},
                              {"tb_Record", ControlProperty::Width, true, -30},
                              {"lb_ScoreLable", ControlProperty::FontPoints, false, 15},
                              {"Nowhere", ControlProperty::Width, false, 1}});
    QCOMPARE(w.GroupBox1->geometry(), QRect(440, 10, 560, 70));
    QCOMPARE(w.tb_Record->width(), 75);
    QCOMPARE(w.tb_Record->minimumWidth(), 75);  // held by its layout
    QCOMPARE(w.lb_ScoreLable->font().pointSize(), 15);
    QCOMPARE(left.size(), 1u);

    // The screen rule sets widths, so running it again changes nothing.
    for (int i = 0; i < 2; ++i) ApplyChanges(w.form, LayoutByLanguage("English", 1280));
    QCOMPARE(w.GroupBox1->width(), 1280 - 375);
    QCOMPARE(w.CoolBar1->width(), 1280 - 469);
  }

  void ManualItemHiddenAndDisabled() {
    Window w;
    HideAndDisable(w.form, ApplyMainCaptions("German", {}).hidden_and_disabled);
    QVERIFY(!w.mm_AppHelp->isVisible());
    QVERIFY(!w.mm_AppHelp->isEnabled());
  }
};

QTEST_MAIN(CaptionPlanTest)
#include "caption_plan_test.moc"
