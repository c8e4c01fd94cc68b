#pragma once

#include <memory>
#include <string_view>

#include "capture/capture_device_channel.h"
#include "platform/capture_driver/capture_interface.h"
#include "platform/capture_driver/capture_source_provider.h"

namespace mqt {

// Our capture driver, in the process. Every open handle is a device of its
// own: the start request opens the bound mice's sources and starts one reader
// thread per source, which queues their reports for that handle.
//
// A read completes at once while a report is queued. A report that arrives
// while a read is pending completes that read with no data and stays queued
// for the next read: the capture loop does not parse a read that had to wait,
// so this keeps the capture lossless. When the queue is full the reader
// threads wait, so a fast replay runs exactly as fast as the capture reads.
class CaptureDriver {
 public:
  // Reports a handle keeps before its reader threads wait.
  static constexpr std::size_t kQueueCapacity = 4096;

  // The provider must outlive the driver and every handle it opened.
  explicit CaptureDriver(CaptureSourceProvider& provider) : provider_(provider) {}

  // Member `member_index` of the device-interface class `interface_guid`,
  // opened for overlapped reads; null when no such interface is present. Our
  // driver presents one member of kCaptureInterfaceGuid while it is installed.
  std::unique_ptr<CaptureDeviceChannel> OpenInterface(std::string_view interface_guid,
                                                      int member_index);

 private:
  CaptureSourceProvider& provider_;
};

// What both capture starters call: the capture interface's member
// `member_index` (they use 0). Null when the capture device is not present.
std::unique_ptr<CaptureDeviceChannel> OpenCaptureDevice(CaptureDriver& driver, int member_index);

}  // namespace mqt
