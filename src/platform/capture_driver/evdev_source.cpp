#include "platform/capture_driver/evdev_source.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace mqt {

EvdevSource::EvdevSource(int fd, std::string node)
    : fd_(fd), wake_fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), node_(std::move(node)) {
  if (wake_fd_ < 0) failure_ = node_ + ": cannot be watched (" + std::strerror(errno) + ")";
  // Reads only follow a poll that saw data; non-blocking, a read that finds
  // none after all goes back to the poll, where Stop() is seen.
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags >= 0) ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
}

EvdevSource::~EvdevSource() {
  if (fd_ >= 0) ::close(fd_);
  if (wake_fd_ >= 0) ::close(wake_fd_);
}

SourceEvent EvdevSource::Next() {
  for (;;) {
    if (stopped_) return SourceEvent::Ended();
    while (end_ - begin_ >= sizeof(input_event)) {
      input_event event;
      std::memcpy(&event, bytes_.data() + begin_, sizeof event);
      begin_ += sizeof event;
      if (std::optional<RecordedReport> report = frames_.Feed(event))
        return SourceEvent::Of(*report);
    }
    // Keep the part of an event that has not fully arrived.
    std::memmove(bytes_.data(), bytes_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    switch (ReadMore()) {
      case Fill::More:
        continue;
      case Fill::Stopped:
      case Fill::Ended:
        return SourceEvent::Ended();
      case Fill::Failed:
        return SourceEvent::FailedWith(failure_);
    }
  }
}

EvdevSource::Fill EvdevSource::ReadMore() {
  if (fd_ < 0) failure_ = node_ + ": not open";
  if (!failure_.empty()) return Fill::Failed;
  pollfd watched[2] = {{fd_, POLLIN, 0}, {wake_fd_, POLLIN, 0}};
  for (;;) {
    if (::poll(watched, 2, -1) >= 0) break;
    if (errno != EINTR) {
      failure_ = node_ + ": cannot be watched (" + std::strerror(errno) + ")";
      return Fill::Failed;
    }
  }
  if (watched[1].revents != 0 || stopped_) return Fill::Stopped;
  if ((watched[0].revents & POLLNVAL) != 0) {
    failure_ = node_ + ": not open";
    return Fill::Failed;
  }
  const ssize_t got = ::read(fd_, bytes_.data() + end_, bytes_.size() - end_);
  if (got > 0) {
    end_ += static_cast<std::size_t>(got);
    return Fill::More;
  }
  if (got == 0) return Fill::Ended;
  if (errno == EAGAIN || errno == EINTR) return Fill::More;
  const int error = errno;
  failure_ = error == ENODEV
                 ? node_ + ": the mouse went away during the capture (" + std::strerror(error) + ")"
                 : node_ + ": reading the mouse failed (" + std::strerror(error) + ")";
  return Fill::Failed;
}

void EvdevSource::Stop() {
  stopped_ = true;
  const std::uint64_t one = 1;
  // The counter stays readable, so every later wait ends at once too.
  [[maybe_unused]] const ssize_t written = ::write(wake_fd_, &one, sizeof one);
}

}  // namespace mqt
