// The command line and the paths that stand for media files: named, dropped or in a folder.
#include "core/startargs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <set>

#include "core/mediatypes.h"
#include "core/nativepath.h"

using namespace vc;
using Mode = StartArgs::Mode;

TEST(StartArgs, Table) {
    struct Case {
        QStringList args;
        Mode mode;
        QStringList paths;
        QStringList unknown;
    } cases[] = {
        {{}, Mode::Run, {}, {}},
        {{"a.mp4", "b clip.mkv"}, Mode::Run, {"/work/a.mp4", "/work/b clip.mkv"}, {}},
        {{"/abs/x.avi", "../up.mp3", "./sub/"},
         Mode::Run,
         {"/abs/x.avi", "/up.mp3", "/work/sub"},
         {}},
        {{"file:///home/u/My%20Clip.mp4"}, Mode::Run, {"/home/u/My Clip.mp4"}, {}},
        {{"--help", "a.mp4"}, Mode::Help, {"/work/a.mp4"}, {}},
        {{"-h"}, Mode::Help, {}, {}},
        {{"--version"}, Mode::Version, {}, {}},
        {{"--version", "--help"}, Mode::Version, {}, {}},
        {{"--", "--help", "-x.mp4"}, Mode::Run, {"/work/--help", "/work/-x.mp4"}, {}},
        {{"--frobnicate", "-", "a.mp4"}, Mode::Run, {"/work/-", "/work/a.mp4"}, {"--frobnicate"}},
        // Qt's own options, with their values, are no names and no error.
        {{"-platform", "offscreen", "--style=fusion", "-reverse", "a.mp4"},
         Mode::Run,
         {"/work/a.mp4"},
         {}},
        {{"-reverse=1", "-stylish"}, Mode::Run, {}, {"-reverse=1", "-stylish"}},
        {{""}, Mode::Run, {}, {}},
    };
    for (const Case& c : cases) {
        const StartArgs a = ParseStartArgs(c.args, "/work");
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(a.mode, c.mode) << what;
        EXPECT_EQ(a.paths, c.paths) << what;
        EXPECT_EQ(a.unknown, c.unknown) << what;
    }
}

