#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "shell/picture_file.h"
#include "shell/text_lookup.h"

namespace mqt {

// What every small window of the shell takes from the main window when it is
// built: its texts, the active language, where the pictures lie and the
// screen it centres itself on.
struct FormContext {
  TextLookup text;
  std::string language;
  // Host folder of res/ beside the program; all pictures are looked up there.
  QString res_folder;
  // Screen size in pixels, asked whenever a window needs it.
  std::function<QSize()> screen_size;
  PictureLoader load_picture = LoadPictureFile;

  QString Text(std::string_view key) const {
    return text ? QString::fromStdString(text(key)) : QString();
  }
  QString ResPath(const QString& file) const { return res_folder + QLatin1Char('/') + file; }
  QSize Screen() const;
};

// The primary screen's size; zero when there is no screen.
QSize PrimaryScreenSize();

// Centred position of a window of the given size, each coordinate divided as
// signed integers rounded toward zero.
inline int CentredOffset(int screen, int window) { return (screen - window) / 2; }

}  // namespace mqt
