#include "skin/windowdrag.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace skin {

namespace {

// Other platforms (offscreen among them) may offer an X11 interface of their own.
bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

#if QT_CONFIG(xcb)
xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (r) atom = r->atom;
    std::free(r);
    return atom;
}

bool Supported(xcb_connection_t* c, xcb_window_t root, xcb_atom_t atom) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 1024),
        nullptr);
    bool found = false;
    if (r && r->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(r));
        const int n = xcb_get_property_value_length(r) / 4;
        for (int i = 0; i < n && !found; ++i) found = atoms[i] == atom;
    }
    std::free(r);
    return found;
}
#endif

}  // namespace

// The window system's move on X11, asked for the top-level window at the pointer's place.
// (Qt's own request takes the position from the last event of the top-level X window, which
// native child windows never update, and cancels on a child window the window manager does
// not know.)
bool WindowDrag::X11Move(QWidget* window, QPoint global, int direction) {
#if QT_CONFIG(xcb)
    if (!OnX11()) return false;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !window->windowHandle()) return false;
    xcb_connection_t* c = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t moveResize = Atom(c, "_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE || !Supported(c, root, moveResize)) return false;
    const qreal scale = window->devicePixelRatioF();
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = static_cast<xcb_window_t>(window->winId());
    ev.type = moveResize;
    ev.data.data32[0] = uint32_t(qRound(global.x() * scale));
    ev.data.data32[1] = uint32_t(qRound(global.y() * scale));
    ev.data.data32[2] = uint32_t(direction);
    ev.data.data32[3] = XCB_BUTTON_INDEX_1;
    ev.data.data32[4] = 1;  // asked by an application
    if (direction != kCancel) xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
    return true;
#else
    (void)window;
    (void)global;
    (void)direction;
    return false;
#endif
}

WindowDrag::WindowDrag(QWidget* handle) : QObject(handle) {
    if (handle) handle->installEventFilter(this);
}

void WindowDrag::Press(QWidget* source, const QMouseEvent* e) {
    Release();
    systemMoving_ = nullptr;
    if (e->button() != Qt::LeftButton) return;
    pending_ = true;
    anchor_ = e->position().toPoint();
    pressedAt_ = e->globalPosition().toPoint();
    (void)source;
}

void WindowDrag::Move(QWidget* source, const QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) {
        // The release went elsewhere: the drag is over.
        pending_ = following_ = false;
        systemMoving_ = nullptr;
        return;
    }
    const QPoint at = e->position().toPoint();
    QWidget* window = source->window();
    if (pending_) {
        if ((at - anchor_).manhattanLength() < QApplication::startDragDistance()) return;
        pending_ = false;
        // The button is held and the pointer moving: the window system takes over from here
        // and ends the move at the release, keeping the press point under the pointer.
        if (X11Move(window, pressedAt_, kMove)) {
            systemMoving_ = window;
            return;
        }
        if (!OnX11() && window->windowHandle() && window->windowHandle()->startSystemMove()) return;
        following_ = true;
    }
    // The source moves with the window, so the press point stays under the pointer.
    if (following_) window->move(window->pos() + at - anchor_);
}

void WindowDrag::Release() {
    // A release that reached us came before the window manager took the pointer: it would
    // wait for a release that never comes, so the move is called off.
    if (systemMoving_) X11Move(systemMoving_, QPoint(), kCancel);
    systemMoving_ = nullptr;
    pending_ = false;
    following_ = false;
}

bool WindowDrag::Resizable(const QWidget* window) {
    return window && window->minimumSize() != window->maximumSize();
}

void WindowDrag::ToggleMaximized(QWidget* window) {
    if (!Resizable(window)) return;
    if (window->isMaximized())
        window->showNormal();
    else
        window->showMaximized();
}

bool WindowDrag::StartSystemResize(QWidget* window, QPoint global, Qt::Edges edges) {
    if (!window || !edges) return false;
    // _NET_WM_MOVERESIZE numbers the edges clockwise from the top-left corner.
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    int direction = 0;
    if (top)
        direction = left ? 0 : right ? 2 : 1;
    else if (bottom)
        direction = left ? 6 : right ? 4 : 5;
    else
        direction = left ? 7 : 3;
    if (X11Move(window, global, direction)) return true;
    return !OnX11() && window->windowHandle() && window->windowHandle()->startSystemResize(edges);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* source = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            Release();
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                ToggleMaximized(source->window());
            return true;
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