// --convert and its options: each value read, or the reason it is wrong.
TEST(StartArgs, ConvertOptions) {
    const QString cores = QString::number(std::max(1, QThread::idealThreadCount()));
    const QString tooMany = QString::number(std::max(1, QThread::idealThreadCount()) + 1);
    struct Case {
        QStringList args;
        ConvertOptions expected;
        const char* error;  // a part of the only error; "" for none
    } cases[] = {
        {{"--convert", "a.mp4"}, {}, ""},
        {{"--convert", "--profile", "17", "--output", "out", "--jobs", "1", "--audio-track", "2",
          "--subtitle", "none", "a.mp4"},
         {17, "/work/out", 1, 2, 0, ""},
         ""},
        // The name as the picker shows it, in any case; values after "=" too.
        {{"--convert", "--profile= mp3-mpeg layer-3audio(*.MP3)", "--output=/tmp/x/", "a.mp4"},
         {17, "/tmp/x", -1, 0, 0, ""},
         ""},
        {{"--convert", "--profile", "iPod(320×240)MPEG-4 Codec(*.mp4)", "a.mp4"},
         {27, "", -1, 0, 0, ""},
         ""},
        {{"--convert", "--jobs", "AUTO", "--jobs", cores, "--subtitle", "3", "a.mp4"},
         {0, "", cores.toInt(), 0, 3, ""},
         ""},
        {{"--convert", "--subtitle", "../subs/Film.EN.SRT", "a.mp4"},
         {0, "", -1, 0, 0, "/subs/Film.EN.SRT"},
         ""},
        {{"--convert", "--", "--profile"}, {}, ""},
        {{"--convert", "--profile", "999", "a.mp4"}, {}, "there is no profile number 999."},
        {{"--convert", "--profile", "26", "a.mp4"}, {}, "there is no profile number 26."},
        {{"--convert", "--profile", "13", "a.mp4"}, {}, "there is no profile number 13."},
        {{"--convert", "--profile", "MP3", "a.mp4"}, {}, "no profile is named \"MP3\"."},
        {{"--convert", "--profile", "WMV-Windows Media Video(*.wmv)", "a.mp4"},
         {},
         "the profiles 7, 81 share the name"},
        {{"--convert", "--jobs", "0", "a.mp4"}, {}, "--jobs takes \"auto\" or a number from 1"},
        {{"--convert", "--jobs", tooMany, "a.mp4"}, {}, "(the number of cores)"},
        {{"--convert", "--jobs", "two", "a.mp4"}, {}, "not \"two\""},
        {{"--convert", "--audio-track", "0", "a.mp4"}, {}, "--audio-track takes the number"},
        {{"--convert", "--audio-track", "-1", "a.mp4"}, {}, "not \"-1\""},
        {{"--convert", "--audio-track", "+2", "a.mp4"}, {}, "not \"+2\""},
        {{"--convert", "--subtitle", "notes.txt", "a.mp4"}, {}, "--subtitle takes the number"},
        {{"--convert", "--subtitle", "0", "a.mp4"}, {}, "--subtitle takes the number"},
        {{"--convert", "a.mp4", "--output"}, {}, "--output needs a value."},
        {{"--convert", "--output="}, {}, "--output needs a folder."},
        {{"--convert"}, {}, "--convert needs the files or folders to convert."},
        {{"--profile", "17", "a.mp4"}, {}, "--profile is taken only with --convert."},
    };
    for (const Case& c : cases) {
        const StartArgs a = ParseStartArgs(c.args, "/work");
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_TRUE(a.unknown.isEmpty()) << what;
        if (*c.error) {
            ASSERT_GE(a.errors.size(), 1) << what;
            EXPECT_TRUE(a.errors.join('\n').contains(QString::fromUtf8(c.error)))
                << what << ": " << a.errors.join('\n').toStdString();
            continue;
        }
        EXPECT_TRUE(a.errors.isEmpty()) << what << ": " << a.errors.join('\n').toStdString();
        EXPECT_TRUE(a.convert) << what;
        EXPECT_EQ(a.options.profileId, c.expected.profileId) << what;
        EXPECT_EQ(a.options.output, c.expected.output) << what;
        EXPECT_EQ(a.options.jobs, c.expected.jobs) << what;
        EXPECT_EQ(a.options.audioTrack, c.expected.audioTrack) << what;
        EXPECT_EQ(a.options.subtitle, c.expected.subtitle) << what;
        EXPECT_EQ(a.options.subtitleFile, c.expected.subtitleFile) << what;
    }
    // A wrong profile lists the profiles by number and name.
    const QString listed =
        ParseStartArgs({"--convert", "--profile", "x", "a.mp4"}, "/").errors.join('\n');
    EXPECT_TRUE(listed.contains("   17  MP3-MPEG Layer-3Audio(*.mp3)\n")) << listed.toStdString();
    EXPECT_FALSE(listed.contains("  26  ")) << "no blank buttons";
    // --help wins over a wrong value, as over everything else.
    EXPECT_EQ(ParseStartArgs({"--convert", "--jobs", "0", "--help"}, "/").mode, Mode::Help);
    EXPECT_EQ(UsageErrorText("vc", "bad value.").rfind("vc: bad value.\nTry \"vc --help\"", 0), 0u);
}

// Names that are not UTF-8 keep their bytes from argv, from a "file:" address and from a
// relative name in a working folder that is not UTF-8 itself.
TEST(StartArgs, NamesThatAreNotUtf8KeepTheirBytes) {
    std::string named = "caf\xff \xe9t\xe9.mp4", program = "VideoConverter", help = "--help";
    char* argv[] = {program.data(), named.data(), help.data()};
    const QStringList args = ArgumentsAsText(3, argv);
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(PathFromQString(args[0]), named);
    EXPECT_EQ(args[1], "--help");

    const std::string folder = std::string("/m\xe9") + "dia";  // "média" in Latin-1
    const StartArgs a = ParseStartArgs(
        {args[0], "file:///tmp/caf%FF%20x.wav", "file:///tmp/" + args[0], "file:///tmp/%C3%A9.wav"},
        PathToQString(folder));
    std::vector<std::string> paths;
    for (const QString& p : a.paths) paths.push_back(PathFromQString(p));
    EXPECT_EQ(paths, (std::vector<std::string>{folder + "/" + named, "/tmp/caf\xff x.wav",
                                               "/tmp/" + named, "/tmp/\xc3\xa9.wav"}));
    EXPECT_EQ(a.paths.back(), QString::fromUtf8("/tmp/\xc3\xa9.wav")) << "UTF-8 stays text";
    EXPECT_TRUE(LocalPathFromUrl(QUrl("https://example.invalid/a.mp4")).isEmpty());
}

