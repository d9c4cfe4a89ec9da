#include "app/DesktopStart.h"

#include <QTimer>

#include "app/Tfm_main.h"

namespace vc {

DesktopStart::DesktopStart(QObject* parent) : QObject(parent) {}

bool DesktopStart::Claim(const std::string& settingsFile, const QStringList& paths) {
    startPaths_ = paths;
    return channel_.ClaimOrHandOver(InstanceChannel::NameFor(QString::fromStdString(settingsFile)),
                                    paths);
}

void DesktopStart::Attach(Tfm_main* window) {
    connect(&channel_, &InstanceChannel::pathsArrived, window, &Tfm_main::OpenPaths);
    if (startPaths_.isEmpty()) return;
    // Like Add File after the start-up sequence, once the window is on the screen.
    connect(
        window, &Tfm_main::startupFinished, this,
        [this, window] {
            QTimer::singleShot(0, window,
                               [window, paths = startPaths_] { window->OpenPaths(paths); });
        },
        Qt::SingleShotConnection);
}

}  // namespace vc
