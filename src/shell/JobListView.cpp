#include "shell/JobListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace vc {

namespace {
// Keeps Space from the view's own handling, which would flip the current row's check box
// each time the user starts or stops a preview.
class SpaceForPreview : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space)
            return true;
        return QObject::eventFilter(o, e);
    }
};
}  // namespace

void SetUpJobListView(QTreeView* view, QAbstractItemModel* model) {
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setSectionsClickable(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Caption, size, time, output; the status column takes the rest.
    for (const auto& [column, width] : {std::pair{0, 146}, {1, 96}, {2, 68}, {3, 84}})
        view->setColumnWidth(column, width);
    view->header()->setStretchLastSection(true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setUniformRowHeights(true);
    KeepSpaceForPreview(view);
}

void KeepSpaceForPreview(QTreeView* view) {
    view->installEventFilter(new SpaceForPreview(view));
}

std::vector<int> SelectedRows(const QTreeView* view) {
    std::vector<int> rows;
    for (const QModelIndex& i : view->selectionModel()->selectedRows()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SelectRow(QTreeView* view, int row) {
    const QModelIndex i = view->model()->index(row, 0);
    if (!i.isValid()) return;
    view->selectionModel()->setCurrentIndex(
        i, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

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

void SelectAfterRemoval(QTreeView* view, const std::vector<int>& removedRows) {
    const int count = view->model()->rowCount();
    if (count == 0 || removedRows.empty()) return;
    view->clearSelection();
    const int next = removedRows.back() - static_cast<int>(removedRows.size()) + 1;
    SelectRow(view, std::min(next, count - 1));
    view->setFocus();
}

RenameEditor::RenameEditor(QTreeView* view) : QLineEdit(view->viewport()), view_(view) {
    setObjectName("edt_tit");
    hide();
    connect(this, &QLineEdit::editingFinished, this, &RenameEditor::Finish);
}

bool RenameEditor::Begin() {
    const QModelIndex cur = view_->currentIndex();
    if (!cur.isValid()) return false;
    const QModelIndex caption = cur.siblingAtColumn(0);
    setGeometry(view_->visualRect(caption));
    setText(caption.data().toString());
    row_ = cur.row();
    show();
    setFocus();
    return true;
}

void RenameEditor::Finish() {
    if (!isVisible()) return;
    const bool typing = hasFocus();
    hide();
    if (!text().isEmpty()) emit renamed(row_, text());
    if (typing) view_->setFocus();
}

}  // namespace vc
