#include "core/startargs.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <QUrl>
#include <algorithm>

#include "core/catalogue.h"
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

// A whole number from 1 up, or 0.
int PositiveNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && !text.startsWith('+') ? n : 0;
}

// A profile the picker offers, under a name.
bool IsNamedProfile(int id) {
    return IsSelectableProfile(id) && CatalogueEntry(id)->displayName[0] != '\0';
}

QString ProfileList() {
    QString out = Translate("StartArgs", "The profiles:") + "\n";
    for (int id = 1; id <= kProfileCount; ++id)
        if (IsNamedProfile(id))
            out += QStringLiteral("  %1  %2\n")
                       .arg(id, 3)
                       .arg(QString::fromUtf8(CatalogueEntry(id)->displayName));
    return out;
}

// The profile a number or a name stands for; 0 with the reason when none.
int FindProfile(const QString& value, QString* error) {
    const QString text = value.trimmed();
    if (const int n = PositiveNumber(text); n > 0 || text == QLatin1String("0")) {
        if (IsNamedProfile(n)) return n;
        *error = Translate("StartArgs", "there is no profile number %1.").arg(text) + "\n" +
                 ProfileList();
        return 0;
    }
    std::vector<int> found;
    for (int id = 1; id <= kProfileCount; ++id)
        if (IsNamedProfile(id) && text.compare(QString::fromUtf8(CatalogueEntry(id)->displayName),
                                               Qt::CaseInsensitive) == 0)
            found.push_back(id);
    if (found.size() == 1) return found.front();
    if (found.empty()) {
        *error =
            Translate("StartArgs", "no profile is named \"%1\".").arg(text) + "\n" + ProfileList();
    } else {
        QStringList numbers;
        for (int id : found) numbers << QString::number(id);
        // The same name on two panels stands for different settings: only the number tells.
        *error = Translate("StartArgs", "the profiles %1 share the name \"%2\": give the number.")
                     .arg(numbers.join(QStringLiteral(", ")), text);
    }
    return 0;
}

bool IsSubtitleFileName(const QString& name) {
    for (const char* ext : {".srt", ".ass", ".ssa", ".vtt"})
        if (name.endsWith(QLatin1String(ext), Qt::CaseInsensitive)) return true;
    return false;
}

// Reads the value of a --convert option into the options; false with the reason when the
// value is wrong.
bool TakeConvertValue(const QString& option, const QString& value, const QDir& base,
                      ConvertOptions& o, QString* error) {
    if (option == QLatin1String("--profile")) {
        o.profileId = FindProfile(value, error);
        return o.profileId > 0;
    }
    if (option == QLatin1String("--output")) {
        if (value.isEmpty()) {
            *error = Translate("StartArgs", "--output needs a folder.");
            return false;
        }
        o.output = QDir::cleanPath(base.absoluteFilePath(value));
        return true;
    }
    if (option == QLatin1String("--jobs")) {
        const int cores = std::max(1, QThread::idealThreadCount());
        if (value.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
            o.jobs = 0;
            return true;
        }
        o.jobs = PositiveNumber(value);
        if (o.jobs >= 1 && o.jobs <= cores) return true;
        *error =
            Translate("StartArgs",
                      "--jobs takes \"auto\" or a number from 1 to %1 (the number of cores), not "
                      "\"%2\".")
                .arg(cores)
                .arg(value);
        return false;
    }
    if (option == QLatin1String("--audio-track")) {
        o.audioTrack = PositiveNumber(value);
        if (o.audioTrack > 0) return true;
        *error = Translate("StartArgs",
                           "--audio-track takes the number of a sound track, from 1, not \"%1\".")
                     .arg(value);
        return false;
    }
    // --subtitle
    o.subtitle = 0;
    o.subtitleFile.clear();
    if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) return true;
    o.subtitle = PositiveNumber(value);
    if (o.subtitle > 0) return true;
    if (IsSubtitleFileName(value)) {
        o.subtitleFile = QDir::cleanPath(base.absoluteFilePath(value));
        return true;
    }
    *error =
        Translate("StartArgs",
                  "--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, "
                  ".ssa, .vtt) or \"none\", not \"%1\".")
            .arg(value);
    return false;
}

}  // namespace

