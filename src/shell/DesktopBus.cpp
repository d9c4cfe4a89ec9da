#include "shell/DesktopBus.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace vc {

namespace {
constexpr const char* kNotifyService = "org.freedesktop.Notifications";
constexpr const char* kNotifyPath = "/org/freedesktop/Notifications";
constexpr const char* kNotifyInterface = "org.freedesktop.Notifications";
constexpr const char* kOpenFolderAction = "open-folder";
}  // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

bool DesktopNotifier::Notify(const QString& title, const QString& text, const QString& folder,
                             FolderOpener open) {
    if (!bus_.isConnected()) return false;
    if (!listening_) {
        listening_ = bus_.connect(kNotifyService, kNotifyPath, kNotifyInterface, "ActionInvoked",
                                  this, SLOT(OnActionInvoked(uint, QString)));
        bus_.connect(kNotifyService, kNotifyPath, kNotifyInterface, "NotificationClosed", this,
                     SLOT(OnClosed(uint, uint)));
    }
    QStringList actions;
    if (!folder.isEmpty()) {
        // "default" is a click on the notification itself.
        actions << "default" << tr("Open folder") << kOpenFolderAction << tr("Open folder");
    }
    QVariantMap hints;
    hints.insert("desktop-entry", QStringLiteral("videoconverter"));
    hints.insert("category", QStringLiteral("transfer.complete"));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kNotifyService, kNotifyPath, kNotifyInterface, "Notify");
    call << tr("Video Converter") << uint(0) << QStringLiteral("videoconverter") << title << text
         << actions << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, folder, open = std::move(open)](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                // No service: the notice is not shown, as on a desktop without notifications.
                if (reply.isError() || folder.isEmpty()) return;
                shown_[reply.value()] = {folder, open};
            });
    return true;
}

void DesktopNotifier::OnActionInvoked(uint id, const QString& action) {
    const auto it = shown_.find(id);
    if (it == shown_.end()) return;
    if (action == QLatin1String(kOpenFolderAction) || action == QLatin1String("default")) {
        const auto [folder, open] = it->second;
        shown_.erase(it);
        if (open) open(folder);
    }
}

void DesktopNotifier::OnClosed(uint id, uint) {
    shown_.erase(id);
}

void PowerOffThroughLoginManager(std::function<void(const QString& error)> failed,
                                 const QDBusConnection& bus) {
    if (!bus.isConnected()) {
        if (failed)
            failed(QCoreApplication::translate("DesktopBus", "The system bus cannot be reached."));
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.login1.Manager", "PowerOff");
    call << true;  // interactive: the user may be asked to authorise it
    // Long enough for the user to answer an authorisation question.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 10 * 60 * 1000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [failed = std::move(failed)](QDBusPendingCallWatcher* w) {
                         w->deleteLater();
                         if (w->isError() && failed) failed(w->error().message());
                     });
}

}  // namespace vc
