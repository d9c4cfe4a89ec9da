#include "shell/BackgroundTray.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace vc {

BackgroundTray::BackgroundTray(QWidget* window, QIcon icon)
    : QObject(window), window_(window), icon_(std::move(icon)) {}

void BackgroundTray::Hide() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a tray the window could not be brought back: minimise it instead.
        window_->showMinimized();
        return;
    }
    if (!tray_) {
        tray_ = new QSystemTrayIcon(icon_, this);
        tray_->setToolTip("Orvelle Software");
        connect(tray_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) {
                    if (r == QSystemTrayIcon::Trigger) Restore();
                });
    }
    tray_->show();
    window_->hide();
}

void BackgroundTray::Restore() {
    // Whatever state the window is in (hidden, minimised), it comes back in front.
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
    if (tray_) {
        tray_->hide();
        tray_->deleteLater();
        tray_ = nullptr;
    }
}

}  // namespace vc
