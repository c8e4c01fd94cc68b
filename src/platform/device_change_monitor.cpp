#include "platform/device_change_monitor.h"

#include <libudev.h>

#include <QSocketNotifier>

#include <string>

namespace mqt {
namespace {

class UdevInputReceiver final : public DeviceChangeReceiver {
 public:
  UdevInputReceiver() {
    context_ = udev_new();
    if (context_ == nullptr) return;
    monitor_ = udev_monitor_new_from_netlink(context_, "udev");
    if (monitor_ == nullptr) return;
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "input", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
      udev_monitor_unref(monitor_);
      monitor_ = nullptr;
    }
  }
  ~UdevInputReceiver() override {
    if (monitor_ != nullptr) udev_monitor_unref(monitor_);
    if (context_ != nullptr) udev_unref(context_);
  }
  UdevInputReceiver(const UdevInputReceiver&) = delete;
  UdevInputReceiver& operator=(const UdevInputReceiver&) = delete;

  int fd() const override { return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1; }

  bool TakeChanges() override {
    bool mouse_changed = false;
    // The monitor's socket does not block: this ends when nothing waits.
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
      const char* action = udev_device_get_action(device);
      const char* sysname = udev_device_get_sysname(device);
      const char* mouse = udev_device_get_property_value(device, "ID_INPUT_MOUSE");
      mouse_changed |=
          IsMouseChange(action != nullptr ? action : "", sysname != nullptr ? sysname : "",
                        mouse != nullptr && std::string_view(mouse) == "1");
      udev_device_unref(device);
    }
    return mouse_changed;
  }

 private:
  udev* context_ = nullptr;
  udev_monitor* monitor_ = nullptr;
};

}  // namespace

bool IsMouseChange(std::string_view action, std::string_view sysname, bool is_mouse) {
  return is_mouse && sysname.starts_with("event") && (action == "add" || action == "remove");
}

std::unique_ptr<DeviceChangeReceiver> OpenInputDeviceReceiver() {
  return std::make_unique<UdevInputReceiver>();
}

DeviceChangeMonitor::DeviceChangeMonitor(std::function<void()> changed, QObject* parent)
    : DeviceChangeMonitor(OpenInputDeviceReceiver(), std::move(changed), parent) {}

DeviceChangeMonitor::DeviceChangeMonitor(std::unique_ptr<DeviceChangeReceiver> receiver,
                                         std::function<void()> changed, QObject* parent)
    : QObject(parent), receiver_(std::move(receiver)), changed_(std::move(changed)) {
  if (receiver_ == nullptr || receiver_->fd() < 0) return;
  notifier_ = new QSocketNotifier(receiver_->fd(), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Receive(); });
}

DeviceChangeMonitor::~DeviceChangeMonitor() {
  // The notifier watches the receiver's descriptor: it goes first.
  delete notifier_;
}

void DeviceChangeMonitor::Receive() {
  if (receiver_->TakeChanges() && changed_) changed_();
}

}  // namespace mqt
