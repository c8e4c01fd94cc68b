#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string_view>

class QSocketNotifier;

namespace mqt {

// Whether a udev event of the input subsystem changes the device list: an
// event node of a mouse added or removed. The input device and the legacy
// mouseN node of the same mouse come with it and are not counted again.
bool IsMouseChange(std::string_view action, std::string_view sysname, bool is_mouse);

// Where device changes come from: a descriptor that turns readable while
// changes wait, and the taking of them.
class DeviceChangeReceiver {
 public:
  virtual ~DeviceChangeReceiver() = default;
  // -1 when nothing can be watched.
  virtual int fd() const = 0;
  // Takes every change waiting now; true when one of them added or removed a mouse.
  virtual bool TakeChanges() = 0;
};

// udev's monitor of the input subsystem; its fd() is -1 when udev cannot be
// reached.
std::unique_ptr<DeviceChangeReceiver> OpenInputDeviceReceiver();

// The device-change notification: calls `changed` on the thread it was
// created on (the user-interface thread) once for every batch of waiting
// changes that added or removed a mouse. The station posts the main window's
// device-change event from `changed`, which MainWindowProc handles.
class DeviceChangeMonitor : public QObject {
 public:
  // Watches udev's input subsystem.
  explicit DeviceChangeMonitor(std::function<void()> changed, QObject* parent = nullptr);
  DeviceChangeMonitor(std::unique_ptr<DeviceChangeReceiver> receiver, std::function<void()> changed,
                      QObject* parent = nullptr);
  ~DeviceChangeMonitor() override;

  // False when no notification can come (udev unreachable).
  bool watching() const { return notifier_ != nullptr; }

 private:
  void Receive();

  std::unique_ptr<DeviceChangeReceiver> receiver_;
  std::function<void()> changed_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace mqt
