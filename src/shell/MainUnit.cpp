#include "shell/MainUnit.h"

namespace mqt {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainForm");
  resize(800, 600);
}

}  // namespace mqt
