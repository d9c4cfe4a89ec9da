#include "core/siblings.h"

namespace vc {

std::string ParentFolder(const std::string& programDir) {
    std::string dir = programDir;
    if (dir.empty()) return {};
    if (dir.back() != '/') dir += '/';
    // Search backwards for "/", starting before the final one.
    if (dir.size() < 2) return {};
    const std::size_t slash = dir.rfind('/', dir.size() - 2);
    if (slash == std::string::npos) return {};
    // "/tool/" has only the root above it; the root itself has nothing above.
    return dir.substr(0, slash + 1);
}

const std::vector<std::string>& SiblingPrograms() {
    // Each program of the suite lives in its own folder beside ours.
    static const std::vector<std::string> names = {
        "AudioConverter/AudioConverter",
        "DVDRipper/DVDRipper",
        "DVDCreator/DVDCreator",
        "VideoEditor/VideoEditor",
        "VideoJoiner/VideoJoiner",
        "VideoSplitter/VideoSplitter",
        "ScreenRecorder/ScreenRecorder",
        "AudioRecorder/AudioRecorder",
        "CDRipper/CDRipper",
        "PhotoSlideshow/PhotoSlideshow",
        "GifMaker/GifMaker",
        "SubtitleEditor/SubtitleEditor",
        "VideoCompressor/VideoCompressor",
        "MediaPlayer/MediaPlayer",
        "RingtoneMaker/RingtoneMaker",
    };
    return names;
}

std::vector<std::string> SiblingsToLaunch(const std::string& programDir,
                                          const std::function<bool(const std::string&)>& exists) {
    const std::string parent = ParentFolder(programDir);
    std::vector<std::string> found;
    for (const std::string& name : SiblingPrograms()) {
        const std::string path = parent + name;
        if (exists && exists(path)) found.push_back(path);
    }
    return found;
}

}  // namespace vc