StartArgs ParseStartArgs(const QStringList& args, const QString& workingDir) {
    StartArgs out;
    const QDir base(workingDir);
    bool options = true;
    bool qtValue = false;        // the argument is the value of a Qt option before it
    QString valueOf;             // the argument is the value of this --convert option
    QStringList convertOptions;  // given, for the check that --convert is there
    auto take = [&](const QString& option, const QString& value) {
        convertOptions << option;
        QString error;
        if (!TakeConvertValue(option, value, base, out.options, &error)) out.errors << error;
    };
    for (const QString& a : args) {
        bool takesValue = false;
        const QString name = a.section('=', 0, 0);
        if (qtValue) {
            qtValue = false;
        } else if (!valueOf.isEmpty()) {
            take(valueOf, a);
            valueOf.clear();
        } else if (options && a == QLatin1String("--convert")) {
            out.convert = true;
        } else if (options &&
                   (name == QLatin1String("--profile") || name == QLatin1String("--output") ||
                    name == QLatin1String("--jobs") || name == QLatin1String("--audio-track") ||
                    name == QLatin1String("--subtitle"))) {
            if (a.contains('='))
                take(name, a.section('=', 1));
            else
                valueOf = name;
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
    if (!valueOf.isEmpty()) {
        convertOptions << valueOf;
        out.errors << Translate("StartArgs", "%1 needs a value.").arg(valueOf);
    }
    if (!out.convert) {
        for (const QString& o : convertOptions)
            out.errors << Translate("StartArgs", "%1 is taken only with --convert.").arg(o);
    } else if (out.paths.isEmpty()) {
        out.errors << Translate("StartArgs", "--convert needs the files or folders to convert.");
    }
    return out;
}

std::string UsageText(const std::string& exeName) {
    const QString name = QString::fromStdString(exeName);
    return QString(
               Translate("StartArgs", "Usage: %1 [OPTION]... [FILE|FOLDER]...\n").arg(name) +
               Translate(
                   "StartArgs",
                   "  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]\n"
                   "              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...\n")
                   .arg(name) +
               Translate(
                   "StartArgs",
                   "Converts video and audio files. Files named are added to the job list; a "
                   "folder "
                   "adds\n"
                   "the media files it holds. When the converter runs already, the names go to "
                   "its\n"
                   "window.\n"
                   "\n"
                   "  -h, --help     show this help and exit\n"
                   "      --version  show the version and exit\n"
                   "  --             end of the options: every later argument is a file or folder\n"
                   "\n"
                   "Qt's own options (-platform NAME, -style NAME, -reverse and others) are taken "
                   "as\n"
                   "well.\n"
                   "\n") +
               Translate(
                   "StartArgs",
                   "Converting without a window (no display needed):\n"
                   "      --convert           convert the files, and the media files of the\n"
                   "                          folders, with this edition's saved settings; exit\n"
                   "      --profile N|NAME    the output profile: its number, or its name as the\n"
                   "                          profile picker shows it, in any case; default: the\n"
                   "                          saved profile (a wrong one lists the profiles)\n"
                   "      --output DIR        the output folder; default: the saved one\n"
                   "      --jobs N|auto       conversions side by side: 1 up to the number of\n"
                   "                          cores, or auto\n"
                   "      --audio-track N     the sound track of each file, from 1; default: the\n"
                   "                          file's default track; a file with fewer fails\n"
                   "      --subtitle N|FILE|none\n"
                   "                          burn in each file's Nth subtitle (its subtitle\n"
                   "                          streams, then the subtitle files beside it named\n"
                   "                          like it), or a subtitle file (.srt, .ass, .ssa,\n"
                   "                          .vtt); default: none\n"
                   "A line per file on the error output tells how far it is and how it ended.\n"
                   "Ctrl+C stops the conversion and removes the unfinished output.\n"
                   "\n"
                   "Exit status: 0 when the window was closed, an option printed its text or "
                   "every\n"
                   "file was converted; 1 when a file could not be converted; 2 for an option that "
                   "is\n"
                   "not known, a wrong value or a file that is missing; 130 after Ctrl+C (143 "
                   "after\n"
                   "SIGTERM); another value when the program could not start.\n"))
        .toStdString();
}

std::string UsageErrorText(const std::string& exeName, const QString& error) {
    // Names in the text keep their bytes.
    return exeName + ": " + PathFromQString(error) + (error.endsWith('\n') ? "" : "\n") +
           Translate("StartArgs", "Try \"%1 --help\" for more information.")
               .arg(QString::fromStdString(exeName))
               .toStdString() +
           "\n";
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
