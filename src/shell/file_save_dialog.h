#pragma once

#include "platform/save_dialog.h"

#include <QString>

class QWidget;

namespace mqt {

// The save dialog as a Qt file dialog. The filter comes in the form
// "description|pattern|description|pattern" ("*.bmp|*.bmp"); a name typed
// without extension gets the default suffix.
class FileSaveDialog : public SaveDialog {
 public:
  explicit FileSaveDialog(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  std::optional<std::string> AskSavePath(const std::string& title, const std::string& filter,
                                         const std::string& default_suffix) override;

 private:
  QWidget* owner_;
};

// "*.bmp|*.bmp" as a Qt name filter list: "*.bmp (*.bmp)".
QString QtNameFilters(const std::string& filter);

}  // namespace mqt
