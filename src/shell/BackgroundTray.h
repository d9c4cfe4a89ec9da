#pragma once
// Running in the background: the window hides behind a tray icon, and a click on the icon
// brings it back. Without a tray the window is minimised instead, so it is never lost; a tray
// that goes away while the window hides behind it gives the window back.
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

class QTimer;
class QWidget;

namespace vc {

class BackgroundTray : public QObject {
    Q_OBJECT
  public:
    BackgroundTray(QWidget* window, QIcon icon);
    // Hides the window behind the tray icon (or minimises it when there is no tray).
    void Hide();
    // Shows the window again, in front and not minimised, and removes the icon.
    void Restore();
    QSystemTrayIcon* Icon() const { return tray_; }
    // What a click on the icon does (the tray reports it as an activation).
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

  private:
    // Makes the window show normal, not minimised, the next time it is shown.
    void ForgetMinimised();

    QWidget* window_;
    QIcon icon_;
    QSystemTrayIcon* tray_ = nullptr;
    QTimer* trayWatch_;
};

}  // namespace vc
