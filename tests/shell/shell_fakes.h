#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/program_runner.h"
#include "platform/prompter.h"
#include "platform/settings.h"
#include "platform/shell_opener.h"

namespace mqt::testing {

class FakeSettings : public Settings {
 public:
  std::map<std::string, std::string, std::less<>> values;
  std::vector<std::pair<std::string, std::string>> writes;
  bool fail_writes = false;

  std::string Read(std::string_view name) override {
    const auto it = values.find(name);
    return it != values.end() ? it->second : std::string();
  }
  void Write(std::string_view name, std::string_view value) override {
    if (fail_writes) throw SettingsWriteError("Failed to write the setting");
    writes.emplace_back(name, value);
    values[std::string(name)] = value;
  }
};

class FakePrompter : public Prompter {
 public:
  struct Box {
    std::string text;
    std::string caption;
    MsgIcon icon;
  };
  std::vector<Box> boxes;

  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons,
                       MsgIcon icon) override {
    boxes.push_back({text, caption, icon});
    return MsgResult::Ok;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
};

class FakeRunner : public ProgramRunner {
 public:
  struct Run {
    std::string command_line;
    bool hidden;
  };
  std::vector<Run> runs;
  bool Start(const std::string& command_line, bool hidden) override {
    runs.push_back({command_line, hidden});
    return true;
  }
};

class FakeShell : public ShellOpener {
 public:
  std::vector<std::string> opened;
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
};

// Texts of a language file as "<key>", so a test sees which key a control got.
inline std::string KeyText(std::string_view key) { return "<" + std::string(key) + ">"; }

}  // namespace mqt::testing
