#include "shell/ListColumns.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace vc {

void FitColumnsToCaptions(QTreeView* view) {
    QHeaderView* header = view->header();
    // The size hints include the style sheet's padding only once the header is polished.
    header->ensurePolished();
    const int count = header->count();
    if (count == 0) return;
    // A stretched last column gets whatever the others leave.
    const int sized = header->stretchLastSection() ? count - 1 : count;
    int used = 0;
    for (int c = 1; c < sized; ++c) {
        header->resizeSection(c, std::max(header->sectionSize(c), header->sectionSizeHint(c)));
        used += header->sectionSize(c);
    }
    const int last = header->stretchLastSection() ? header->sectionSizeHint(count - 1) : 0;
    // The view may not be shown yet, so its viewport has no size: take the view's own, less a
    // vertical scroll bar that a long list brings.
    const int width =
        view->width() - 2 * view->frameWidth() - view->verticalScrollBar()->sizeHint().width();
    const int room = width - used - last;
    header->resizeSection(
        0, std::max(header->sectionSizeHint(0), std::min(header->sectionSize(0), room)));
}

}  // namespace vc
