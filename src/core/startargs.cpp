#include "core/startargs.h"

#include <QDir>
#include <QUrl>

#include "core/nativepath.h"

#ifndef VC_VERSION
#define VC_VERSION "0"
#endif

namespace vc {

namespace {

// An address as typed, its bytes beyond ASCII escaped: QUrl mangles some stand-ins.
QByteArray EscapeNonAscii(const QString& address) {
    QByteArray out;
    for (const char c : PathFromQString(address)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 || b < 0x20)
            out += '%' + QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

}  // namespace

StartArgs ParseStartArgs(const QStringList& args, const QString& workingDir) {
    StartArgs out;
    const QDir base(workingDir);
    bool options = true;
    for (const QString& a : args) {
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            // The first of --help and --version wins; later names change nothing.
            if (out.mode == StartArgs::Mode::Run) out.mode = StartArgs::Mode::Help;
        } else if (options && a == QLatin1String("--version")) {
            if (out.mode == StartArgs::Mode::Run) out.mode = StartArgs::Mode::Version;
        } else if (options && a.startsWith('-') && a.size() > 1) {
            out.unknown << a;
        } else if (a.startsWith(QLatin1String("file:"))) {
            const QString path = LocalPathFromUrl(QUrl::fromEncoded(EscapeNonAscii(a)));
            if (!path.isEmpty()) out.paths << QDir::cleanPath(path);
        } else if (!a.isEmpty()) {
            out.paths << QDir::cleanPath(base.absoluteFilePath(a));
        }
    }
    return out;
}

std::string UsageText(const std::string& exeName) {
    return "Usage: " + exeName +
           " [OPTION]... [FILE|FOLDER]...\n"
           "Converts video and audio files. Files named are added to the job list; a folder adds\n"
           "the media files it holds. When the converter runs already, the names go to its\n"
           "window.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "  --             every later argument is a file name\n";
}

std::string VersionText(const std::string& productName) {
    return productName + " " VC_VERSION "\n";
}

}  // namespace vc
