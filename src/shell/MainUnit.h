#pragma once

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "capture/MouWaveThreadUnit.h"
#include "capture/report_rate.h"
#include "capture/test_completion.h"
#include "display/wave_view.h"
#include "platform/mouse_hook.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QScrollBar;
class QShortcut;
class QStackedWidget;
class QTimer;
class QToolButton;

namespace mqt {

struct StationContext;
class MainPlacementSink;
class TCoolBar;
class TGauge;
class TImage;
class TLabel;
class TToolBar;
class TWaveImage;
struct PlotEnvironment;
struct ScoreResult;
class DeviceManagement;
class MainDeviceWindow;

// The main window: test control, menus, toolbar, timers and the result area.
// Its member functions are split by concern:
//   MainUnit.cpp           construction, controls, control states, window events
//   MainUnit_commands.cpp  menu commands, help documents, web links, realtime display
//   MainUnit_hidden.cpp    the hidden NB, Advance and Normal functions
//   MainUnit_test.cpp      starting and stopping a test, test completion
//                          (record placement reaches the window through MainPlacementSink)
//   MainUnit_wave.cpp      plot drawing, zoom and image saving
//   MainUnit_devices.cpp   device list, driver and filter handling, their timers
//   MainUnit_analysis.cpp  the analysis entry point
//   MainUnit_captions.cpp  captions and layout by language
//   MainUnit_rate.cpp      the report-rate monitor's hook timer
class TMainForm : public QMainWindow, public TestCompletionOwner {
  Q_OBJECT
 public:
  explicit TMainForm(StationContext& context, QWidget* parent = nullptr);
  ~TMainForm() override;

  // --- menu ---
  QMenuBar* MainMenu = nullptr;
  QMenu* mm_File = nullptr;
  QAction* mm_SaveAs = nullptr;
  QAction* N4 = nullptr;
  QAction* mm_Close = nullptr;
  QMenu* mm_View = nullptr;
  QAction* mm_ZoomIn = nullptr;
  QAction* mm_ZoomOut = nullptr;
  QAction* mm_FitToScreen = nullptr;
  QMenu* mm_Execute = nullptr;
  QAction* mm_Record = nullptr;
  QAction* mm_Stop = nullptr;
  QAction* N1 = nullptr;
  QAction* mm_RealtimeDisplay = nullptr;
  QAction* mm_RemoveAdapter = nullptr;
  QMenu* mm_Help = nullptr;
  QAction* mm_AppHelp = nullptr;
  QAction* mm_Example = nullptr;
  QAction* mm_TestRules = nullptr;
  QAction* N2 = nullptr;
  QAction* mm_About = nullptr;
  QAction* mm_NB = nullptr;
  QAction* mm_Advance = nullptr;
  QAction* mm_Normal = nullptr;

  // --- toolbar ---
  TToolBar* ToolBar1 = nullptr;
  QToolButton* tb_Record = nullptr;
  QToolButton* tb_Stop = nullptr;
  QToolButton* sb_ZoomIn = nullptr;
  QToolButton* sb_Fit = nullptr;
  QToolButton* sb_ZoomOut = nullptr;
  QToolButton* sb_SaveAs = nullptr;
  TCoolBar* CoolBar1 = nullptr;
  QComboBox* cb_Adapter = nullptr;

  // --- plot area ---
  QFrame* BackPanel = nullptr;
  TGauge* CGauge = nullptr;
  QFrame* MainPanel = nullptr;
  TWaveImage* ImageXY = nullptr;
  TLabel* lb_WebSite = nullptr;
  QFrame* pn_MouseRate = nullptr;
  QFrame* Panel2 = nullptr;
  QLabel* lb_Average = nullptr;
  QLabel* lb_AverageRate = nullptr;
  QLineEdit* ed_ReportRate = nullptr;
  QGroupBox* gb_ReportRate = nullptr;
  QCheckBox* cb_ShowReport = nullptr;
  QPlainTextEdit* mm_ReportRate = nullptr;
  QScrollBar* HScrollBarXY = nullptr;

  // --- result area ---
  QFrame* CommPanel = nullptr;
  QStackedWidget* Notebook2 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  TImage* ImageLogo = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  TLabel* lb_TestResult = nullptr;
  TLabel* lb_ScoreLable = nullptr;
  QLabel* lb_Score = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* lb_Quality = nullptr;
  QLabel* lb_ScoreA = nullptr;
  QLabel* lb_Suggest = nullptr;

  // --- timers, all one-shot: each handler first stops its own timer ---
  QTimer* TimerMouCap = nullptr;
  QTimer* TimerAdapter = nullptr;
  QTimer* TimerRemoveDriver = nullptr;
  QTimer* TimerAlarm = nullptr;
  QTimer* tm_MainFormOK = nullptr;

  // --- state ---
  // From the "User" setting, read once; "Expert" is the only value tested.
  std::string OperatorMode;
  // Set to 1 by the hidden NB function; the device list then shows reserved models.
  int NBMode = 0;
  // Set to 1 by the splash window when the operator enters.
  int EnterConfirmed = 0;
  // 1 while the capture-driver check runs; device changes wait for it.
  int DriverCheckBusy = 0;
  // Peak limit of the analysis outside Expert mode; changed by the hidden Advance function.
  std::int32_t PeakThreshold = 10;
  // The zoom tool and factor of the plot; factor 1 is the plain view.
  WaveView ZoomView;
  // The main D value of the last scored run as a 32-bit float; 0 until then.
  // The zoomed view repaints it in full.
  float DifferenceValue = 0;
  // The capture thread of the last test start; null once that thread has ended.
  QPointer<MouWaveThread> CurrentTestThread;

