#pragma once

#include <linux/input.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <string>

#include "platform/capture_driver/evdev_frames.h"
#include "platform/capture_driver/report_source.h"

namespace mqt {

// A real mouse behind the capture driver: reads the input_event records of
// its evdev node and yields one report per frame (EvdevFrameAssembler), with
// the kernel's timestamps.
//
// It reads the records with read(2), as the kernel hands them out, so a pipe
// carrying recorded events drives exactly the code a mouse drives. Opening
// the node and checking it is OpenEvdevMouse's job.
class EvdevSource final : public ReportSource {
 public:
  // Takes `fd` over: an evdev node opened for reading, or a pipe or socket
  // carrying input_event records. `node` names it in failure messages.
  EvdevSource(int fd, std::string node);
  ~EvdevSource() override;
  EvdevSource(const EvdevSource&) = delete;
  EvdevSource& operator=(const EvdevSource&) = delete;

  // The next movement report. A read error (the mouse was unplugged: ENODEV)
  // is a failure naming the node; the end of a pipe's data ends the source
  // (an evdev node never reaches an end). A frame cut off by either is lost.
  SourceEvent Next() override;
  // Wakes a Next() blocked on the node; it and every later call return End.
  void Stop() override;

  // Read after the capture, on the thread that called Next().
  const EvdevFrameLosses& losses() const { return frames_.losses(); }

 private:
  enum class Fill { More, Stopped, Ended, Failed };
  Fill ReadMore();

  int fd_;
  int wake_fd_;
  std::string node_;
  std::string failure_;
  std::atomic<bool> stopped_{false};
  EvdevFrameAssembler frames_;
  // Bytes read but not yet taken as events; a pipe may deliver part of one.
  std::array<unsigned char, 64 * sizeof(input_event)> bytes_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace mqt
