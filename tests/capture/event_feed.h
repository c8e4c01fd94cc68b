#pragma once

#include <linux/input.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <thread>
#include <vector>

namespace mqt::testing {

// An input_event with its time in microseconds.
inline input_event Event(std::int64_t microseconds, std::uint16_t type, std::uint16_t code,
                         std::int32_t value) {
  input_event event{};
  event.input_event_sec = microseconds / 1'000'000;
  event.input_event_usec = microseconds % 1'000'000;
  event.type = type;
  event.code = code;
  event.value = value;
  return event;
}

// Stands in for a mouse's evdev node: the read end carries input_event
// records as a node hands them out. A stream socket pair rather than a pipe,
// because it can also fail a read the way an unplugged mouse does.
class EventFeed {
 public:
  EventFeed() {
    ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends_);
    // A byte waiting on the feeding end: closing that end unread resets the
    // connection (Vanish); Close() takes it first for a clean end of data.
    const char byte = 0;
    [[maybe_unused]] const ssize_t sent = ::send(ends_[0], &byte, 1, MSG_NOSIGNAL);
  }
  ~EventFeed() {
    if (writer_.joinable()) writer_.join();
    for (int fd : ends_) {
      if (fd >= 0) ::close(fd);
    }
  }
  EventFeed(const EventFeed&) = delete;
  EventFeed& operator=(const EventFeed&) = delete;

  // The end an EvdevSource takes over.
  int TakeReadEnd() {
    const int fd = ends_[0];
    ends_[0] = -1;
    return fd;
  }

  // Writes the bytes of `events`, from `first_byte` on up to `last_byte`
  // (exclusive), as one piece. Returns false when the reader has gone.
  bool Write(const std::vector<input_event>& events, std::size_t first_byte = 0,
             std::size_t last_byte = SIZE_MAX) {
    const auto* bytes = reinterpret_cast<const char*>(events.data());
    const std::size_t size = std::min(last_byte, events.size() * sizeof(input_event));
    for (std::size_t at = first_byte; at < size;) {
      const ssize_t sent = ::send(ends_[1], bytes + at, size - at, MSG_NOSIGNAL);
      if (sent <= 0) return false;
      at += static_cast<std::size_t>(sent);
    }
    return true;
  }

  // Writes `events` and then ends the data, on a thread of its own, for feeds
  // larger than the socket holds; it gives up when the reader closes its end.
  void WriteAllThenClose(std::vector<input_event> events) {
    writer_ = std::thread([this, events = std::move(events)] {
      Write(events);
      EndData();
    });
  }

  // The end of the data: the reader sees end of file.
  void Close() {
    if (writer_.joinable()) writer_.join();
    EndData();
  }

  // The device goes away: once the data sent is read, the next read fails.
  void Vanish() {
    if (writer_.joinable()) writer_.join();
    ::close(ends_[1]);
    ends_[1] = -1;
  }

 private:
  void EndData() {
    if (ends_[1] < 0) return;
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::recv(ends_[1], &byte, 1, MSG_DONTWAIT);
    ::close(ends_[1]);
    ends_[1] = -1;
  }

  int ends_[2] = {-1, -1};
  std::thread writer_;
};

}  // namespace mqt::testing
