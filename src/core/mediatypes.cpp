#include "core/mediatypes.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>
#include <algorithm>
#include <cctype>

#include "core/nativepath.h"

namespace vc {

const std::vector<MediaType>& ReadableMediaTypes() {
    // The open dialog's classic list first, then what the program writes and common sound, then
    // the rest FFmpeg reads.
    static const std::vector<MediaType> types = {
        {"avi", {"video/x-msvideo"}},
        {"mpg", {"video/mpeg"}},
        {"mpeg", {"video/mpeg"}},
        {"wmv", {"video/x-ms-wmv"}},
        {"asf", {"application/vnd.ms-asf", "video/x-ms-asf"}},
        {"asx", {}},
        {"mov", {"video/quicktime"}},
        {"dat", {}, false},
        {"qt", {"video/quicktime"}},
        {"vob", {"video/mpeg"}},
        {"3gp", {"video/3gpp"}},
        {"3g2", {"video/3gpp2"}},
        {"mp4", {"video/mp4"}},
        {"m4v", {"video/mp4", "video/x-m4v"}},
        {"rm", {"application/vnd.rn-realmedia"}},
        {"rmvb", {"application/vnd.rn-realmedia"}},
        {"ram", {}},
        {"mkv", {"video/x-matroska"}},
        {"flv", {"video/x-flv"}},
        {"mjpg", {"video/x-mjpeg"}},
        {"mjpeg", {"video/x-mjpeg"}},
        {"ts", {"video/mp2t"}},
        {"m2ts", {"video/mp2t"}},
        {"h264", {}},
        {"xwmv", {}},
        {"yuv", {}},
        {"qcp", {}},
        {"ogg", {"audio/ogg", "audio/x-vorbis+ogg", "video/x-theora+ogg"}},
        {"oga", {"audio/ogg"}},
        {"m4a", {"audio/mp4", "audio/x-m4a"}},
        {"mp3", {"audio/mpeg"}},
        {"wav", {"audio/x-wav"}},
        {"flac", {"audio/flac", "audio/x-flac"}},
        {"aac", {"audio/aac"}},
        {"ac3", {"audio/ac3"}},
        {"wma", {"audio/x-ms-wma"}},
        {"webm", {"video/webm", "audio/webm"}},
        {"ogv", {"video/ogg"}},
        {"ogm", {"video/x-ogm+ogg"}},
        {"opus", {"audio/x-opus+ogg"}},
        {"mts", {"video/mp2t"}},
        {"m2t", {"video/mp2t"}},
        {"3gpp", {"video/3gpp"}},
        {"f4v", {"video/mp4"}},
        {"mpe", {"video/mpeg"}},
        {"m1v", {}},
        {"m2v", {}},
        {"m2p", {}},
        {"vro", {}},
        {"evo", {}},
        {"divx", {"video/x-msvideo"}},
        {"mka", {"audio/x-matroska"}},
        {"mk3d", {"video/x-matroska-3d"}},
        {"dv", {"video/dv"}},
        {"mxf", {"application/mxf"}},
        {"wtv", {}},
        {"nut", {}},
        {"264", {}},
        {"h265", {}},
        {"hevc", {}},
        {"y4m", {}},
        {"ivf", {}},
        {"m4b", {"audio/x-m4b"}},
        {"mp2", {"audio/mp2"}},
        {"eac3", {}},
        {"dts", {"audio/vnd.dts"}},
        {"amr", {"audio/AMR"}},
        {"awb", {"audio/AMR-WB"}},
        {"aiff", {"audio/x-aiff"}},
        {"aif", {"audio/x-aiff"}},
        {"aifc", {"audio/x-aifc"}},
        {"au", {"audio/basic"}},
        {"snd", {"audio/basic"}},
        {"spx", {"audio/x-speex"}},
        {"wv", {"audio/x-wavpack"}},
        {"ape", {"audio/x-ape"}},
        {"mpc", {"audio/x-musepack"}},
        {"tta", {"audio/x-tta"}},
        {"caf", {}},
    };
    return types;
}

std::vector<std::string> ReadableMimeTypes() {
    std::vector<std::string> out;
    for (const MediaType& t : ReadableMediaTypes())
        for (const char* m : t.mimeTypes)
            if (std::find(out.begin(), out.end(), m) == out.end()) out.emplace_back(m);
    return out;
}

const std::vector<OpenFilter>& OpenFilters() {
    static const std::vector<OpenFilter> filters = [] {
        std::string all;
        for (const MediaType& t : ReadableMediaTypes())
            all += std::string("*.") + t.extension + ";";
        return std::vector<OpenFilter>{
            {QT_TRANSLATE_NOOP("OpenFilters", "All Support Format"), all},
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
            {QT_TRANSLATE_NOOP("OpenFilters", "All File(*.*)"), "*;"},
        };
    }();
    return filters;
}

const std::vector<std::string>& FolderExtensions() {
    static const std::vector<std::string> ext = [] {
        std::vector<std::string> out;
        for (const MediaType& t : ReadableMediaTypes())
            if (t.inFolders) out.push_back(std::string(".") + t.extension);
        return out;
    }();
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
