#pragma once

#include <QMainWindow>

namespace mqt {

// The station's main window.
class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
};

}  // namespace mqt
