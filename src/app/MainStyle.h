#pragma once
// The dark palette of the main window and of the dialogs that are its children, and the
// application attributes the windows are built for.
#include <QString>

namespace vc {

QString MainStyleSheet();
// Before the application object exists: only the video panels (and what must lie over them)
// are native windows; otherwise the panel's native window would make every widget beside it
// native too, each one more window for the display server to repaint.
void SetApplicationAttributes();

}  // namespace vc
