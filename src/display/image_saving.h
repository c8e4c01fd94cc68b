#pragma once

#include <QImage>
#include <string>

#include "platform/save_dialog.h"

namespace mqt {

struct SaveImageResult {
  enum class Outcome { kSaved, kCancelled, kFailed };
  Outcome outcome = Outcome::kCancelled;
  std::string path;   // the chosen path, when one was chosen
  std::string error;  // for kFailed: the message the window shows
};

// `mm_SaveAsClick`: asks for a file name with the filter "*.bmp|*.bmp" and
// saves the whole picture there as a Windows bitmap, whatever the name's
// extension. Cancelling saves nothing; a file that cannot be written comes
// back as kFailed with its message, for the window to show.
SaveImageResult SaveImageAs(const QImage& picture, SaveDialog& dialog);

}  // namespace mqt
