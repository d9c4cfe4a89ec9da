#include "core/startargs.h"

#include <QDir>
#include <QUrl>

#include "core/nativepath.h"
#include "core/uilanguage.h"

#ifndef VC_VERSION
#define VC_VERSION "0"
#endif

namespace vc {

namespace {

// Qt's own options, which the application object takes out of the arguments: they are no
// error, even before it has seen them. Single or double dash; those with a value take it after
// "=" or as the next argument.
bool IsQtOption(const QString& arg, bool* takesValue) {
    static const char* const kWithValue[] = {"platform",      "platformpluginpath",
                                             "platformtheme", "plugin",
                                             "qmljsdebugger", "qwindowgeometry",
                                             "qwindowicon",   "qwindowtitle",
                                             "session",       "style",
                                             "stylesheet",    "display",
                                             "geometry",      "title",
                                             "icon",          "name"};
    static const char* const kPlain[] = {"reverse", "widgetcount", "nograb",
                                         "dograb",  "sync",        "testability"};
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype eq = name.indexOf('=');
    const bool hasValue = eq >= 0;
    if (hasValue) name.truncate(eq);
    for (const char* o : kWithValue) {
        if (name == QLatin1String(o)) {
            *takesValue = !hasValue;
            return true;
        }
    }
    for (const char* o : kPlain) {
        if (name == QLatin1String(o) && !hasValue) {
            *takesValue = false;
            return true;
        }
    }
    return false;
}

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
    bool qtValue = false;  // the argument is the value of a Qt option before it
    for (const QString& a : args) {
        bool takesValue = false;
        if (qtValue) {
            qtValue = false;
        } else if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            // The first of --help and --version wins; later names change nothing.
            if (out.mode == StartArgs::Mode::Run) out.mode = StartArgs::Mode::Help;
        } else if (options && a == QLatin1String("--version")) {
            if (out.mode == StartArgs::Mode::Run) out.mode = StartArgs::Mode::Version;
        } else if (options && a.startsWith('-') && a.size() > 1 && IsQtOption(a, &takesValue)) {
            qtValue = takesValue;
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
    return Translate(
               "StartArgs",
               "Usage: %1 [OPTION]... [FILE|FOLDER]...\n"
               "Converts video and audio files. Files named are added to the job list; a folder "
               "adds\n"
               "the media files it holds. When the converter runs already, the names go to its\n"
               "window.\n"
               "\n"
               "  -h, --help     show this help and exit\n"
               "      --version  show the version and exit\n"
               "  --             end of the options: every later argument is a file or folder\n"
               "\n"
               "Qt's own options (-platform NAME, -style NAME, -reverse and others) are taken as\n"
               "well.\n"
               "\n"
               "Exit status: 0 when the window was closed or an option printed its text, 2 for "
               "an\n"
               "option that is not known, another value when the program could not start.\n")
        .arg(QString::fromStdString(exeName))
        .toStdString();
}

std::string UnknownOptionText(const std::string& exeName, const QString& option) {
    return Translate("StartArgs", "%1: unknown option %2\n")
               .arg(QString::fromStdString(exeName), option)
               .toStdString() +
           UsageText(exeName);
}

std::string CommandName(const std::string& startedAs) {
    const QString launcher = qEnvironmentVariable("VC_COMMAND_NAME");
    // A name only, never a path or a text of its own.
    if (!launcher.isEmpty() && !launcher.contains('/') && !launcher.contains('\n'))
        return launcher.toStdString();
    return startedAs;
}

std::string VersionText(const std::string& productName) {
    return productName + " " VC_VERSION "\n";
}

}  // namespace vc
