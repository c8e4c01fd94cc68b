#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

#include "platform/capture_driver/report_source.h"

namespace mqt {

// A mouse the test moves by hand: Next() blocks until the test pushes a
// report, a failure or the end.
class ManualSource final : public ReportSource {
 public:
  void Push(const RecordedReport& report) { Add(SourceEvent::Of(report)); }
  void Fail(const std::string& reason) { Add(SourceEvent::FailedWith(reason)); }

  SourceEvent Next() override {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopped_ || !events_.empty(); });
    if (events_.empty()) return SourceEvent::Ended();
    SourceEvent event = events_.front();
    events_.pop_front();
    return event;
  }
  void Stop() override {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
  }

 private:
  void Add(SourceEvent event) {
    std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<SourceEvent> events_;
  bool stopped_ = false;
};

}  // namespace mqt
