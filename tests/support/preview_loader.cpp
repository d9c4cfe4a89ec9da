#include "support/preview_loader.h"

#include <dlfcn.h>

#include "core/appinfo.h"

namespace vc {

namespace {

template <typename Fn>
bool Resolve(void* handle, const char* name, Fn* out, std::string* error) {
    *out = reinterpret_cast<Fn>(dlsym(handle, name));
    if (*out == nullptr) {
        *error = std::string("The preview library has no function ") + name + ".";
        return false;
    }
    return true;
}

}  // namespace

bool LoadPreviewLibrary(PreviewFunctions* functions, std::string* error,
                        const std::string& directory) {
    std::string dir = directory.empty() ? ProgramDirectory() : directory;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const std::string path = dir + "libPreview.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        *error = "Cannot load the preview library " + path + (why ? std::string(": ") + why : "");
        return false;
    }
    PreviewFunctions f;
    if (!Resolve(handle, "InitPreviewWindow", &f.InitPreviewWindow, error) ||
        !Resolve(handle, "SetEventFuntion", &f.SetEventFuntion, error) ||
        !Resolve(handle, "Seek", &f.Seek, error) || !Resolve(handle, "Play", &f.Play, error) ||
        !Resolve(handle, "Pause", &f.Pause, error) || !Resolve(handle, "Stop", &f.Stop, error) ||
        !Resolve(handle, "DestroyPreviewWindow", &f.DestroyPreviewWindow, error))
        return false;
    *functions = f;
    return true;
}

}  // namespace vc
