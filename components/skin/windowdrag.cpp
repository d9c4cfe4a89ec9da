#include "skin/windowdrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace skin {

WindowDrag::WindowDrag(QWidget* handle) : QObject(handle) {
    if (handle) handle->installEventFilter(this);
}

void WindowDrag::Press(QWidget*, const QMouseEvent* e) {
    Release();
    if (e->button() != Qt::LeftButton) return;
    pending_ = true;
    anchor_ = e->position().toPoint();
}

void WindowDrag::Move(QWidget* source, const QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) {
        // The release went elsewhere: the drag is over.
        Release();
        return;
    }
    const QPoint at = e->position().toPoint();
    QWidget* window = source->window();
    if (pending_) {
        if ((at - anchor_).manhattanLength() < QApplication::startDragDistance()) return;
        pending_ = false;
        // The button is held and the pointer moving: the window system takes over from here
        // and ends the move at the release.
        if (window->windowHandle() && window->windowHandle()->startSystemMove()) return;
        following_ = true;
    }
    // The source moves with the window, so the press point stays under the pointer.
    if (following_) window->move(window->pos() + at - anchor_);
}

void WindowDrag::Release() {
    pending_ = false;
    following_ = false;
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* source = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            Press(source, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
            Move(source, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::Hide:
            Release();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace skin
