#pragma once

#include <optional>
#include <string>

namespace mqt {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

// Message boxes and the text input box: every question or failure the
// operator sees goes through here, so tests can script the answers.
// Texts are UTF-8. Safe to call from any thread: implementations for capture
// threads hand the box to the user-interface thread and wait.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual MsgResult MessageBox(const std::string& text, const std::string& caption,
                               MsgButtons buttons, MsgIcon icon) = 0;
  // The text input dialog; nullopt when the operator cancels.
  virtual std::optional<std::string> InputBox(const std::string& caption,
                                              const std::string& prompt,
                                              const std::string& initial) = 0;
};

}  // namespace mqt