// The usage text, the manual page and the parser know the same options.
TEST(StartArgs, UsageAndManualPageListTheOptionsTheParserKnows) {
    const QRegularExpression option(R"((?:^|[\s,])(-(?:-?[a-z]+(?:-[a-z]+)*|-)))");
    auto options = [&](const QString& text) {
        std::set<QString> out;
        for (auto it = option.globalMatch(text); it.hasNext();) out.insert(it.next().captured(1));
        return out;
    };
    // The usage text's option lines: indented, up to the description.
    std::set<QString> usage;
    for (const QString& line : QString::fromStdString(UsageText("videoconverter")).split('\n'))
        if (line.startsWith("  ")) usage.merge(options(line.trimmed().section("  ", 0, 0)));
    // The manual page's option entries: the line after each .TP of its OPTIONS section.
    QFile page(VC_SOURCE_DIR "/packaging/videoconverter.1");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(page.readAll());
    const QString section = man.section(".SH OPTIONS", 1).section("\n.SH ", 0, 0);
    std::set<QString> manual;
    const QStringList lines = section.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == ".TP") manual.merge(options(QString(lines[i + 1]).replace("\\-", "-")));

    EXPECT_EQ(usage, (std::set<QString>{"-h", "--help", "--version", "--", "--convert", "--profile",
                                        "--output", "--jobs", "--audio-track", "--subtitle"}));
    EXPECT_EQ(manual, usage);
    for (const QString& o : usage) {
        if (o == "--") continue;
        EXPECT_TRUE(ParseStartArgs({"--convert", o, "1", "a.mp4"}, "/").unknown.isEmpty())
            << o.toStdString();
    }
    EXPECT_EQ(ParseStartArgs({"--help"}, "/").mode, Mode::Help);
    EXPECT_EQ(ParseStartArgs({"--version"}, "/").mode, Mode::Version);
}

TEST(StartArgs, TextsNameTheProgram) {
    EXPECT_EQ(UsageText("iPodVideoConverter").rfind("Usage: iPodVideoConverter [OPTION]", 0), 0u);
    EXPECT_NE(UsageText("x").find("--version"), std::string::npos);
    EXPECT_EQ(VersionText("iPodVideoConverter").rfind("iPodVideoConverter ", 0), 0u);
    EXPECT_EQ(VersionText("x").back(), '\n');
    EXPECT_EQ(UnknownOptionText("videoconverter", "--frob")
                  .rfind("videoconverter: unknown option --frob\nUsage: videoconverter ", 0),
              0u);
    qputenv("VC_COMMAND_NAME", "videoconverter");
    EXPECT_EQ(CommandName("VideoConverter"), "videoconverter") << "as the launcher names it";
    qputenv("VC_COMMAND_NAME", "../x");
    EXPECT_EQ(CommandName("VideoConverter"), "VideoConverter");
    qunsetenv("VC_COMMAND_NAME");
    EXPECT_EQ(CommandName("iPodVideoConverter"), "iPodVideoConverter");
}

