#include "core/mediatypes.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cctype>

#include "core/nativepath.h"

namespace vc {

namespace {
// The program writes these itself and plays common sound files; taking them in is expected.
constexpr const char* kWrittenAndSound = "*.ogg;*.oga;*.m4a;*.mp3;*.wav;*.flac;*.aac;*.ac3;*.wma;";
}  // namespace

const std::vector<OpenFilter>& OpenFilters() {
    static const std::vector<OpenFilter> filters = {
        {"All Support Format",
         std::string("*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.asx;*.mov;*.dat;*.qt;*.vob;*.3gp;*.3g2;"
                     "*.mp4;*.m4v;*.rm;*.rmvb;*.ram;*.mkv;*.flv;*.mjpg;*.mjpeg;*.ts;*.m2ts;*.h264;"
                     "*.xwmv;*.yuv;*.qcp;") +
             kWrittenAndSound},
        {"WMV Format(*.wmv;*.asf;*.asx;)", "*.wmv;*.asf;*.asx;"},
        {"MPEG Format(*.mpg;*.mpeg;)", "*.mpg;*.mpeg;"},
        {"AVI Format(*.avi;)", "*.avi;"},
        {"Quick Time Format(*.qt;*.mov;)", "*.qt;*.mov;"},
        {"VCD Format(*.dat;)", "*.dat;"},
        {"MP4 Format(*.mp4;*.m4v;*.m4a)", "*.mp4;*.m4v;*.m4a;"},
        {"DVD Format(*.vob)", "*.vob;"},
        {"3GP Format(*.3gp)", "*.3gp;"},
        {"RM Format(*.rm;*.rmvb;*.ram;)", "*.rm;*.rmvb;*.ram;"},
        {"FLV Format(*.flv;)", "*.flv;"},
        {"QCP Format(*.qcp)", "*.qcp;"},
        {"All File(*.*)", "*;"},
    };
    return filters;
}

const std::vector<std::string>& FolderExtensions() {
    static const std::vector<std::string> ext = {".avi", ".mpg", ".vob",  ".mpeg", ".3gp", ".mp4",
                                                 ".flv", ".rm",  ".m4v",  ".rmvb", ".wmv", ".asf",
                                                 ".qt",  ".asx", ".mkv",  ".ogg",  ".oga", ".m4a",
                                                 ".mp3", ".wav", ".flac", ".aac",  ".ac3", ".wma"};
    return ext;
}

bool IsFolderMediaName(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = fileName.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto& all = FolderExtensions();
    return std::find(all.begin(), all.end(), ext) != all.end();
}

QStringList FolderMediaEntries(const QString& folder) {
    // Every name, also those that are not valid UTF-8 (which QDir leaves out).
    QStringList out;
    const QString base = QDir(folder).absolutePath();
    for (const std::string& name : ListFolderNames(folder.toStdString()))
        if (IsFolderMediaName(name)) out << base + "/" + QString::fromStdString(name);
    return out;
}

QStringList ExpandMediaPaths(const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths) {
        if (IsFolderPath(p))
            out << FolderMediaEntries(p);
        else
            out << p;
    }
    return out;
}

QString OpenDialogStartFolder(const QString& lastUsed, const QString& videos, const QString& home) {
    for (const QString& f : {lastUsed, videos})
        if (!f.isEmpty() && QFileInfo(f).isDir()) return f;
    return home;
}

}  // namespace vc
