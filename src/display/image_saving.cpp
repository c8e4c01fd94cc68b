#include "display/image_saving.h"

#include <QImageWriter>
#include <QString>

namespace mqt {

SaveImageResult SaveImageAs(const QImage& picture, SaveDialog& dialog) {
  // A name typed without extension gets ".bmp".
  const auto path = dialog.AskSavePath("", "*.bmp|*.bmp", "bmp");
  if (!path) return {SaveImageResult::Outcome::kCancelled, "", ""};

  QImageWriter writer(QString::fromStdString(*path), "bmp");
  if (writer.write(picture)) return {SaveImageResult::Outcome::kSaved, *path, ""};
  return {SaveImageResult::Outcome::kFailed, *path,
          "Cannot create file \"" + *path + "\". " + writer.errorString().toStdString()};
}

}  // namespace mqt