  // Starting an already running timer leaves its period running.
  static void EnableTimer(QTimer* timer);

  // --- control states ---
  void SetBusyControls();
  void SetIdleControls();

  // --- form events ---
  void FormCreate();
  void FormShow();
  void FormResize();
  void FormDestroy();
  // Device changes and the title-bar buttons; returns true when handled here.
  bool MainWindowProc(QEvent* event);

  // --- commands ---
  void mm_CloseClick();
  void mm_RecordClick();
  void tb_RecordClick();
  void tb_ReAdapterClick();
  void mm_StopClick();
  void tb_StopClick();
  // test completion, handed over by the capture thread when its capture ended.
  void TestCompletion(const CaptureOutcome& outcome) override;
  void mm_RealtimeDisplayClick();
  void mm_AppHelpClick();
  void mm_ExampleClick();
  void mm_TestRulesClick();
  void mm_AboutClick();
  void ImageLogoClick();
  void lb_WebSiteClick();
  void lb_TestResultClick();
  void lb_ScoreLableClick();

  // --- hidden functions ---
  void mm_NBClick();
  void mm_AdvanceClick();
  void mm_NormalClick();

  // --- plot ---
  void DrawAxes(const std::string& upper, const std::string& lower);
  // Axes for the wave range chosen on the expert console; nothing outside 0..5.
  void DrawRangeAxes();
  void DrawWave();
  // One entry's realtime bars at column x, X and Y being display values.
  void DrawRealtimeBars(int x, int X, int Y);
  // What the plot needs to know of this window: screen width, language, captions.
  PlotEnvironment WavePlotEnvironment() const;
  void cb_WaveRangeChange();
  void ImageXYClick();
  void mm_ZoomInClick();
  void mm_ZoomOutClick();
  void mm_FitToScreenClick();
  void mm_SaveAsClick();
  void HScrollBarXYChange();

  // --- devices and drivers ---
  void RefreshDeviceList();
  // The capture filter check of a test start; false when the start ended.
  bool PrepareMouseFilter();
  void mm_RemoveAdapterClick();
  void TimerMouCapTimer();
  void TimerAdapterTimer();
  void TimerRemoveDriverTimer();
  void TimerAlarmTimer();

  // --- analysis ---
  void bt_WaveConvertClick();

  // --- captions and layout by language ---
  void ApplyMainCaptions();
  void LayoutByLanguage();

  // --- report-rate monitor ---
  void tm_MainFormOKTimer();
  // The report-rate monitor's step for one mouse move: measures and shows
  // the rate in ed_ReportRate and, with Show ticked, the list.
  void ReportRateStep();
  // The installed mouse hook; null before tm_MainFormOK fires.
  const MouseHook* mouse_hook() const { return mouse_hook_.get(); }

  StationContext& Context() { return context_; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolBar(QWidget* client);
  void BuildPlotArea(QWidget* client);
  void BuildResultArea(QWidget* client);
  void BuildTimers();
  void ReadSettings();
  // The six zoom controls, menu items and toolbar buttons alike.
  void EnableZoomControls(bool enabled);
  // Applies a scored run's result to the result area, the image and the console.
  void ApplyScore(const ScoreResult& score);
  // SetZoomScrollBar, then DrawZoomedWave from the first shown entry.
  void ApplyZoomRedraw(const WaveView::Redraw& redraw);
  void DrawZoomedWave(int first_entry);
  // The Continue box's next test, once the finished capture has let go of the device.
  void StartNextTestWhenCaptureEnded();
  void AlignClientControls();
  // The cb_Adapter text names one of its entries, letter case ignored.
  bool AdapterTextIsListed() const;
  void OpenHelpDocument(const std::string& file_name);
  // Shows why the test cannot start, closes the banner and returns to idle.
  void AbandonTestStart(const std::string& message);
  // Ends a running capture without its completion (the window is going away).
  void EndTestCaptureForGood();

  // Builds the device steps when the context carries their services.
  void CreateDeviceManagement();
  // Starts `timer` with the step's interval when the step asks for more.
  static void StartNextStep(QTimer* timer, const std::optional<std::chrono::milliseconds>& next);

  StationContext& context_;
  std::unique_ptr<MainPlacementSink> placement_sink_;
  std::unique_ptr<MainDeviceWindow> device_window_;
  // Deleted where DeviceManagement is complete (its language lookup type
  // would clash with the language file's function of the same name here).
  struct DeviceManagementDeleter {
    void operator()(DeviceManagement* devices) const;
  };
  std::unique_ptr<DeviceManagement, DeviceManagementDeleter> devices_;
  QWidget* client_ = nullptr;
  QShortcut* nb_key_ = nullptr;
  QShortcut* advance_key_ = nullptr;
  QShortcut* normal_key_ = nullptr;
  bool form_shown_ = false;
  PerformanceRateClock performance_clock_;
  std::unique_ptr<ReportRateMonitor> rate_monitor_;
  std::unique_ptr<MouseHook> mouse_hook_;
};

}  // namespace mqt
