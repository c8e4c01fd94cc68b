#include "shell/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include "platform/program_runner.h"
#include "platform/settings.h"
#include "shell/AboutUnit.h"
#include "shell/First.h"
#include "shell/active_language.h"
#include "shell/form_controls.h"
#include "shell/language_file.h"
#include "shell/main_device_window.h"
#include "shell/main_placement_sink.h"
#include "shell/settings_table.h"
#include "shell/station_context.h"

namespace mqt {

namespace {

// Client area at design time; the window opens maximised.
constexpr int kClientWidth = 1014;
constexpr int kClientHeight = 648;
constexpr int kToolBarHeight = 29;
constexpr int kCommPanelHeight = 87;
constexpr int kGaugeHeight = 17;

QAction* NewItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = QKeySequence()) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  if (!shortcut.isEmpty()) item->setShortcut(shortcut);
  return item;
}

QAction* NewSeparator(QMenu* menu, const char* name) {
  QAction* item = menu->addSeparator();
  item->setObjectName(name);
  return item;
}

QToolButton* NewSpeedButton(QWidget* parent, const char* name, const QString& caption, int width) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->resize(width, 25);
  return button;
}

QFont PixelFont(const QFont& base, int pixels, bool bold) {
  QFont font = base;
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The application's colours, each role set explicitly so that a child takes
// them instead of its parent's.
QPalette FormPalette() {
  const QPalette base = QApplication::palette();
  QPalette palette = base;
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    if (r == QPalette::NoRole) continue;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, r, base.color(group, r));
    }
  }
  return palette;
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, color);
  widget->setPalette(pal);
}

}  // namespace

