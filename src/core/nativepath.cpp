#include "core/nativepath.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QUrl>
#include <algorithm>
#include <cerrno>

namespace vc {

namespace {

constexpr char32_t kStandInBase = 0x10FF00;  // + byte 0x80..0xFF

bool IsStandIn(char32_t cp) {
    return cp >= kStandInBase + 0x80 && cp <= kStandInBase + 0xFF;
}

// Length of the valid UTF-8 sequence at s[i] and its code point; 0 when it is not one
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void AppendUtf8(std::string& out, char32_t cp) {
    // Only stand-ins are written here: four-byte sequences.
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

}  // namespace

std::string PathTextFromBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const std::size_t n = DecodeUtf8(bytes, i, cp);
        // A name that really holds a stand-in code point keeps it by escaping its bytes.
        if (n > 0 && !IsStandIn(cp)) {
            out.append(bytes.substr(i, n));
            i += n;
        } else {
            AppendUtf8(out, kStandInBase + static_cast<unsigned char>(bytes[i]));
            ++i;
        }
    }
    return out;
}

std::string PathBytesFromText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = DecodeUtf8(text, i, cp);
        if (n == 0) {
            out.push_back(text[i++]);  // not text at all: keep the byte as it is
        } else if (IsStandIn(cp)) {
            out.push_back(static_cast<char>(cp - kStandInBase));
            i += n;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out;
}

QString PathToQString(std::string_view bytes) {
    const std::string text = PathTextFromBytes(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string PathFromQString(const QString& text) {
    return PathBytesFromText(text.toStdString());
}

QStringList ArgumentsAsText(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << PathToQString(argv[i]);
    return args;
}

QString CurrentFolderText() {
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return PathToQString(buffer.c_str());
}

QString LocalPathFromUrl(const QUrl& url) {
    if (!url.isLocalFile()) return {};
    const QString host = url.host();
    // A name on another machine keeps Qt's own form ("//host/path").
    if (!host.isEmpty() && host != QLatin1String("localhost")) return url.toLocalFile();
    // Escapes give the name's bytes; characters written as such are text already (stand-ins
    // included), and PathBytesFromText takes both back to bytes.
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toUtf8());
    return PathToQString(PathBytesFromText(bytes.toStdString()));
}

bool IsFolderPath(const QString& pathText) {
    struct stat sb {};
    return ::stat(PathFromQString(pathText).c_str(), &sb) == 0 && S_ISDIR(sb.st_mode);
}

std::vector<std::string> ListFolderNames(const std::string& folderText) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(PathBytesFromText(folderText).c_str());
    if (!dir) return names;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") continue;
        names.emplace_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    for (auto& n : names) n = PathTextFromBytes(n);
    return names;
}

}  // namespace vc
