#include "platform/capture_driver/capture_driver.h"

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "capture/capture_record.h"

namespace mqt {
namespace {

bool SameGuid(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

// One open handle of the capture interface, with its overlapped block and
// read event.
class CaptureDevice final : public CaptureDeviceChannel {
 public:
  explicit CaptureDevice(CaptureSourceProvider& provider) : provider_(provider) {}
  ~CaptureDevice() override { Close(); }

  bool StartRecord() override { return DeviceIoControl(IOCTL_MOUCAP_START_RECORD); }
  ReadStatus Read(std::span<std::uint8_t> buffer) override;
  bool WaitForRead(std::chrono::milliseconds timeout) override;
  bool QueryCompletion() override;
  void CancelIo() override;
  void Close() override;
  std::string FailureDetail() override;

 private:
  // State of the overlapped block.
  enum class Io { Idle, Pending, Succeeded, Failed };

  struct Queued {
    RecordedReport report;
    std::size_t source = 0;
  };

  // The device control requests the capture device knows: only the start request.
  bool DeviceIoControl(std::uint32_t code);
  void ReaderThread(std::size_t source);
  bool Queue(const RecordedReport& report, std::size_t source);
  void Fail(const std::string& reason);
  void SignalLocked(Io result) {
    io_ = result;
    event_signalled_ = true;
    event_changed_.notify_all();
  }

  CaptureSourceProvider& provider_;
  std::mutex mutex_;
  // The read event, and room in the queue for the reader threads. Readers are
  // woken only when the queue has half emptied, not after every read.
  std::condition_variable event_changed_;
  std::condition_variable room_;
  int readers_waiting_ = 0;
  std::deque<Queued> queue_;
  Io io_ = Io::Idle;
  bool event_signalled_ = false;
  bool recording_ = false;
  bool closed_ = false;
  std::string failure_;
  // Written only by StartRecord and Close, on the thread that owns the handle.
  std::vector<BoundReportSource> sources_;
  std::vector<std::thread> readers_;
};

bool CaptureDevice::DeviceIoControl(std::uint32_t code) {
  if (code != IOCTL_MOUCAP_START_RECORD) return false;
  {
    std::lock_guard lock(mutex_);
    if (closed_) return false;
    if (recording_) return true;
  }
  // A driver removed since the handle was opened refuses to start.
  if (!provider_.CaptureInterfacePresent()) return false;
  sources_ = provider_.OpenBoundSources();
  {
    std::lock_guard lock(mutex_);
    recording_ = true;
  }
  for (std::size_t i = 0; i < sources_.size(); ++i) {
    if (sources_[i].source) readers_.emplace_back(&CaptureDevice::ReaderThread, this, i);
  }
  return true;
}

void CaptureDevice::ReaderThread(std::size_t source) {
  ReportSource& reports = *sources_[source].source;
  for (;;) {
    SourceEvent event = reports.Next();
    switch (event.kind) {
      case SourceEvent::Kind::Report:
        if (!Queue(event.report, source)) return;
        continue;
      case SourceEvent::Kind::Failed:
        Fail(sources_[source].instance_id + ": " + event.failure);
        return;
      case SourceEvent::Kind::End:
        return;
    }
  }
}

bool CaptureDevice::Queue(const RecordedReport& report, std::size_t source) {
  std::unique_lock lock(mutex_);
  if (queue_.size() >= CaptureDriver::kQueueCapacity) {
    ++readers_waiting_;
    room_.wait(lock,
               [this] { return closed_ || queue_.size() <= CaptureDriver::kQueueCapacity / 2; });
    --readers_waiting_;
  }
  if (closed_) return false;
  queue_.push_back({report, source});
  // Wake the waiting thread; the report itself stays queued for the next read.
  if (io_ == Io::Pending) SignalLocked(Io::Succeeded);
  return true;
}

void CaptureDevice::Fail(const std::string& reason) {
  std::lock_guard lock(mutex_);
  if (failure_.empty()) failure_ = reason;
  if (io_ == Io::Pending) SignalLocked(Io::Failed);
}

CaptureDeviceChannel::ReadStatus CaptureDevice::Read(std::span<std::uint8_t> buffer) {
  std::lock_guard lock(mutex_);
  // ReadFile resets the overlapped block's event before it starts.
  event_signalled_ = false;
  if (closed_) {
    io_ = Io::Failed;
    return ReadStatus::Failed;
  }
  if (!queue_.empty()) {
    const Queued next = queue_.front();
    queue_.pop_front();
    WriteCaptureRecord(buffer, next.report.frequency, next.report.timestamp,
                       sources_[next.source].instance_id, next.report.dx, next.report.dy);
    SignalLocked(Io::Succeeded);
    if (readers_waiting_ > 0 && queue_.size() <= CaptureDriver::kQueueCapacity / 2)
      room_.notify_all();
    return ReadStatus::Completed;
  }
  // Reports queued before a failure are all delivered first; then every read
  // completes with the error, so a mouse that went away always ends the
  // capture through the completion query.
  if (!failure_.empty()) {
    SignalLocked(Io::Failed);
    return ReadStatus::Pending;
  }
  io_ = Io::Pending;
  return ReadStatus::Pending;
}

bool CaptureDevice::WaitForRead(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return event_changed_.wait_for(lock, timeout, [this] { return event_signalled_; });
}

bool CaptureDevice::QueryCompletion() {
  std::lock_guard lock(mutex_);
  return io_ == Io::Succeeded;
}

void CaptureDevice::CancelIo() {
  std::lock_guard lock(mutex_);
  if (io_ == Io::Pending) SignalLocked(Io::Failed);
}

void CaptureDevice::Close() {
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    closed_ = true;
    if (io_ == Io::Pending) SignalLocked(Io::Failed);
    queue_.clear();
  }
  room_.notify_all();
  for (BoundReportSource& bound : sources_) {
    if (bound.source) bound.source->Stop();
  }
  for (std::thread& reader : readers_) reader.join();
  readers_.clear();
  sources_.clear();
}

std::string CaptureDevice::FailureDetail() {
  std::lock_guard lock(mutex_);
  return failure_;
}

}  // namespace

std::unique_ptr<CaptureDeviceChannel> CaptureDriver::OpenInterface(std::string_view interface_guid,
                                                                   int member_index) {
  if (!SameGuid(interface_guid, kCaptureInterfaceGuid) || member_index != 0) return nullptr;
  if (!provider_.CaptureInterfacePresent()) return nullptr;
  return std::make_unique<CaptureDevice>(provider_);
}

std::unique_ptr<CaptureDeviceChannel> OpenCaptureDevice(CaptureDriver& driver, int member_index) {
  return driver.OpenInterface(kCaptureInterfaceGuid, member_index);
}

}  // namespace mqt