TMainForm::TMainForm(StationContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      placement_sink_(std::make_unique<MainPlacementSink>(*this)) {
  setObjectName("MainForm");
  setWindowTitle("MainForm");
  QFont form_font("MS Sans Serif");
  form_font.setPointSize(8);
  setFont(form_font);

  client_ = new QWidget(this);
  client_->setObjectName("ClientArea");
  client_->resize(kClientWidth, kClientHeight);
  client_->installEventFilter(this);
  setCentralWidget(client_);

  BuildMenu();
  BuildToolBar(client_);
  BuildPlotArea(client_);
  BuildResultArea(client_);
  BuildTimers();
  resize(kClientWidth, kClientHeight + MainMenu->sizeHint().height());
  AlignClientControls();

  ReadSettings();
  if (context_.open_language_file) {
    context_.open_language_file(context_.Expand(LanguageFileWindowsPath(context_.active_language)),
                                std::string(kLanguageSection));
  }
  ApplyMainCaptions();
  if (context_.logical_dpi == 120) {
    for (QToolButton* button : {tb_Record, tb_Stop, sb_ZoomIn, sb_Fit, sb_ZoomOut, sb_SaveAs}) {
      button->resize(button->width() + 10, button->height());
    }
  }
  ToolBar1->Arrange();
  CreateDeviceManagement();
  FormCreate();
}

TMainForm::~TMainForm() {
  EndTestCaptureForGood();
  FormDestroy();
}

void TMainForm::BuildMenu() {
  MainMenu = menuBar();
  MainMenu->setObjectName("MainMenu");

  mm_File = MainMenu->addMenu("File(&F)");
  mm_File->setObjectName("mm_File");
  mm_SaveAs = NewItem(mm_File, "mm_SaveAs", "Save Image As...", QKeySequence(Qt::Key_F2));
  N4 = NewSeparator(mm_File, "N4");
  mm_Close = NewItem(mm_File, "mm_Close", "Close(&X)");

  mm_View = MainMenu->addMenu("View(&V)");
  mm_View->setObjectName("mm_View");
  mm_ZoomIn = NewItem(mm_View, "mm_ZoomIn", "Zoom In", QKeySequence(Qt::Key_Z));
  mm_ZoomOut = NewItem(mm_View, "mm_ZoomOut", "Zoom Out", QKeySequence(Qt::SHIFT | Qt::Key_Z));
  mm_FitToScreen =
      NewItem(mm_View, "mm_FitToScreen", "Fit To Screen", QKeySequence(Qt::SHIFT | Qt::Key_F));
  mm_ZoomIn->setEnabled(false);
  mm_ZoomOut->setEnabled(false);
  mm_FitToScreen->setEnabled(false);

  mm_Execute = MainMenu->addMenu("Execute(&E)");
  mm_Execute->setObjectName("mm_Execute");
  mm_Record = NewItem(mm_Execute, "mm_Record", "Record(&R)", QKeySequence(Qt::Key_F9));
  mm_Stop = NewItem(mm_Execute, "mm_Stop", "Stop(&S)", QKeySequence(Qt::Key_F10));
  mm_Record->setEnabled(false);
  mm_Stop->setEnabled(false);
  N1 = NewSeparator(mm_Execute, "N1");
  mm_RealtimeDisplay = NewItem(mm_Execute, "mm_RealtimeDisplay", "Realtime Display");
  mm_RealtimeDisplay->setCheckable(true);
  mm_RealtimeDisplay->setChecked(true);
  mm_RemoveAdapter =
      NewItem(mm_Execute, "mm_RemoveAdapter", "Remove Adapter", QKeySequence(Qt::Key_F11));

  mm_Help = MainMenu->addMenu("Help(&H)");
  mm_Help->setObjectName("mm_Help");
  mm_AppHelp = NewItem(mm_Help, "mm_AppHelp", "Manual");
  mm_Example = NewItem(mm_Help, "mm_Example", "Example");
  mm_TestRules = NewItem(mm_Help, "mm_TestRules", "Test Rules");
  N2 = NewSeparator(mm_Help, "N2");
  mm_About = NewItem(mm_Help, "mm_About", "About...");
  mm_NB = NewItem(mm_Help, "mm_NB", "NB", QKeySequence(Qt::Key_F4));
  mm_Advance = NewItem(mm_Help, "mm_Advance", "Advance", QKeySequence(Qt::Key_F5));
  mm_Normal = NewItem(mm_Help, "mm_Normal", "Normal", QKeySequence(Qt::Key_F6));
  // Never shown. An invisible item's own shortcut is dead, so the keys are
  // bound to the window as well.
  for (QAction* hidden : {mm_NB, mm_Advance, mm_Normal}) hidden->setVisible(false);
  nb_key_ = new QShortcut(QKeySequence(Qt::Key_F4), this, [this] { mm_NBClick(); });
  advance_key_ = new QShortcut(QKeySequence(Qt::Key_F5), this, [this] { mm_AdvanceClick(); });
  normal_key_ = new QShortcut(QKeySequence(Qt::Key_F6), this, [this] { mm_NormalClick(); });

  connect(mm_SaveAs, &QAction::triggered, this, [this] { mm_SaveAsClick(); });
  connect(mm_Close, &QAction::triggered, this, [this] { mm_CloseClick(); });
  connect(mm_ZoomIn, &QAction::triggered, this, [this] { mm_ZoomInClick(); });
  connect(mm_ZoomOut, &QAction::triggered, this, [this] { mm_ZoomOutClick(); });
  connect(mm_FitToScreen, &QAction::triggered, this, [this] { mm_FitToScreenClick(); });
  connect(mm_Record, &QAction::triggered, this, [this] { mm_RecordClick(); });
  connect(mm_Stop, &QAction::triggered, this, [this] { mm_StopClick(); });
  // The handler owns the check mark: undo the toggle the menu already made.
  connect(mm_RealtimeDisplay, &QAction::triggered, this, [this](bool checked) {
    mm_RealtimeDisplay->setChecked(!checked);
    mm_RealtimeDisplayClick();
  });
  connect(mm_RemoveAdapter, &QAction::triggered, this, [this] { mm_RemoveAdapterClick(); });
  connect(mm_AppHelp, &QAction::triggered, this, [this] { mm_AppHelpClick(); });
  connect(mm_Example, &QAction::triggered, this, [this] { mm_ExampleClick(); });
  connect(mm_TestRules, &QAction::triggered, this, [this] { mm_TestRulesClick(); });
  connect(mm_About, &QAction::triggered, this, [this] { mm_AboutClick(); });
}

void TMainForm::BuildToolBar(QWidget* client) {
  ToolBar1 = new TToolBar(client);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setGeometry(0, 0, kClientWidth, kToolBarHeight);

  tb_Record = NewSpeedButton(ToolBar1, "tb_Record", QString::fromUtf8("開始測試(F9)"), 105);
  tb_Record->setEnabled(false);
  tb_Stop = NewSpeedButton(ToolBar1, "tb_Stop", QString::fromUtf8("停止(F10)"), 88);
  tb_Stop->setToolTip("Stop (F10)");
  tb_Stop->setEnabled(false);
  sb_ZoomIn = NewSpeedButton(ToolBar1, "sb_ZoomIn", QString::fromUtf8("放大"), 56);
  sb_ZoomIn->setEnabled(false);
  sb_Fit = NewSpeedButton(ToolBar1, "sb_Fit", QString::fromUtf8("實際大小"), 64);
  sb_Fit->setEnabled(false);
  sb_ZoomOut = NewSpeedButton(ToolBar1, "sb_ZoomOut", QString::fromUtf8("縮小"), 56);
  sb_ZoomOut->setEnabled(false);
  sb_SaveAs = NewSpeedButton(ToolBar1, "sb_SaveAs", QString::fromUtf8("結果存檔"), 96);

  CoolBar1 = new TCoolBar(ToolBar1);
  CoolBar1->setObjectName("CoolBar1");
  cb_Adapter = new QComboBox;
  cb_Adapter->setObjectName("cb_Adapter");
  cb_Adapter->setEditable(true);
  cb_Adapter->setInsertPolicy(QComboBox::NoInsert);
  cb_Adapter->resize(505, 21);
  CoolBar1->SetBand(QString::fromUtf8("裝置 : "), cb_Adapter);
  CoolBar1->resize(kClientWidth - (105 + 88 + 56 + 64 + 56 + 96), kToolBarHeight);

  for (QToolButton* button : {tb_Record, tb_Stop, sb_ZoomIn, sb_Fit, sb_ZoomOut, sb_SaveAs}) {
    ToolBar1->Add(button, 2);
  }
  ToolBar1->Add(CoolBar1, 0);

  connect(tb_Record, &QToolButton::clicked, this, [this] { tb_RecordClick(); });
  connect(tb_Stop, &QToolButton::clicked, this, [this] { tb_ReAdapterClick(); });
  connect(sb_ZoomIn, &QToolButton::clicked, this, [this] { mm_ZoomInClick(); });
  connect(sb_Fit, &QToolButton::clicked, this, [this] { mm_FitToScreenClick(); });
  connect(sb_ZoomOut, &QToolButton::clicked, this, [this] { mm_ZoomOutClick(); });
  connect(sb_SaveAs, &QToolButton::clicked, this, [this] { mm_SaveAsClick(); });
}

void TMainForm::BuildPlotArea(QWidget* client) {
  BackPanel = new QFrame(client);
  BackPanel->setObjectName("BackPanel");

  MainPanel = new QFrame(BackPanel);
  MainPanel->setObjectName("MainPanel");
  MainPanel->setAutoFillBackground(true);
  QPalette black = MainPanel->palette();
  black.setColor(QPalette::Window, Qt::black);
  MainPanel->setPalette(black);

  ImageXY = new TWaveImage(MainPanel);
  ImageXY->setObjectName("ImageXY");
  connect(ImageXY, &TWaveImage::Click, this, [this] { ImageXYClick(); });

  lb_WebSite = new TLabel(" Label2", MainPanel);
  lb_WebSite->setObjectName("lb_WebSite");
  lb_WebSite->setCursor(Qt::PointingHandCursor);
  QFont link = lb_WebSite->font();
  link.setBold(true);
  link.setUnderline(true);
  lb_WebSite->setFont(link);
  lb_WebSite->setPalette(FormPalette());
  lb_WebSite->setAutoFillBackground(true);
  lb_WebSite->setGeometry(820, 480, 180, 16);
  lb_WebSite->hide();
  connect(lb_WebSite, &TLabel::Click, this, [this] { lb_WebSiteClick(); });

  // The report-rate panel: the rate on top, the running list below.
  pn_MouseRate = new QFrame(MainPanel);
  pn_MouseRate->setObjectName("pn_MouseRate");
  pn_MouseRate->setFrameShape(QFrame::Panel);
  pn_MouseRate->setAutoFillBackground(true);
  // The panels over the picture take the ordinary window colours back from
  // the black MainPanel.
  pn_MouseRate->setPalette(FormPalette());
  pn_MouseRate->setGeometry(kClientWidth - 180, 0, 180, 232);
  Panel2 = new QFrame(pn_MouseRate);
  Panel2->setObjectName("Panel2");
  Panel2->setFrameShape(QFrame::StyledPanel);
  Panel2->setGeometry(0, 0, 180, 60);
  lb_Average = new QLabel("Average", Panel2);
  lb_Average->setObjectName("lb_Average");
  lb_Average->setGeometry(8, 6, 84, 20);
  lb_AverageRate = new QLabel("Average", Panel2);
  lb_AverageRate->setObjectName("lb_AverageRate");
  lb_AverageRate->setGeometry(8, 32, 84, 20);
  ed_ReportRate = new QLineEdit("0", Panel2);
  ed_ReportRate->setObjectName("ed_ReportRate");
  ed_ReportRate->setGeometry(96, 18, 76, 22);
  gb_ReportRate = new QGroupBox("Current Rate", pn_MouseRate);
  gb_ReportRate->setObjectName("gb_ReportRate");
  gb_ReportRate->setGeometry(0, 60, 180, 172);
  cb_ShowReport = new QCheckBox("Show", gb_ReportRate);
  cb_ShowReport->setObjectName("cb_ShowReport");
  cb_ShowReport->setChecked(true);
  cb_ShowReport->setGeometry(8, 18, 120, 20);
  mm_ReportRate = new QPlainTextEdit(gb_ReportRate);
  mm_ReportRate->setObjectName("mm_ReportRate");
  mm_ReportRate->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mm_ReportRate->setGeometry(8, 40, 164, 124);
  pn_MouseRate->hide();

  CGauge = new TGauge(BackPanel);
  CGauge->setObjectName("CGauge");
  CGauge->SetColors(Qt::black, Qt::blue);

  HScrollBarXY = new QScrollBar(Qt::Horizontal, BackPanel);
  HScrollBarXY->setObjectName("HScrollBarXY");
  HScrollBarXY->hide();
  connect(HScrollBarXY, &QScrollBar::valueChanged, this, [this] { HScrollBarXYChange(); });
}

void TMainForm::BuildResultArea(QWidget* client) {
  CommPanel = new QFrame(client);
  CommPanel->setObjectName("CommPanel");
  Notebook2 = new QStackedWidget(CommPanel);
  Notebook2->setObjectName("Notebook2");
  auto* page = new QWidget;
  page->setObjectName("Default");
  Notebook2->addWidget(page);

  GroupBox2 = new QGroupBox(page);
  GroupBox2->setObjectName("GroupBox2");
  GroupBox2->setGeometry(0, 0, 176, 85);
  ImageLogo = new TImage(GroupBox2);
  ImageLogo->setObjectName("ImageLogo");
  ImageLogo->setCursor(Qt::PointingHandCursor);
  ImageLogo->setGeometry(3, 8, 171, 74);
  connect(ImageLogo, &TImage::Click, this, [this] { ImageLogoClick(); });

  GroupBox3 = new QGroupBox(page);
  GroupBox3->setObjectName("GroupBox3");
  GroupBox3->setGeometry(176, 0, 199, 85);
  lb_TestResult = new TLabel(QString::fromUtf8("測試"), GroupBox3);
  lb_TestResult->setObjectName("lb_TestResult");
  lb_TestResult->setFont(PixelFont(font(), 24, true));
  lb_TestResult->setGeometry(8, 12, 80, 30);
  lb_ScoreLable = new TLabel(QString::fromUtf8("分數"), GroupBox3);
  lb_ScoreLable->setObjectName("lb_ScoreLable");
  lb_ScoreLable->setFont(PixelFont(font(), 24, true));
  lb_ScoreLable->setGeometry(8, 46, 80, 30);
  lb_Score = new QLabel("---", GroupBox3);
  lb_Score->setObjectName("lb_Score");
  lb_Score->setFont(PixelFont(font(), 53, false));
  SetTextColor(lb_Score, Qt::red);
  lb_Score->setGeometry(96, 14, 96, 64);
  connect(lb_TestResult, &TLabel::Click, this, [this] { lb_TestResultClick(); });
  connect(lb_ScoreLable, &TLabel::Click, this, [this] { lb_ScoreLableClick(); });

  GroupBox1 = new QGroupBox(page);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(375, 0, kClientWidth - 375, 85);
  lb_Quality = new QLabel(QString::fromUtf8("品質分析 : "), GroupBox1);
  lb_Quality->setObjectName("lb_Quality");
  lb_Quality->setFont(PixelFont(font(), 24, false));
  lb_Quality->setGeometry(8, 14, 136, 30);
  lb_ScoreA = new QLabel(GroupBox1);
  lb_ScoreA->setObjectName("lb_ScoreA");
  lb_ScoreA->setFont(PixelFont(font(), 24, false));
  SetTextColor(lb_ScoreA, Qt::red);
  lb_ScoreA->setGeometry(8, 48, 136, 30);
  lb_Suggest = new QLabel(GroupBox1);
  lb_Suggest->setObjectName("lb_Suggest");
  lb_Suggest->setWordWrap(true);
  lb_Suggest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lb_Suggest->setGeometry(144, 14, kClientWidth - 375 - 152, 66);
}

void TMainForm::BuildTimers() {
  struct TimerSetup {
    QTimer*& timer;
    const char* name;
    int interval;
    void (TMainForm::*handler)();
  };
  const TimerSetup setups[] = {
      {TimerMouCap, "TimerMouCap", 1000, &TMainForm::TimerMouCapTimer},
      {TimerAdapter, "TimerAdapter", 1500, &TMainForm::TimerAdapterTimer},
      {TimerRemoveDriver, "TimerRemoveDriver", 2000, &TMainForm::TimerRemoveDriverTimer},
      {TimerAlarm, "TimerAlarm", 500, &TMainForm::TimerAlarmTimer},
      {tm_MainFormOK, "tm_MainFormOK", 1000, &TMainForm::tm_MainFormOKTimer},
  };
  for (const TimerSetup& setup : setups) {
    setup.timer = new QTimer(this);
    setup.timer->setObjectName(setup.name);
    setup.timer->setInterval(setup.interval);
    auto handler = setup.handler;
    connect(setup.timer, &QTimer::timeout, this, [this, handler] { (this->*handler)(); });
  }
}

void TMainForm::EnableTimer(QTimer* timer) {
  if (!timer->isActive()) timer->start();
}

// The settings the main window reads once: language, realtime display, operator mode.
void TMainForm::ReadSettings() {
  const StartupSettings startup = ReadStartupSettings(*context_.settings);
  context_.active_language = startup.active_language;
  SetActiveLanguage(startup.active_language);
  if (!startup.realtime_display) mm_RealtimeDisplay->setChecked(false);
  OperatorMode = startup.operator_mode;
}

// Toolbar on top, result panel at the bottom, the plot between; the gauge at
// the bottom of the plot panel and the picture filling the rest.
void TMainForm::AlignClientControls() {
  const int w = client_->width();
  const int h = client_->height();
  ToolBar1->setGeometry(0, 0, w, kToolBarHeight);
  CommPanel->setGeometry(0, h - kCommPanelHeight, w, kCommPanelHeight);
  Notebook2->setGeometry(0, 0, w, kCommPanelHeight);
  const int back_height = std::max(0, h - kToolBarHeight - kCommPanelHeight);
  BackPanel->setGeometry(0, kToolBarHeight, w, back_height);
  CGauge->setGeometry(0, back_height - kGaugeHeight, w, kGaugeHeight);
  MainPanel->setGeometry(0, 0, w, std::max(0, back_height - kGaugeHeight));
  ImageXY->setGeometry(0, 0, MainPanel->width(), MainPanel->height());
  ImageXY->lower();
}

void TMainForm::SetBusyControls() {
  tb_Record->setEnabled(false);
  mm_Record->setEnabled(false);
  mm_RealtimeDisplay->setEnabled(false);
  sb_SaveAs->setEnabled(false);
  cb_Adapter->setEnabled(false);
  tb_Stop->setEnabled(true);
  mm_Stop->setEnabled(true);
  mm_RemoveAdapter->setEnabled(false);
  pn_MouseRate->hide();
  mm_ReportRate->clear();
  ed_ReportRate->clear();
  HScrollBarXY->hide();
  EnableZoomControls(false);
  ZoomView.Reset();
  ImageXY->setCursor(Qt::ArrowCursor);
}

void TMainForm::EnableZoomControls(bool enabled) {
  for (QAction* item : {mm_ZoomIn, mm_ZoomOut, mm_FitToScreen}) item->setEnabled(enabled);
  for (QToolButton* button : {sb_ZoomIn, sb_ZoomOut, sb_Fit}) button->setEnabled(enabled);
}

void TMainForm::SetIdleControls() {
  tb_Record->setEnabled(true);
  mm_Record->setEnabled(true);
  mm_RealtimeDisplay->setEnabled(true);
  sb_SaveAs->setEnabled(true);
  cb_Adapter->setEnabled(true);
  tb_Stop->setEnabled(false);
  mm_Stop->setEnabled(false);
  mm_RemoveAdapter->setEnabled(true);
  pn_MouseRate->show();
}

void TMainForm::FormCreate() { LayoutByLanguage(); }

// Shows the splash window; only its Enter lets the station go on.
void TMainForm::FormShow() {
  TFirstForm* first = context_.windows.FirstForm;
  if (first == nullptr) return;
  first->exec();
  if (EnterConfirmed == 1) {
    EnableTimer(tm_MainFormOK);
  } else {
    QCoreApplication::exit(0);
  }
}

void TMainForm::FormResize() { LayoutByLanguage(); }

bool TMainForm::event(QEvent* event) {
  if (MainWindowProc(event)) return true;
  return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (form_shown_) return;
  form_shown_ = true;
  // After the window is on screen, not inside its show.
  QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) AlignClientControls();
  return QMainWindow::eventFilter(watched, event);
}

// Minimising the main window minimises the whole station.
void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->showMinimized();
  }
}

void TMainForm::mm_CloseClick() { close(); }

void TMainForm::lb_TestResultClick() {}

void TMainForm::lb_ScoreLableClick() {}

}  // namespace mqt
