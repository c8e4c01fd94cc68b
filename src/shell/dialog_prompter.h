#pragma once

#include "platform/prompter.h"

class QWidget;

namespace mqt {

// Message boxes and the text input box as Qt dialogs. Called from another
// thread, the box is shown on the user-interface thread and the caller waits.
class DialogPrompter : public Prompter {
 public:
  // Boxes are centred on `owner` when given; no owner, on the screen.
  explicit DialogPrompter(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override;

 private:
  MsgResult ShowMessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                           MsgIcon icon);
  std::optional<std::string> ShowInputBox(const std::string& caption, const std::string& prompt,
                                          const std::string& initial);

  QWidget* owner_;
};

}  // namespace mqt