TEST(MediaPaths, FoldersGiveTheirMediaFilesFilesStayFiles) {
    QTemporaryDir dir;
    const QString d = dir.path();
    for (const char* name :
         {"b.MKV", "a.avi", "song.flac", "notes.txt", "register.dat", "c.mpg/"}) {
        const QString path = d + "/" + name;
        if (path.endsWith('/')) {
            QDir().mkpath(path);
        } else {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    // A sub-folder named like a media file is tried (and then refused by the probe).
    EXPECT_EQ(FolderMediaEntries(d),
              QStringList({d + "/a.avi", d + "/b.MKV", d + "/c.mpg", d + "/song.flac"}));
    EXPECT_EQ(ExpandMediaPaths({d + "/notes.txt", d, "/nonexistent/x.mp4"}),
              QStringList({d + "/notes.txt", d + "/a.avi", d + "/b.MKV", d + "/c.mpg",
                           d + "/song.flac", "/nonexistent/x.mp4"}));
    EXPECT_TRUE(FolderMediaEntries(d + "/missing").isEmpty());
}

TEST(MediaPaths, OpenDialogStartsInTheLastFolderThenVideosThenHome) {
    QTemporaryDir last, videos;
    struct Case {
        QString last, videos, expected;
    } cases[] = {
        {last.path(), videos.path(), last.path()},
        {"", videos.path(), videos.path()},
        {"/nonexistent/gone", videos.path(), videos.path()},
        {"/nonexistent/gone", "/nonexistent/Videos", "/home/u"},
        {"", "", "/home/u"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpenDialogStartFolder(c.last, c.videos, "/home/u"), c.expected)
            << c.last.toStdString() << " | " << c.videos.toStdString();
}

TEST(MediaTypes, TheProgramTakesWhatItWritesAndCommonSound) {
    const std::string all = OpenFilters().front().patterns;
    for (const char* ext :
         {"mkv", "ogg", "oga", "m4a", "mp3", "wav", "flac", "aac", "ac3", "wma"}) {
        EXPECT_NE(all.find(std::string("*.") + ext + ";"), std::string::npos) << ext;
        EXPECT_TRUE(IsFolderMediaName(std::string("x.") + ext)) << ext;
    }
    EXPECT_FALSE(IsFolderMediaName("register.dat")) << "a folder is searched by media names only";
    EXPECT_FALSE(IsFolderMediaName("mkv"));
}

// One list of readable types: the open dialog's first filter, Add Folder and the desktop
// entry's MimeType all follow it, and its MIME types are the ones the desktop's database gives
// these files.
TEST(MediaTypes, OneListForTheOpenDialogAddFolderAndTheDesktopEntry) {
    const std::vector<std::string> mime = ReadableMimeTypes();
    const std::set<std::string> ours(mime.begin(), mime.end());
    QFile entry(VC_SOURCE_DIR "/packaging/videoconverter.desktop");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    std::vector<std::string> advertised;
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("MimeType="))
            for (const QByteArray& m : line.mid(9).split(';'))
                if (!m.isEmpty()) advertised.push_back(m.toStdString());
    EXPECT_EQ(std::set<std::string>(advertised.begin(), advertised.end()), ours);
    EXPECT_EQ(advertised.size(), ours.size()) << "each type once";

    const std::string all = OpenFilters().front().patterns;
    for (const MediaType& t : ReadableMediaTypes()) {
        const std::string ext = t.extension;
        EXPECT_NE(all.find("*." + ext + ";"), std::string::npos) << ext;
        EXPECT_EQ(IsFolderMediaName("x." + ext), t.inFolders) << ext;
        EXPECT_EQ(IsFolderMediaName("X." + QString::fromStdString(ext).toUpper().toStdString()),
                  t.inFolders)
            << ext;
    }
    // What a folder of the kinds the desktop entry offers gives.
    for (const char* ext : {"mp4", "webm", "mov", "ts", "m2ts", "mts", "ogv", "opus", "3gp", "flv",
                            "vob", "m4v", "mkv", "mp3"})
        EXPECT_TRUE(IsFolderMediaName(std::string("clip.") + ext)) << ext;

    QMimeDatabase db;
    if (!db.mimeTypeForName("video/mp4").isValid()) {
        std::printf("skipped: no MIME database here\n");
        return;
    }
    for (const MediaType& t : ReadableMediaTypes()) {
        const QString ext = QString::fromLatin1(t.extension);
        for (const char* m : t.mimeTypes) EXPECT_TRUE(db.mimeTypeForName(m).isValid()) << m;
        if (!t.mimeTypes.empty()) {
            EXPECT_TRUE(db.mimeTypeForName(t.mimeTypes.front()).suffixes().contains(ext))
                << t.mimeTypes.front() << " does not name *." << t.extension;
        }
        // "Open With" offers the program for the type the desktop gives the name. (Playlists
        // and raw streams are not announced. A ".ts" name alone reads as a Qt translation; the
        // file's content says MPEG transport stream.)
        const QMimeType byName = db.mimeTypeForFile("x." + ext, QMimeDatabase::MatchExtension);
        if (t.mimeTypes.empty() || byName.isDefault() || ext == "ts") continue;
        EXPECT_EQ(ours.count(byName.name().toStdString()), 1u)
            << t.extension << " is " << byName.name().toStdString();
    }
}
