#include <QAction>

#include "capture/ExpertUnit.h"
#include "platform/prompter.h"
#include "platform/settings.h"
#include "platform/shell_opener.h"
#include "shell/AboutUnit.h"
#include "shell/MainUnit.h"
#include "shell/settings_table.h"
#include "shell/station_context.h"

namespace mqt {

void TMainForm::tb_RecordClick() { mm_RecordClick(); }

void TMainForm::tb_ReAdapterClick() { mm_StopClick(); }

void TMainForm::mm_StopClick() { tb_StopClick(); }

// The check mark decides whether record placement draws as it goes; it is
// remembered for the next start.
void TMainForm::mm_RealtimeDisplayClick() {
  const bool now_checked = !mm_RealtimeDisplay->isChecked();
  mm_RealtimeDisplay->setChecked(now_checked);
  // The choice holds for this run even when it cannot be stored.
  try {
    context_.settings->Write(kSettingRealDisplay, now_checked ? "1" : "0");
  } catch (const SettingsWriteError& e) {
    context_.prompter->MessageBox(e.what(), context_.application_title, MsgButtons::Ok,
                                  MsgIcon::Error);
  }
}

// Help documents lie beside the program, named by the language without a
// separator ("EnglishExample.pdf"). A missing document is not reported.
void TMainForm::OpenHelpDocument(const std::string& file_name) {
  if (context_.shell == nullptr) return;
  context_.shell->Open(context_.Expand(".\\" + context_.active_language + file_name));
}

void TMainForm::mm_AppHelpClick() { OpenHelpDocument("Menual.pdf"); }

void TMainForm::mm_ExampleClick() { OpenHelpDocument("Example.pdf"); }

void TMainForm::mm_TestRulesClick() { OpenHelpDocument("TestRule.pdf"); }

void TMainForm::mm_AboutClick() {
  if (context_.windows.AboutBox != nullptr) context_.windows.AboutBox->exec();
}

// In Expert mode the logo opens the expert console, otherwise the maker's page.
void TMainForm::ImageLogoClick() {
  if (OperatorMode == "Expert") {
    if (TExpert* expert = context_.windows.Expert) {
      expert->show();
      expert->raise();
    }
    return;
  }
  if (context_.shell != nullptr) context_.shell->Open(context_.Text("FullSpeedWeb"));
}

void TMainForm::lb_WebSiteClick() {
  if (context_.shell != nullptr) context_.shell->Open(context_.Text("PaintWeb"));
}

}  // namespace mqt
