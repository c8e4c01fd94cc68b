#pragma once

// Scripted stand-ins for everything the device steps reach: the window, the
// operator's answers, programs, the driver set-up library, files and time.
// Each writes what happens to one shared journal, so a test can check order.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "devices/device_management.h"
#include "devices/device_window.h"
#include "devices/file_store.h"
#include "devices/retry_clock.h"

namespace mqt::testing {

using Journal = std::vector<std::string>;

class FakeWindow : public DeviceWindow {
 public:
  explicit FakeWindow(Journal& journal) : journal_(journal) {}

  void SetDeviceItems(const std::vector<std::string>& entries) override {
    items = entries;
    text.clear();
    journal_.push_back("list rebuilt");
  }
  std::vector<std::string> DeviceItems() override { return items; }
  void SelectDeviceItem(std::size_t index) override {
    ASSERT_LT(index, items.size());
    text = items[index];
  }
  void SetDeviceText(const std::string& value) override { text = value; }
  std::string DeviceText() override { return text; }
  void EnableRecord() override {
    record_enabled = true;
    journal_.push_back("record enabled");
  }
  void SetBusyControls() override {
    busy = true;
    journal_.push_back("busy");
  }
  void SetIdleControls() override {
    busy = false;
    journal_.push_back("idle");
  }
  void ShowBanner(const std::string& message, bool animated) override {
    journal_.push_back("banner " + message + (animated ? " animated" : ""));
  }
  void CloseBanner() override { journal_.push_back("banner closed"); }
  void DrawEmptyPlot() override { journal_.push_back("plot"); }
  void ShowDriverWarning() override { journal_.push_back("driver warning"); }

  std::vector<std::string> items;
  std::string text;
  bool record_enabled = false;
  bool busy = false;

 private:
  Journal& journal_;
};

// Yes/No questions take the next scripted answer; other boxes just record.
class ScriptedPrompter : public Prompter {
 public:
  explicit ScriptedPrompter(Journal& journal) : journal_(journal) {}

  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon) override {
    const bool question = buttons == MsgButtons::YesNo;
    journal_.push_back((question ? "question " : "message ") + text +
                       (caption.empty() ? "" : " | " + caption));
    if (!question) return MsgResult::Ok;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return MsgResult::No;
    }
    const MsgResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    ADD_FAILURE() << "no input box expected";
    return std::nullopt;
  }

  std::deque<MsgResult> answers;

 private:
  Journal& journal_;
};

class RecordingRunner : public ProgramRunner {
 public:
  explicit RecordingRunner(Journal& journal) : journal_(journal) {}

  bool Start(const std::string& command_line, bool hidden) override {
    journal_.push_back(std::string(hidden ? "start hidden " : "start ") + command_line);
    if (on_start) on_start(command_line);
    return start_succeeds;
  }

  bool start_succeeds = true;
  std::function<void(const std::string&)> on_start;

 private:
  Journal& journal_;
};

class ScriptedDriverSetup : public DriverSetupLibrary {
 public:
  explicit ScriptedDriverSetup(Journal& journal) : journal_(journal) {}

  std::int32_t IsExistDriver(const std::string& hardware_id) override {
    journal_.push_back("IsExistDriver " + hardware_id);
    return present.count(hardware_id) ? 1 : 0;
  }
  std::int32_t InstallDriver(const std::string& hardware_id, const std::string& inf_path,
                             std::int32_t& need_restart) override {
    journal_.push_back("InstallDriver " + hardware_id + " " + inf_path);
    if (during_install) during_install();
    need_restart = install_needs_restart ? 1 : 0;
    return 1;
  }
  std::int32_t cmdUpdate(const std::string& inf_path, const std::string& hardware_id) override {
    journal_.push_back("cmdUpdate " + inf_path + " " + hardware_id);
    return update_result;
  }
  std::int32_t RemoveDriver(const std::string& hardware_id, std::int32_t flags,
                            std::int32_t& need_restart) override {
    journal_.push_back("RemoveDriver " + hardware_id + " " + std::to_string(flags));
    need_restart = 0;
    return 1;
  }
  std::int32_t Reflash() override {
    journal_.push_back("Reflash");
    return 1;
  }

  std::set<std::string> present;
  bool install_needs_restart = false;
  std::int32_t update_result = kCmdUpdateOk;
  std::function<void()> during_install;

 private:
  Journal& journal_;
};

class MemoryFiles : public FileStore {
 public:
  bool Exists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::vector<std::string>> ReadLines(const std::string& path) override {
    ++reads;
    auto failures = failing_reads.find(path);
    if (failures != failing_reads.end() && failures->second != 0) {
      if (failures->second > 0) --failures->second;  // -1: fails for ever
      return std::nullopt;
    }
    auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second;
  }
  bool WriteLines(const std::string& path, const std::vector<std::string>& lines) override {
    ++writes;
    if (writes_fail) return false;
    files[path] = lines;
    return true;
  }

  std::map<std::string, std::vector<std::string>> files;
  std::map<std::string, int> failing_reads;  // path -> reads that fail first
  bool writes_fail = false;
  int reads = 0;
  int writes = 0;
};

class FakeClock : public RetryClock {
 public:
  std::chrono::milliseconds Now() override { return now; }
  void Sleep(std::chrono::milliseconds duration) override {
    now += duration;
    ++sleeps;
  }
  std::chrono::milliseconds now{5000};
  int sleeps = 0;
};

class CountingRestarter : public Restarter {
 public:
  explicit CountingRestarter(Journal& journal) : journal_(journal) {}
  bool Restart() override {
    journal_.push_back("restart");
    return true;
  }

 private:
  Journal& journal_;
};

class MapSettings : public Settings {
 public:
  std::string Read(std::string_view name) override {
    auto value = values.find(std::string(name));
    return value == values.end() ? std::string() : value->second;
  }
  void Write(std::string_view name, std::string_view value) override {
    values[std::string(name)] = std::string(value);
  }
  std::map<std::string, std::string> values;
};

// The language file stands in as "<key>" texts so tests see which key was shown.
inline std::string KeyText(std::string_view key) { return "<" + std::string(key) + ">"; }

// Paths as the window passes them after ExpandPath (kept in their own form here).
inline DevicePaths UnexpandedPaths() {
  return ExpandDevicePaths([](std::string_view path) { return std::string(path); });
}

// A station with every outside part scripted.
struct ScriptedStation {
  Journal journal;
  FakeWindow window{journal};
  ScriptedPrompter prompter{journal};
  RecordingRunner runner{journal};
  ScriptedDriverSetup driver_setup{journal};
  MemoryFiles files;
  FakeClock clock;
  CountingRestarter restarter{journal};
  MapSettings settings;
  DeviceManagement devices{DeviceServices{window, prompter, runner, driver_setup, files, clock,
                                          restarter, settings, KeyText, UnexpandedPaths()}};

  // Journal entries that contain `part`.
  std::vector<std::string> Entries(std::string_view part) const {
    std::vector<std::string> found;
    for (const std::string& entry : journal) {
      if (entry.find(part) != std::string::npos) found.push_back(entry);
    }
    return found;
  }
};

}  // namespace mqt::testing
