#pragma once

#include <QEvent>

namespace mqt {

// Posted to the main window when a device of the input subsystem was added or
// removed (the Linux side of WM_DEVICECHANGE).
class DeviceChangeEvent : public QEvent {
 public:
  DeviceChangeEvent() : QEvent(EventType()) {}
  static QEvent::Type EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }
};

}  // namespace mqt
