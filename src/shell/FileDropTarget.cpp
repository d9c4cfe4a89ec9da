#include "shell/FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "core/nativepath.h"

namespace vc {

namespace {
// The files stay where they are: copy when the source allows it.
void AcceptAsCopy(QDropEvent* e) {
    if (e->possibleActions() & Qt::CopyAction) e->setDropAction(Qt::CopyAction);
    e->accept();
}
}  // namespace

FileDropTarget::FileDropTarget(std::initializer_list<QWidget*> widgets, QObject* parent)
    : QObject(parent) {
    for (QWidget* w : widgets) {
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
}

QStringList FileDropTarget::LocalPaths(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        // The name's bytes, also where they are not UTF-8.
        const QString path = LocalPathFromUrl(url);
        if (!path.isEmpty()) paths << path;
    }
    return paths;
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDropEvent*>(event);
            if (LocalPaths(e->mimeData()).isEmpty()) return false;
            AcceptAsCopy(e);
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            const QStringList paths = LocalPaths(e->mimeData());
            if (paths.isEmpty()) return false;
            AcceptAsCopy(e);
            QMetaObject::invokeMethod(
                this, [this, paths] { emit dropped(paths); }, Qt::QueuedConnection);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace vc
