#pragma once

#include <QPixmap>
#include <QString>
#include <functional>
#include <stdexcept>

namespace mqt {

// A picture beside the program that cannot be opened. Raised while a window
// is built, it ends the start-up with this message.
class PictureFileError : public std::runtime_error {
 public:
  explicit PictureFileError(const QString& path);
};

// Reads a picture file (Windows bitmap or any format Qt reads); throws
// PictureFileError when the file is missing or unreadable.
QPixmap LoadPictureFile(const QString& path);

using PictureLoader = std::function<QPixmap(const QString& path)>;

}  // namespace mqt
