#pragma once
// The job list's view: how it is set up, its rows selected, its columns sized.
#include <QLineEdit>
#include <vector>

class QAbstractItemModel;
class QTreeView;

namespace vc {

// A flat list of whole rows, several selectable, edited only through commands, with a context
// menu of its own.
void SetUpJobListView(QTreeView* view, QAbstractItemModel* model);
// Space plays or stops the preview over a list of jobs; it does not also flip the current
// row's check box.
void KeepSpaceForPreview(QTreeView* view);
// The selected rows, ascending.
std::vector<int> SelectedRows(const QTreeView* view);
// Adds a row to the selection and makes it the current one.
void SelectRow(QTreeView* view, int row);
// After rows were removed: the row that took the place of the last removed one (or the new
// last row) is selected, and the keyboard stays on the list.
void SelectAfterRemoval(QTreeView* view, const std::vector<int>& removedRows);

// The editor of a row's caption, over the caption's cell of the view.
class RenameEditor : public QLineEdit {
    Q_OBJECT
  public:
    explicit RenameEditor(QTreeView* view);
    // Opens on the current row with its caption; false when there is none.
    bool Begin();
    // Closes the editor; a non-empty text is the row's new caption. The keyboard goes back
    // to the list, not on to the next text field, where the list's shortcuts would not reach.
    void Finish();

  signals:
    void renamed(int row, const QString& caption);

  private:
    QTreeView* view_;
    int row_ = -1;
};

// Widens every column that is narrower than its caption, taking the room from the first
// column as far as its own caption allows, so that each caption shows whole.
void FitColumnsToCaptions(QTreeView* view);

}  // namespace vc
