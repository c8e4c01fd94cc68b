#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "capture/ContinueCaptureUnit.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace mqt {

struct StationContext;

// The expert console: the capture options both kinds of capture use, the
// continuous capture's Start and Stop, and the pages the capture and the
// analysis write their logs to. Created once at start-up, shown by the logo
// click in Expert mode, hidden by its close button.
class TExpert : public QWidget {
  Q_OBJECT
 public:
  explicit TExpert(StationContext& context, QWidget* parent = nullptr);
  // Ends a continuous capture that still runs; its dump file is still saved.
  ~TExpert() override;

  // The main window's wave-range change handler, run when the range list changes.
  std::function<void()> OnWaveRangeChange;

  QFrame* ViewPanel = nullptr;
  QTabWidget* MainPage = nullptr;

  // "Option"
  QWidget* mp_Option = nullptr;
  QComboBox* cb_WaveRange = nullptr;
  QLabel* lb_Interval = nullptr;
  QLineEdit* le_Interval = nullptr;
  QCheckBox* cb_Continue = nullptr;
  QCheckBox* cb_MerotMode = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

  // "AxisInfo"
  QWidget* mp_AxisInfo = nullptr;
  QPlainTextEdit* AxisMemo = nullptr;

  // "AlgorithmA" .. "AlgorithmE"
  QWidget* mp_AlgorithmA = nullptr;
  QLabel* lb_AlgmA = nullptr;
  QLabel* lb_ScoreA = nullptr;
  QPlainTextEdit* AlgmAMemo = nullptr;
  QWidget* mp_AlgorithmB = nullptr;
  QLabel* lb_AlgmB = nullptr;
  QLabel* lb_ScoreB = nullptr;
  QPlainTextEdit* AlgmBMemo = nullptr;
  QWidget* mp_AlgorithmC = nullptr;
  QLabel* lb_AlgmC = nullptr;
  QLabel* lb_ScoreC = nullptr;
  QPlainTextEdit* AlgmCMemo = nullptr;
  QWidget* mp_AlgorithmD = nullptr;
  QLabel* lb_AlgmD = nullptr;
  QLabel* lb_ScoreD = nullptr;
  QPlainTextEdit* AlgmDMemo = nullptr;
  QWidget* mp_AlgorithmE = nullptr;
  QLabel* lb_AlgmE = nullptr;
  QLabel* lb_ScoreE = nullptr;
  QPlainTextEdit* AlgmEMemo = nullptr;

  // "TotalAlgm"
  QWidget* mp_TotalAlgm = nullptr;
  QPlainTextEdit* TotamMemo = nullptr;

  void cb_WaveRangeChange();
  // Start and stop the continuous capture.
  void Button1Click();
  void Button2Click();

  // The continuous capture Start created last; null once it has ended and
  // freed itself, so Stop never reaches a thread that is gone.
  QPointer<TContinueCapture> ContinueCapture;

 private:
  QWidget* AddAlgorithmPage(const QString& caption, QLabel*& d_label, QLabel*& score_label,
                            QPlainTextEdit*& memo);

  StationContext& context_;
};

}  // namespace mqt
