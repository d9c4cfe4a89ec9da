#include "core/appsettings.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "core/appinfo.h"
#include "core/inifile.h"
#include "core/nativepath.h"
#include "core/profilesettings.h"

namespace vc {

AppSettings LoadAppSettings(const std::string& path, int defaultProfile,
                            const std::string& defaultOutputPath) {
    IniFile ini(path);
    AppSettings s;
    s.videoFirstPage = ini.ReadBool("plane", "video", true);
    s.audioFirstPage = ini.ReadBool("plane", "audio", true);
    s.outputPath = ini.ReadString("output", "path", defaultOutputPath);
    s.categoryIndex = static_cast<int>(ini.ReadInt("profiles", "selcetindex", 1));
    s.profileId = static_cast<int>(ini.ReadInt("profiles", "selcetsubindex", defaultProfile));
    s.finishAction = static_cast<int>(ini.ReadInt("profiles", "FinishSelcet", 0));
    if (s.finishAction < 0 || s.finishAction > 2) s.finishAction = 0;
    s.lastAddFolder = ini.ReadString("open", "folder", "");
    const int64_t simultaneous = ini.ReadInt("convert", "Simultaneous", 0);
    s.simultaneous =
        simultaneous > 0 && simultaneous <= kMaxSimultaneous ? static_cast<int>(simultaneous) : 0;
    s.lowPriority = ini.ReadBool("convert", "LowPriority", true);
    s.windowWidth = static_cast<int>(ini.ReadInt("window", "width", 0));
    s.windowHeight = static_cast<int>(ini.ReadInt("window", "height", 0));
    if (s.windowWidth > 0 && s.windowHeight > 0) {
        s.windowLeft = static_cast<int>(ini.ReadInt("window", "left", 0));
        s.windowTop = static_cast<int>(ini.ReadInt("window", "top", 0));
        s.windowMaximized = ini.ReadBool("window", "maximized", false);
    } else {
        s.windowWidth = s.windowHeight = 0;
    }
    return s;
}

bool SaveAppSettings(const std::string& path, const AppSettings& s) {
    IniFile ini(path);
    ini.WriteString("output", "path", s.outputPath);
    ini.WriteInt("profiles", "selcetsubindex", s.profileId);
    ini.WriteInt("profiles", "selcetindex", s.categoryIndex);
    ini.WriteInt("profiles", "FinishSelcet", s.finishAction);
    ini.WriteBool("plane", "video", s.videoFirstPage);
    ini.WriteBool("plane", "audio", s.audioFirstPage);
    if (!s.lastAddFolder.empty()) ini.WriteString("open", "folder", s.lastAddFolder);
    ini.WriteInt("convert", "Simultaneous", s.simultaneous);
    ini.WriteBool("convert", "LowPriority", s.lowPriority);
    if (s.windowWidth > 0 && s.windowHeight > 0) {
        ini.WriteInt("window", "left", s.windowLeft);
        ini.WriteInt("window", "top", s.windowTop);
        ini.WriteInt("window", "width", s.windowWidth);
        ini.WriteInt("window", "height", s.windowHeight);
        ini.WriteBool("window", "maximized", s.windowMaximized);
    }
    return ini.Save();
}

int RemoveUnfinishedSaves(const std::vector<std::string>& files) {
    // The six characters the temporary file's name ends in.
    auto isTemporarySuffix = [](std::string_view s) {
        return s.size() == 6 && std::all_of(s.begin(), s.end(),
                                            [](unsigned char c) { return std::isalnum(c) != 0; });
    };
    int removed = 0;
    for (const std::string& file : files) {
        const size_t slash = file.rfind('/');
        const std::string folder = file.substr(0, slash + 1);
        const std::string prefix = file.substr(slash + 1) + ".";
        for (const std::string& name : ListFolderNames(folder.empty() ? "." : folder)) {
            if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0 ||
                !isTemporarySuffix(std::string_view(name).substr(prefix.size())))
                continue;
            if (::unlink(PathBytesFromText(folder + name).c_str()) == 0) ++removed;
        }
    }
    return removed;
}

std::string SettingsFilePathFor(const std::string& productName) {
    std::string name = productName;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name = name.substr(0, dot);
    return ConfigDirectory("VideoConverter") + name + ".ini";
}

std::string ProfileSettingsFilePathFor(const std::string& productName) {
    const std::string settings = SettingsFilePathFor(productName);
    const size_t slash = settings.rfind('/');
    return settings.substr(0, slash + 1) + ProfileSettingsFileName(settings.substr(slash + 1));
}

}  // namespace vc
