#include "preview/PreviewLibrary.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

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

std::string LibraryPath(const std::string& directory) {
    std::string dir = directory.empty() ? ProgramDirectory() : directory;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + "libPreview.so";
}

}  // namespace

bool LoadPreviewLibrary(PreviewFunctions* functions, std::string* error,
                        const std::string& directory) {
    const std::string path = LibraryPath(directory);
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
        !Resolve(handle, "DestroyPreviewWindow", &f.DestroyPreviewWindow, error)) {
        dlclose(handle);
        return false;
    }
    f.SetTracks = reinterpret_cast<SetTracksFn>(dlsym(handle, "SetTracks"));
    *functions = f;
    return true;
}

const PreviewFunctions* ProgramPreviewLibrary(std::string* error) {
    // One binding per program folder (tests point the program at different folders).
    static std::mutex lock;
    static std::map<std::string, PreviewFunctions> loaded;
    const std::string path = LibraryPath(std::string());
    std::lock_guard<std::mutex> guard(lock);
    auto it = loaded.find(path);
    if (it != loaded.end()) return &it->second;
    PreviewFunctions f;
    std::string why;
    if (!LoadPreviewLibrary(&f, &why)) {
        if (error) *error = why;
        return nullptr;
    }
    return &loaded.emplace(path, f).first->second;
}

}  // namespace vc
