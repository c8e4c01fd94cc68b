// Captions and layout by language: only the title so far; the form's own
// captions stay until every text comes from the language file.
#include "shell/MainUnit.h"
#include "shell/station_context.h"

namespace mqt {

void TMainForm::ApplyMainCaptions() {
  setWindowTitle(QString::fromStdString(context_.Text("MainForm->Caption")));
}

void TMainForm::LayoutByLanguage() {}

}  // namespace mqt
