#pragma once
// Shows the encoder's output of a job's last run, to read or copy; the job list's context
// menu offers it.
#include <QDialog>
#include <QList>
#include <QStringList>

class QAction;
class QPlainTextEdit;
class QTreeView;

namespace vc {

class LogDialog : public QDialog {
    Q_OBJECT
  public:
    LogDialog(QWidget* parent, const QString& caption, const QStringList& lines);
    QString Text() const;

  private:
    QPlainTextEdit* text_;
};

class JobList;
class SideEffects;

// The job list's context menu at a point of its view: the given items, then "Show Encoder
// Log" for the row under the point when that row has a log.
void JobListContextMenu(QTreeView* view, const JobList& jobs, const QList<QAction*>& items,
                        QPoint at, SideEffects* effects);

}  // namespace vc
