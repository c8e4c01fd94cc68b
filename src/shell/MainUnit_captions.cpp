// Captions, logo and layout by language: the plans of Languageunit carried
// out on this window's named controls.
#include <QString>

#include "shell/Languageunit.h"
#include "shell/MainUnit.h"
#include "shell/caption_plan.h"
#include "shell/form_controls.h"
#include "shell/station_context.h"

namespace mqt {

void TMainForm::ApplyMainCaptions() {
  const MainCaptionPlan plan = mqt::ApplyMainCaptions(
      context_.active_language,
      [this](std::string_view key) { return context_.Text(std::string(key)); });
  // The band text is no control of its own; it is the one caption left over.
  for (const CaptionText& left : ApplyCaptions(*this, plan.captions)) {
    if (left.control == "CoolBar1") CoolBar1->SetBandText(QString::fromStdString(left.text));
  }
  // A logo that cannot be read ends the start-up with the file's name.
  if (!plan.logo_file.empty()) {
    const FormContext form = context_.Form();
    ImageLogo->SetPicture(
        form.load_picture(form.ResPath(QString::fromStdString(plan.logo_file))).toImage());
  }
  ApplyChanges(*this, plan.changes);
  HideAndDisable(*this, plan.hidden_and_disabled);
}

void TMainForm::LayoutByLanguage() {
  ApplyChanges(*this, mqt::LayoutByLanguage(context_.active_language, context_.screen_width));
}

}  // namespace mqt
