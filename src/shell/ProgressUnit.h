#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

class QLabel;
class QTimer;

namespace mqt {

struct StationContext;

// The progress banner: a borderless blue strip on top while a test starts or
// the capture filter is removed. The caller sets Message and Animated, shows
// it without blocking, and whoever ends the activity closes (hides) it.
class TProgressForm : public QWidget {
  Q_OBJECT
 public:
  explicit TProgressForm(StationContext& context, QWidget* parent = nullptr);

  QLabel* lb_Progress = nullptr;
  QTimer* Timer1 = nullptr;

  // UTF-8, as the language file gives it.
  std::string Message;
  // 0: the bare message; 1: the message followed by cycling dots.
  int Animated = 0;
  // Where the dot cycle stands; kept for the whole run, never reset.
  std::int32_t DotCount = 0;

  void Timer1Timer();

 private:
  StationContext& context_;
};

}  // namespace mqt
