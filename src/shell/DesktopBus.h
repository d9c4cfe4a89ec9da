#pragma once
// The desktop's services over D-Bus: notifications with an "Open folder" action (the
// desktop's notification service, org.freedesktop.Notifications on the session bus) and
// powering off through the login manager (org.freedesktop.login1 on the system bus). No
// helper program is run.
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

namespace vc {

class DesktopNotifier : public QObject {
    Q_OBJECT
  public:
    // Called with the folder when the user picks a notification's "Open folder".
    using FolderOpener = std::function<void(const QString& folder)>;

    explicit DesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    // Sends the notification without waiting for the service; with an "Open folder" action
    // when a folder is given. False when there is no session bus to send it on.
    bool Notify(const QString& title, const QString& text, const QString& folder,
                FolderOpener open);

  private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

  private:
    QDBusConnection bus_;
    bool listening_ = false;
    // Notifications shown and the folders their action opens.
    std::map<uint, std::pair<QString, FolderOpener>> shown_;
};

// Asks the login manager to power the computer off (interactive: it may ask the user for
// authorisation). The answer comes later: `failed` gets the error when it refuses.
void PowerOffThroughLoginManager(std::function<void(const QString& error)> failed,
                                 const QDBusConnection& bus = QDBusConnection::systemBus());

}  // namespace vc
