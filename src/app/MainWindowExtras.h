#pragma once
// What the main window offers beyond its design's handlers: the list follows the work, jobs are
// reordered and a removal undone, the menu titles form a menu bar, the window resizes, and
// screen readers find a name for every control.
class QMenuBar;

namespace vc {

class Tfm_main;

// Once, while the window is built.
void SetUpExtras(Tfm_main& w);
// Once the skin and the layout file are in place.
void FinishWindow(Tfm_main& w);

void MoveSelectedJobs(Tfm_main& w, int delta);
void UndoJobRemoval(Tfm_main& w);
QMenuBar* MenuBarOf(const Tfm_main& w);

}  // namespace vc
