#pragma once

class QWidget;

namespace mqt {

// Title-bar handling shared by the progress banner and the small dialogs. The
// window manager owns the title-bar buttons here: its close button acts on
// release and hides the window (these windows are never re-created, and never
// end the program), its minimise button minimises this window alone.
void InstallDialogWindowProc(QWidget* window);

}  // namespace mqt
