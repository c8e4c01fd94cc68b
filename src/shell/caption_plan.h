#pragma once

#include <string>
#include <vector>

#include "shell/Languageunit.h"

class QWidget;

namespace mqt {

// Carries out the plans of ApplyMainCaptions and LayoutByLanguage on a window
// whose controls carry their names as object names. Controls are looked up
// among the window's children (widgets, menus and their actions).

// Sets each caption on the control of that name: the window's title for the
// window's own name, the text of a label, button, check box or menu item,
// the title of a group box or menu. Returns the controls it could not
// caption (missing, or of another kind, such as the band bar), for the
// window to apply itself.
std::vector<CaptionText> ApplyCaptions(QWidget& window, const std::vector<CaptionText>& captions);

// Moves, resizes or re-fonts the named widgets in order. Sizes are pixels;
// a widget inside a layout gets its width fixed so the layout keeps it.
// Returns the changes whose control was not found.
std::vector<ControlChange> ApplyChanges(QWidget& window, const std::vector<ControlChange>& changes);

// Hides and disables the named menu items or widgets.
void HideAndDisable(QWidget& window, const std::vector<std::string>& controls);

}  // namespace mqt
