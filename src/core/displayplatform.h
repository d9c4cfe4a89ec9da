#pragma once
// The display platform the program runs on. The preview draws into an X11 window, which a
// native Wayland window cannot hold: in a Wayland session with an X server beside it
// (XWayland) the program runs through X11, unless the user chose a platform. Chosen by the
// program itself, so that every name it is started under (launcher, edition links, desktop
// entries) behaves alike.
#include <optional>
#include <string>

namespace vc {

struct DisplayEnvironment {
    std::string waylandDisplay;  // $WAYLAND_DISPLAY
    std::string sessionType;     // $XDG_SESSION_TYPE
    std::string x11Display;      // $DISPLAY
    std::string qtPlatform;      // $QT_QPA_PLATFORM
};

// The value QT_QPA_PLATFORM should take, or nothing when it stays as it is.
std::optional<std::string> DisplayPlatformFor(const DisplayEnvironment& env);

// Applies DisplayPlatformFor to this process's environment; before the application object.
void ChooseDisplayPlatform();

}  // namespace vc
