#include "shell/picture_file.h"

#include <QImageReader>

namespace mqt {

PictureFileError::PictureFileError(const QString& path)
    : std::runtime_error(QStringLiteral("Cannot open file \"%1\".").arg(path).toStdString()) {}

QPixmap LoadPictureFile(const QString& path) {
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull()) throw PictureFileError(path);
  return QPixmap::fromImage(std::move(image));
}

}  // namespace mqt
