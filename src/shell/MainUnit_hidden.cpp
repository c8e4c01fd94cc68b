#include <QLineEdit>
#include <optional>
#include <string>

#include "capture/ExpertUnit.h"
#include "platform/prompter.h"
#include "shell/MainUnit.h"
#include "shell/station_context.h"
#include "shell/whole_number.h"

namespace mqt {

namespace {

constexpr const char* kHiddenPassword = "392";

// A wrong or cancelled password does nothing and shows nothing.
bool PasswordGiven(Prompter* prompter, const std::string& caption) {
  if (prompter == nullptr) return false;
  const std::optional<std::string> answer = prompter->InputBox(caption, "Password", "");
  return answer && *answer == kHiddenPassword;
}

}  // namespace

// F4: list the reserved models as well, until the program ends.
void TMainForm::mm_NBClick() {
  if (PasswordGiven(context_.prompter, "NB Test")) NBMode = 1;
}

// F5: change the peak threshold of the analysis.
void TMainForm::mm_AdvanceClick() {
  if (!PasswordGiven(context_.prompter, "Advance test")) return;
  const std::string current = std::to_string(PeakThreshold);
  const std::optional<std::string> answer =
      context_.prompter->InputBox("peak value", "Now is " + current, "");
  if (!answer) return;
  if (const std::optional<std::int32_t> value = WholeNumber(*answer)) {
    PeakThreshold = *value;
    return;
  }
  context_.prompter->MessageBox(
      "\"" + *answer + "\" is not a whole number. The peak value stays " + current + ".",
      "peak value", MsgButtons::Ok, MsgIcon::Warning);
}

// F6: back to the normal slot length, whether or not the console is shown.
void TMainForm::mm_NormalClick() {
  if (TExpert* expert = context_.windows.Expert) expert->le_Interval->setText("8");
}

}  // namespace mqt
