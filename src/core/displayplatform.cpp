#include "core/displayplatform.h"

#include <QByteArray>
#include <QtGlobal>

namespace vc {

std::optional<std::string> DisplayPlatformFor(const DisplayEnvironment& env) {
    const bool wayland = !env.waylandDisplay.empty() || env.sessionType == "wayland";
    // Without an X server there is nothing to run through: Qt's own choice stands.
    if (!wayland || !env.qtPlatform.empty() || env.x11Display.empty()) return std::nullopt;
    return "xcb";
}

void ChooseDisplayPlatform() {
    const auto get = [](const char* name) { return qgetenv(name).toStdString(); };
    const std::optional<std::string> platform = DisplayPlatformFor(
        {get("WAYLAND_DISPLAY"), get("XDG_SESSION_TYPE"), get("DISPLAY"), get("QT_QPA_PLATFORM")});
    if (platform) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
}

}  // namespace vc
