#include "shell/BackgroundTray.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace vc {

BackgroundTray::BackgroundTray(QWidget* window, QIcon icon)
    : QObject(window), window_(window), icon_(std::move(icon)), trayWatch_(new QTimer(this)) {
    trayWatch_->setInterval(2000);
    connect(trayWatch_, &QTimer::timeout, this, [this] {
        if (!QSystemTrayIcon::isSystemTrayAvailable()) Restore();
    });
}

void BackgroundTray::Hide() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a tray the window could not be brought back: minimise it instead.
        window_->showMinimized();
        return;
    }
    if (!tray_) {
        tray_ = new QSystemTrayIcon(icon_, this);
        tray_->setToolTip(tr("Orvelle Software"));
        connect(tray_, &QSystemTrayIcon::activated, this, &BackgroundTray::OnActivated);
    }
    ForgetMinimised();
    tray_->show();
    window_->hide();
    trayWatch_->start();
}

void BackgroundTray::OnActivated(QSystemTrayIcon::ActivationReason) {
    // Any click, whatever the window's state: the icon is the only way back to it.
    Restore();
}

void BackgroundTray::Restore() {
    trayWatch_->stop();
    ForgetMinimised();
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    if (window_->isMaximized())
        window_->showMaximized();
    else
        window_->showNormal();
    window_->raise();
    window_->activateWindow();
    if (tray_) {
        tray_->hide();
        tray_->deleteLater();
        tray_ = nullptr;
    }
}

void BackgroundTray::ForgetMinimised() {
#if QT_CONFIG(xcb)
    // Minimising through Qt leaves "start minimised" in the window's X11 hints, and nothing
    // clears it when the user restores the window elsewhere: the next show would map it
    // minimised again, behind a removed tray icon.
    // Other platforms (offscreen among them) may offer an X11 interface of their own.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !window_->windowHandle()) return;
    xcb_connection_t* c = x11->connection();
    const auto w = static_cast<xcb_window_t>(window_->winId());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9), nullptr);
    if (!reply) return;
    uint32_t hints[9] = {};  // flags, input, initial state, ... (ICCCM WM_HINTS)
    if (reply->format == 32) {
        const int words = std::min(xcb_get_property_value_length(reply) / 4, 9);
        std::memcpy(hints, xcb_get_property_value(reply), sizeof(uint32_t) * std::max(words, 0));
    }
    std::free(reply);
    constexpr uint32_t kStateHint = 1u << 1;
    constexpr uint32_t kNormalState = 1;
    if ((hints[0] & kStateHint) == 0 || hints[2] == kNormalState) return;
    hints[2] = kNormalState;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, 9,
                        hints);
    xcb_flush(c);
#endif
}

}  // namespace vc
