#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <vector>

#include "display/qimage_canvas.h"

class QComboBox;

namespace mqt {

// A picture box: holds a picture and paints it at its top-left corner. The
// picture keeps its size when the box is resized; drawing goes to Picture().
class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent = nullptr);

  QImage& Picture() { return picture_; }
  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  // Where the pointer was when the last click happened, in picture pixels.
  QPoint LastClickPos() const { return last_click_; }

 signals:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  QPoint last_click_;
  bool pressed_ = false;
};

// The wave image: a picture box whose picture is the plot's canvas. The canvas
// is made at the box's size when first used and keeps its size until FitCanvas.
class TWaveImage : public QWidget {
  Q_OBJECT
 public:
  explicit TWaveImage(QWidget* parent = nullptr);

  QImageCanvas& Canvas();
  // Gives the canvas the box's present size.
  void FitCanvas();
  // The picture as drawn so far (empty before the canvas is first used).
  QImage Picture() const;
  QPoint LastClickPos() const { return last_click_; }

 signals:
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::unique_ptr<QImageCanvas> canvas_;
  QPoint last_click_;
  bool pressed_ = false;
};

// A label that reports clicks.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// The progress gauge: a bar from MinValue to MaxValue at Progress, with the
// percentage written across it.
class TGauge : public QWidget {
  Q_OBJECT
 public:
  explicit TGauge(QWidget* parent = nullptr);

  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  int Progress() const { return progress_; }
  void SetMinValue(int value);
  void SetMaxValue(int value);
  void SetProgress(int value);
  void SetColors(const QColor& back, const QColor& fore);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int progress_ = 0;
  QColor back_ = Qt::black;
  QColor fore_ = Qt::blue;
};

// The toolbar: lays its visible children out left to right in creation order,
// at their own widths, again whenever one of them changes size, so a wider
// button pushes the following ones along. Qt holds back size-change notices of
// a window not shown yet, so code that resizes controls before the window is
// shown calls Arrange() (the main window's constructor does, after its captions).
class TToolBar : public QFrame {
  Q_OBJECT
 public:
  explicit TToolBar(QWidget* parent = nullptr);
  // Adds a control at the end of the row.
  void Add(QWidget* control, int top);
  void Arrange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Item {
    QWidget* control;
    int top;
  };
  std::vector<Item> items_;
  bool arranging_ = false;
};

// The band bar with its one band: the band text, then the band's control.
class TCoolBar : public QFrame {
  Q_OBJECT
 public:
  explicit TCoolBar(QWidget* parent = nullptr);
  void SetBand(const QString& text, QWidget* control);
  QString BandText() const;
  void SetBandText(const QString& text);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ArrangeBand();
  QLabel* band_label_ = nullptr;
  QWidget* band_control_ = nullptr;
};

}  // namespace mqt
