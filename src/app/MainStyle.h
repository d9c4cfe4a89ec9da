#pragma once
// The dark palette of the main window and of the dialogs that are its children.
#include <QString>

namespace vc {

QString MainStyleSheet();

}  // namespace vc
