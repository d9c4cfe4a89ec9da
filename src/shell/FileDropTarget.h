#pragma once
// Files and folders dragged from the desktop onto the watched widgets: accepted while they
// are local files, handed on as paths once dropped.
#include <QObject>
#include <QStringList>
#include <initializer_list>

class QMimeData;
class QWidget;

namespace vc {

class FileDropTarget : public QObject {
    Q_OBJECT
  public:
    FileDropTarget(std::initializer_list<QWidget*> widgets, QObject* parent);
    // The local files a drag carries; empty when it carries none.
    static QStringList LocalPaths(const QMimeData* data);

  signals:
    // After the drop has ended, so the source is not kept waiting while the files are added.
    void dropped(const QStringList& paths);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vc
