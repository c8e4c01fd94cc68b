#include "platform/capture_driver/evdev_open.h"

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/capture_driver/evdev_source.h"
#include "platform/paths.h"

namespace mqt {

std::string EvdevOpenFailure(const std::string& node, int error, const std::string& udev_rule) {
  const std::string reason = std::strerror(error);
  if (error == EACCES || error == EPERM) {
    return node + ": no permission to read this mouse (" + reason +
           "). Give the operator access: add the user to the group \"input\" "
           "(sudo usermod -aG input $USER, then log in again), or install the station's udev "
           "rule (sudo cp \"" +
           udev_rule +
           "\" /etc/udev/rules.d/) and plug the mouse in again. Then start the test again.";
  }
  if (error == ENOENT || error == ENODEV || error == ENXIO) {
    return node + ": the mouse is not there any more (" + reason +
           "). Plug it in again, choose it in the device list and start the test again.";
  }
  return node + ": cannot be opened (" + reason + ")";
}

std::unique_ptr<ReportSource> OpenEvdevMouse(const std::string& node,
                                             const std::string& udev_rule) {
  const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::make_unique<FailedSource>(EvdevOpenFailure(node, errno, udev_rule));

  auto fail = [&](std::string reason, libevdev* device) -> std::unique_ptr<ReportSource> {
    if (device != nullptr) libevdev_free(device);
    ::close(fd);
    return std::make_unique<FailedSource>(node + ": " + reason);
  };
  libevdev* device = nullptr;
  if (const int rc = libevdev_new_from_fd(fd, &device); rc < 0)
    return fail(std::string("not an input event node (") + std::strerror(-rc) + ")", nullptr);
  if (!libevdev_has_event_code(device, EV_REL, REL_X) ||
      !libevdev_has_event_code(device, EV_REL, REL_Y)) {
    return fail(std::string("\"") + libevdev_get_name(device) + "\" reports no X and Y movement",
                device);
  }
  // The kernel stamps events with the wall clock unless told otherwise; the
  // capture needs a clock that never jumps.
  if (const int rc = libevdev_set_clock_id(device, CLOCK_MONOTONIC); rc < 0) {
    return fail(std::string("cannot stamp its events with the monotonic clock (") +
                    std::strerror(-rc) + ")",
                device);
  }
  // Only the checks need libevdev; the source reads the node itself.
  libevdev_free(device);
  return std::make_unique<EvdevSource>(fd, node);
}

std::unique_ptr<ReportSource> OpenEvdevMouse(const std::string& node) {
  return OpenEvdevMouse(node, ProgramFolder() + kUdevRuleFile);
}

}  // namespace mqt
