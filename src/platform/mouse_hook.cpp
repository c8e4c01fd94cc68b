#include "platform/mouse_hook.h"

#include <QAbstractNativeEventFilter>
#include <QDir>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <vector>

namespace mqt {
namespace {

// XInput2 raw motion of the master pointers, selected on the root window:
// every physical and injected motion once, wherever the pointer is.
class XInputMouseHook final : public MouseHook, public QAbstractNativeEventFilter {
 public:
  XInputMouseHook(xcb_connection_t* connection, xcb_window_t root, std::uint8_t opcode,
                  std::function<void()> on_move)
      : connection_(connection), root_(root), opcode_(opcode), on_move_(std::move(on_move)) {
    Select(XCB_INPUT_XI_EVENT_MASK_RAW_MOTION);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~XInputMouseHook() override {
    if (QCoreApplication* app = QCoreApplication::instance()) {
      app->removeNativeEventFilter(this);
      Select(0);
    }
  }

  std::string Source() const override { return "XInput2 raw motion"; }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC) return false;
    const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
    if (generic->extension == opcode_ && generic->event_type == XCB_INPUT_RAW_MOTION) on_move_();
    // The event goes on to the application either way.
    return false;
  }

 private:
  void Select(std::uint32_t mask) {
    struct {
      xcb_input_event_mask_t head;
      std::uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, mask};
    xcb_input_xi_select_events(connection_, root_, 1, &selection.head);
    xcb_flush(connection_);
  }

  xcb_connection_t* connection_;
  xcb_window_t root_;
  std::uint8_t opcode_;
  std::function<void()> on_move_;
};

std::unique_ptr<MouseHook> InstallXInputHook(std::function<void()>& on_move) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return nullptr;
  xcb_connection_t* connection = x11->connection();
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_input_id);
  if (extension == nullptr || !extension->present) return nullptr;
  // The connection is Qt's, which has asked for XInput 2.2 or later already;
  // the server refuses a lower version on it afterwards.
  xcb_input_xi_query_version_reply_t* version = xcb_input_xi_query_version_reply(
      connection, xcb_input_xi_query_version(connection, 2, 4), nullptr);
  const bool xi2 = version != nullptr && version->major_version >= 2;
  free(version);
  if (!xi2) return nullptr;
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup);
  if (screen.rem == 0) return nullptr;
  return std::make_unique<XInputMouseHook>(connection, screen.data->root, extension->major_opcode,
                                           std::move(on_move));
}

// One evdev mouse: a report frame with relative X or Y motion is one move.
struct EvdevMouse {
  int fd = -1;
  libevdev* device = nullptr;
  std::unique_ptr<QSocketNotifier> notifier;
  bool moved = false;
};

class EvdevMouseHook final : public MouseHook {
 public:
  EvdevMouseHook(std::vector<std::unique_ptr<EvdevMouse>> mice, std::function<void()> on_move)
      : mice_(std::move(mice)), on_move_(std::move(on_move)) {
    for (auto& mouse : mice_) {
      EvdevMouse* m = mouse.get();
      m->notifier = std::make_unique<QSocketNotifier>(m->fd, QSocketNotifier::Read);
      QObject::connect(m->notifier.get(), &QSocketNotifier::activated, [this, m] { Drain(*m); });
    }
  }
  ~EvdevMouseHook() override {
    for (auto& mouse : mice_) {
      mouse->notifier.reset();
      libevdev_free(mouse->device);
      close(mouse->fd);
    }
  }

  std::string Source() const override {
    return "evdev: " + std::to_string(mice_.size()) + (mice_.size() == 1 ? " mouse" : " mice");
  }

 private:
  void Drain(EvdevMouse& mouse) {
    input_event event{};
    int rc = 0;
    while ((rc = libevdev_next_event(mouse.device, LIBEVDEV_READ_FLAG_NORMAL, &event)) >= 0) {
      // After a dropped-events notice the device is resynchronised; its
      // state holds no motion, so just read on.
      if (rc == LIBEVDEV_READ_STATUS_SYNC) continue;
      if (event.type == EV_REL && (event.code == REL_X || event.code == REL_Y)) mouse.moved = true;
      if (event.type == EV_SYN && event.code == SYN_REPORT && mouse.moved) {
        mouse.moved = false;
        on_move_();
      }
    }
    // A mouse unplugged: stop watching it.
    if (rc != -EAGAIN) mouse.notifier->setEnabled(false);
  }

  std::vector<std::unique_ptr<EvdevMouse>> mice_;
  std::function<void()> on_move_;
};

std::unique_ptr<MouseHook> InstallEvdevHook(std::function<void()>& on_move) {
  std::vector<std::unique_ptr<EvdevMouse>> mice;
  const QStringList nodes = QDir("/dev/input").entryList({"event*"}, QDir::System);
  for (const QString& node : nodes) {
    const QByteArray path = ("/dev/input/" + node).toLocal8Bit();
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    libevdev* device = nullptr;
    if (libevdev_new_from_fd(fd, &device) < 0) {
      close(fd);
      continue;
    }
    if (!libevdev_has_event_code(device, EV_REL, REL_X) ||
        !libevdev_has_event_code(device, EV_REL, REL_Y)) {
      libevdev_free(device);
      close(fd);
      continue;
    }
    auto mouse = std::make_unique<EvdevMouse>();
    mouse->fd = fd;
    mouse->device = device;
    mice.push_back(std::move(mouse));
  }
  if (mice.empty()) return nullptr;
  return std::make_unique<EvdevMouseHook>(std::move(mice), std::move(on_move));
}

}  // namespace

std::unique_ptr<MouseHook> InstallMouseHook(std::function<void()> on_move) {
  if (std::unique_ptr<MouseHook> hook = InstallXInputHook(on_move)) return hook;
  return InstallEvdevHook(on_move);
}

}  // namespace mqt
