#include "app/score_echo.h"

#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace mqt {

namespace {

// Reads the label when it is painted: that is the moment the operator sees
// the text, whichever code set it.
class ScoreEcho : public QObject {
 public:
  explicit ScoreEcho(QLabel* label) : QObject(label), last_(label->text()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const QString text = static_cast<QLabel*>(watched)->text();
      if (text != last_) {
        last_ = text;
        std::printf("score: %s\n", text.toUtf8().constData());
        std::fflush(stdout);
      }
    }
    return false;
  }

 private:
  QString last_;
};

}  // namespace

void EchoScoreIfAsked(QWidget* main_form) {
  const char* value = std::getenv(kPrintScoreVariable);
  if (value == nullptr || *value == '\0' || std::strcmp(value, "0") == 0) return;
  if (main_form == nullptr) return;
  auto* label = main_form->findChild<QLabel*>("lb_Score");
  if (label == nullptr) return;
  label->installEventFilter(new ScoreEcho(label));
}

}  // namespace mqt
