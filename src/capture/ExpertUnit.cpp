#include "capture/ExpertUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/station_context.h"

namespace mqt {

namespace {

QPlainTextEdit* NewMemo(QWidget* parent, const char* name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

}  // namespace

TExpert::TExpert(StationContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), context_(context) {
  setObjectName("Expert");
  setWindowTitle("Expert");
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(620, 460);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  ViewPanel = new QFrame(this);
  ViewPanel->setObjectName("ViewPanel");
  outer->addWidget(ViewPanel);
  auto* view_layout = new QVBoxLayout(ViewPanel);
  view_layout->setContentsMargins(0, 0, 0, 0);
  MainPage = new QTabWidget(ViewPanel);
  MainPage->setObjectName("MainPage");
  MainPage->setTabPosition(QTabWidget::South);
  view_layout->addWidget(MainPage);

  mp_Option = new QWidget;
  mp_Option->setObjectName("mp_Option");
  cb_WaveRange = new QComboBox(mp_Option);
  cb_WaveRange->setObjectName("cb_WaveRange");
  cb_WaveRange->addItems({" -128 ~ +127 (8bit)", " -256 ~ +255 (9bit)", " -512 ~ +511 (10bit)",
                          "-1024 ~ +1023 (11bit)", "-2048 ~ +2047 (12bit)",
                          "-4096 ~ +4095 (13bit)"});
  cb_WaveRange->setCurrentIndex(0);
  cb_WaveRange->setGeometry(16, 16, 185, 24);
  lb_Interval = new QLabel("Interval (ms) : ", mp_Option);
  lb_Interval->setObjectName("lb_Interval");
  lb_Interval->setGeometry(16, 52, 90, 22);
  le_Interval = new QLineEdit("8", mp_Option);
  le_Interval->setObjectName("le_Interval");
  le_Interval->setGeometry(108, 52, 60, 22);
  cb_Continue = new QCheckBox("Continue", mp_Option);
  cb_Continue->setObjectName("cb_Continue");
  cb_Continue->setGeometry(16, 86, 150, 20);
  cb_MerotMode = new QCheckBox("MerotMode", mp_Option);
  cb_MerotMode->setObjectName("cb_MerotMode");
  cb_MerotMode->setGeometry(16, 112, 150, 20);
  Button1 = new QPushButton("Start", mp_Option);
  Button1->setObjectName("Button1");
  Button1->setGeometry(16, 148, 75, 25);
  Button2 = new QPushButton("Stop", mp_Option);
  Button2->setObjectName("Button2");
  Button2->setGeometry(100, 148, 75, 25);
  MainPage->addTab(mp_Option, "Option");

  mp_AxisInfo = new QWidget;
  mp_AxisInfo->setObjectName("mp_AxisInfo");
  auto* axis_layout = new QVBoxLayout(mp_AxisInfo);
  axis_layout->setContentsMargins(0, 0, 0, 0);
  AxisMemo = NewMemo(mp_AxisInfo, "AxisMemo");
  AxisMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QFont courier("Courier New");
  courier.setStyleHint(QFont::Monospace);
  AxisMemo->setFont(courier);
  axis_layout->addWidget(AxisMemo);
  MainPage->addTab(mp_AxisInfo, "AxisInfo");

  mp_AlgorithmA = AddAlgorithmPage("AlgorithmA", lb_AlgmA, lb_ScoreA, AlgmAMemo);
  mp_AlgorithmB = AddAlgorithmPage("AlgorithmB", lb_AlgmB, lb_ScoreB, AlgmBMemo);
  mp_AlgorithmC = AddAlgorithmPage("AlgorithmC", lb_AlgmC, lb_ScoreC, AlgmCMemo);
  mp_AlgorithmD = AddAlgorithmPage("AlgorithmD", lb_AlgmD, lb_ScoreD, AlgmDMemo);
  mp_AlgorithmE = AddAlgorithmPage("AlgorithmE", lb_AlgmE, lb_ScoreE, AlgmEMemo);

  mp_TotalAlgm = new QWidget;
  mp_TotalAlgm->setObjectName("mp_TotalAlgm");
  auto* total_layout = new QVBoxLayout(mp_TotalAlgm);
  total_layout->setContentsMargins(0, 0, 0, 0);
  TotamMemo = NewMemo(mp_TotalAlgm, "TotamMemo");
  TotamMemo->setPlainText("Now\tAlgmA\tAlgmB\tAlgmC\tAlgmD");
  total_layout->addWidget(TotamMemo);
  MainPage->addTab(mp_TotalAlgm, "TotalAlgm");

  MainPage->setCurrentWidget(mp_Option);

  connect(cb_WaveRange, &QComboBox::currentIndexChanged, this, [this] { cb_WaveRangeChange(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

// D label (25 high) above the score label (24 high), both in a 13-pixel font;
// the memo fills the rest of the page.
QWidget* TExpert::AddAlgorithmPage(const QString& caption, QLabel*& d_label, QLabel*& score_label,
                                   QPlainTextEdit*& memo) {
  auto* page = new QWidget;
  page->setObjectName("mp_" + caption);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  QFont font = this->font();
  font.setPixelSize(13);
  const QString letter = caption.right(1);
  d_label = new QLabel("D=", page);
  d_label->setObjectName("lb_Algm" + letter);
  d_label->setFont(font);
  d_label->setFixedHeight(25);
  score_label = new QLabel("Score=", page);
  score_label->setObjectName("lb_Score" + letter);
  score_label->setFont(font);
  score_label->setFixedHeight(24);
  memo = NewMemo(page, ("Algm" + letter + "Memo").toUtf8().constData());
  layout->addWidget(d_label);
  layout->addWidget(score_label);
  layout->addWidget(memo, 1);
  MainPage->addTab(page, caption);
  return page;
}

void TExpert::cb_WaveRangeChange() {
  if (OnWaveRangeChange) OnWaveRangeChange();
}

}  // namespace mqt
