#include "shell/dialog_window_proc.h"

#include <QWidget>

namespace mqt {

void InstallDialogWindowProc(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->setAttribute(Qt::WA_QuitOnClose, false);
}

}  // namespace mqt
