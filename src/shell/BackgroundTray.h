#pragma once
// Running in the background: the window hides behind a tray icon, and a click on the icon
// brings it back. Without a tray the window is minimised instead, so it is never lost.
#include <QIcon>
#include <QObject>

class QSystemTrayIcon;
class QWidget;

namespace vc {

class BackgroundTray : public QObject {
    Q_OBJECT
  public:
    BackgroundTray(QWidget* window, QIcon icon);
    // Hides the window behind the tray icon (or minimises it when there is no tray).
    void Hide();
    // Shows the window again and removes the icon.
    void Restore();
    QSystemTrayIcon* Icon() const { return tray_; }

  private:
    QWidget* window_;
    QIcon icon_;
    QSystemTrayIcon* tray_ = nullptr;
};

}  // namespace vc
