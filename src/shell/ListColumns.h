#pragma once
// Column widths of a list view with a header.
class QTreeView;

namespace vc {

// Widens every column that is narrower than its caption, taking the room from the first
// column as far as its own caption allows, so that each caption shows whole.
void FitColumnsToCaptions(QTreeView* view);

}  // namespace vc
