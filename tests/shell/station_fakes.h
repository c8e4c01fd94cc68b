#pragma once

// Scripted stand-ins for the operator-visible side effects, and a station
// context wired to them, for window tests.

#include <QPixmap>
#include <QString>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/program_runner.h"
#include "platform/prompter.h"
#include "platform/settings.h"
#include "platform/shell_opener.h"
#include "shell/station_context.h"

namespace mqt::testing {

class MemorySettings : public Settings {
 public:
  std::map<std::string, std::string, std::less<>> values;
  std::vector<std::pair<std::string, std::string>> writes;
  bool fail_writes = false;

  std::string Read(std::string_view name) override {
    const auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
  }
  void Write(std::string_view name, std::string_view value) override {
    if (fail_writes) throw SettingsWriteError("Cannot store " + std::string(name) + ": disk full");
    values[std::string(name)] = std::string(value);
    writes.emplace_back(name, value);
  }
};

// Answers input boxes from a script (nullopt = Cancel) and records every box.
class ScriptedPrompter : public Prompter {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MsgButtons buttons;
    MsgIcon icon;
  };
  struct Input {
    std::string caption;
    std::string prompt;
    std::string initial;
  };
  std::deque<std::optional<std::string>> input_answers;
  std::deque<MsgResult> message_answers;
  std::vector<Message> messages;
  std::vector<Input> inputs;

  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override {
    messages.push_back({text, caption, buttons, icon});
    if (message_answers.empty()) return MsgResult::Ok;
    const MsgResult answer = message_answers.front();
    message_answers.pop_front();
    return answer;
  }
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override {
    inputs.push_back({caption, prompt, initial});
    if (input_answers.empty()) return std::nullopt;
    std::optional<std::string> answer = input_answers.front();
    input_answers.pop_front();
    return answer;
  }
};

class RecordingShellOpener : public ShellOpener {
 public:
  std::vector<std::string> opened;
  bool Open(const std::string& document_or_url) override {
    opened.push_back(document_or_url);
    return true;
  }
};

class RecordingProgramRunner : public ProgramRunner {
 public:
  std::vector<std::pair<std::string, bool>> started;
  bool Start(const std::string& command_line, bool hidden) override {
    started.emplace_back(command_line, hidden);
    return true;
  }
};

// The fakes, a language table and a context that uses them. The program's
// folder is "/station/".
struct FakeStation {
  MemorySettings settings;
  ScriptedPrompter prompter;
  RecordingShellOpener shell;
  RecordingProgramRunner runner;
  std::map<std::string, std::string> texts;
  std::vector<std::pair<std::string, std::string>> opened_language_files;
  // Pictures asked for; each is a plain white picture.
  std::vector<QString> pictures;
  StationContext context;

  FakeStation() {
    context.settings = &settings;
    context.prompter = &prompter;
    context.shell = &shell;
    context.runner = &runner;
    context.open_language_file = [this](const std::string& path, const std::string& section) {
      opened_language_files.emplace_back(path, section);
    };
    context.lookup = [this](const std::string& key) {
      const auto it = texts.find(key);
      return it == texts.end() ? std::string() : it->second;
    };
    context.expand_path = [](const std::string& path) {
      return path.rfind(".\\", 0) == 0 ? "/station/" + path.substr(2) : path;
    };
    context.res_folder = "/station/res";
    context.load_picture = [this](const QString& path) {
      pictures.push_back(path);
      QPixmap picture(64, 48);
      picture.fill(Qt::white);
      return picture;
    };
  }
};

}  // namespace mqt::testing
