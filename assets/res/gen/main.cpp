// Paints the station's pictures and writes its help documents at build time.
//   mqt_resgen pictures <words.txt> <res-dir>
//   mqt_resgen docs <docs-source-dir> <bin-dir>
// Runs headless (QT_QPA_PLATFORM=offscreen).
#include <QGuiApplication>
#include <QTextStream>

#include "documents.h"
#include "pictures.h"
#include "words.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    QTextStream(stderr) << "usage: mqt_resgen pictures <words.txt> <res-dir> | docs <src> <out>\n";
    return 2;
  }
  if (args[1] == "pictures") {
    Words words;
    if (!words.Load(args[2])) {
      QTextStream(stderr) << "cannot read " << args[2] << "\n";
      return 1;
    }
    return WritePictures(words, args[3]) ? 0 : 1;
  }
  if (args[1] == "docs") return WriteDocuments(args[2], args[3]) ? 0 : 1;
  QTextStream(stderr) << "unknown task " << args[1] << "\n";
  return 2;
}
