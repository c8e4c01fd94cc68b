#include "shell/form_context.h"

#include <QGuiApplication>
#include <QScreen>

namespace mqt {

QSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->size() : QSize();
}

QSize FormContext::Screen() const { return screen_size ? screen_size() : PrimaryScreenSize(); }

}  // namespace mqt
