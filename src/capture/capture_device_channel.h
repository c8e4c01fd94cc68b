#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace mqt {

// What a capture thread does with its open device handle: the start request,
// overlapped reads into one buffer with one read event, the completion query,
// cancel and close. The capture driver implements it; tests script it.
class CaptureDeviceChannel {
 public:
  enum class ReadStatus {
    Completed,  // a record lies in the buffer and the read event is signalled
    Pending,    // ERROR_IO_PENDING: the read event is signalled when it completes
    Failed,     // any other error
  };

  virtual ~CaptureDeviceChannel() = default;

  // DeviceIoControl with IOCTL_MOUCAP_START_RECORD; true when recording started.
  virtual bool StartRecord() = 0;
  // ReadFile of `buffer.size()` bytes with the overlapped block.
  virtual ReadStatus Read(std::span<std::uint8_t> buffer) = 0;
  // Waits on the read event; false on time-out.
  virtual bool WaitForRead(std::chrono::milliseconds timeout) = 0;
  // GetOverlappedResult without waiting; false when the read failed, was
  // cancelled or has not completed.
  virtual bool QueryCompletion() = 0;
  // CancelIo: ends the read still pending on the handle.
  virtual void CancelIo() = 0;
  virtual void Close() = 0;
  // Why the last read or completion failed, for the operator ("" if unknown).
  virtual std::string FailureDetail() = 0;
};

}  // namespace mqt
