// register.dat's side of the media library: found beside the real executable, loaded once,
// only by the runs that need FFmpeg's libraries.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "encoder.h"

namespace vc::encoder {

namespace {

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    const std::string path(buf, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

const MediaFunctions* Load(std::string& error) {
    const std::string path = ExecutableFolder() + "/" + kMediaLibraryName;
    // Lazy binding: a run calls a few dozen of the libraries' thousands of functions, and
    // binding them all up front costs more than some short conversions.
    void* handle = ::dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        error = "Error: cannot load the encoder's media library: " +
                std::string(why ? why : path.c_str());
        return nullptr;
    }
    using Entry = const MediaFunctions* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kMediaEntryName));
    const MediaFunctions* functions = entry ? entry() : nullptr;
    if (!functions || functions->abi != kMediaAbi) {
        error = "Error: the encoder's media library does not belong to this encoder: " + path;
        return nullptr;
    }
    return functions;
}

}  // namespace

const MediaFunctions* Media(std::string& error) {
    static std::string loadError;
    static const MediaFunctions* const functions = Load(loadError);
    error = loadError;
    return functions;
}

bool EncoderAvailable(const std::string& name) {
    std::string error;
    const MediaFunctions* media = Media(error);
    // Without the library the name stays as given, and ffmpeg names what it lacks.
    return !media || media->encoderAvailable(name);
}

bool IsOutputProtocol(const std::string& scheme) {
    std::string error;
    const MediaFunctions* media = Media(error);
    return media && media->outputProtocol(scheme);
}

}  // namespace vc::encoder
