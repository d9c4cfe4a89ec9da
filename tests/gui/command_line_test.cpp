// Converting from the command line: the program started as a process without any display,
// its exit status, its lines on the error output, its outputs, and its stop by a signal.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/appsettings.h"
#include "support/clips.h"
#include "support/media_measure.h"
#include "support/program.h"

namespace {

using vc::test::WaitFor;

struct Ended {
    bool ended = false;
    int exitCode = -1;
    QString err;
};

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

QString Probe(const std::string& path, const QString& entries) {
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", entries, "-of", "csv=p=0",
                        QString::fromStdString(path)});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Whether a live process names the text on its command line (an encoder left running).
bool AnyProcessNames(const QString& text) {
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (pid.toInt() > 0 && cmdline.open(QIODevice::ReadOnly) &&
            cmdline.readAll().contains(text.toUtf8()))
            return true;
    }
    return false;
}

class ConvertWithoutWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir();
        const std::string d = dir_->path().toStdString();
        wav_ = QString::fromStdString(vc::test::MakeWav(d, "tone.wav", 2));
        film_ = QString::fromStdString(vc::test::MakeTwoToneFilm(d));
        QFile notes(dir_->path() + "/notes.txt");
        if (notes.open(QIODevice::WriteOnly)) notes.write("not a film\n");
        QDir().mkpath(dir_->path() + "/empty");
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(wav_.isEmpty());
        ASSERT_FALSE(film_.isEmpty());
    }

    // The program as a script starts it: no display of any kind, its own settings folder.
    void Start(QProcess& p, const QStringList& args) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        env.insert("XDG_CONFIG_HOME", config_.path());
        p.setProcessEnvironment(env);
        p.start(QString(VC_PROGRAM_DIR) + "/VideoConverter", args);
    }
    Ended Run(const QStringList& args) const {
        QProcess p;
        Start(p, args);
        Ended e;
        e.ended = p.waitForFinished(300000) && p.exitStatus() == QProcess::NormalExit;
        e.exitCode = p.exitCode();
        e.err = QString::fromUtf8(p.readAllStandardError());
        return e;
    }

    static QTemporaryDir* dir_;
    static QString wav_, film_;
    QTemporaryDir config_;
};
QTemporaryDir* ConvertWithoutWindow::dir_ = nullptr;
QString ConvertWithoutWindow::wav_;
QString ConvertWithoutWindow::film_;

TEST_F(ConvertWithoutWindow, ExitStatusLinesAndOutputs) {
    const QString d = dir_->path();
    const struct {
        QStringList args;
        int exitCode;
        QStringList lines;    // each a part of the error output
        QStringList outputs;  // the files written
    } cases[] = {
        {{"--convert", "--profile", "17", wav_},
         0,
         {"[1/1] tone.wav: 100%, converted\n", "1 of 1 files converted into "},
         {"tone.mp3"}},
        // A file that is no media fails with its reason; the others convert.
        {{"--convert", "--profile", "mp3-mpeg layer-3audio(*.MP3)", d + "/notes.txt", wav_},
         1,
         {"notes.txt: failed: cannot read the input file", "[1/1] tone.wav: 100%, converted\n",
          "1 of 2 files converted, 1 failed.\n"},
         {"tone.mp3"}},
        // A track a file does not have fails that file only.
        {{"--convert", "--profile", "17", "--audio-track", "2", film_, wav_},
         1,
         {"[1/2] film.mkv: 100%, converted\n",
          "[2/2] tone.wav: failed: no sound track 2: the file has only one\n"},
         {"film.mp3"}},
        {{"--convert", "--profile", "17", "--subtitle", "2", wav_, film_},
         1,
         {"[1/2] tone.wav: failed: no subtitle 2: the file has none\n",
          "[2/2] film.mkv: failed: no subtitle 2: the file has only one\n",
          "0 of 2 files converted, 2 failed.\n"},
         {}},
        // Usage errors: nothing is converted.
        {{"--convert", "--profile", "17", d + "/missing.mp4", wav_},
         2,
         {"VideoConverter: there is no file or folder \"" + d + "/missing.mp4\".\n"},
         {}},
        {{"--convert", "--profile", "nope", wav_}, 2, {"no profile is named \"nope\"."}, {}},
        {{"--convert", "--jobs", "0", wav_}, 2, {"--jobs takes \"auto\""}, {}},
        {{"--convert", "--audio-track", "x", wav_}, 2, {"--audio-track takes the number"}, {}},
        {{"--convert", "--subtitle", d + "/missing.srt", wav_},
         2,
         {"there is no subtitle file"},
         {}},
        {{"--convert", "--output", wav_, wav_}, 2, {"is not a folder."}, {}},
        {{"--convert", d + "/empty"}, 2, {"the folders named hold no media files."}, {}},
        {{"--convert"}, 2, {"--convert needs the files or folders to convert."}, {}},
        {{"--profile", "17", wav_}, 2, {"--profile is taken only with --convert."}, {}},
    };
    for (const auto& c : cases) {
        const std::string what = c.args.join(' ').toStdString();
        QTemporaryDir out;
        const Ended e = Run(QStringList{"--output", out.path()} + c.args);
        ASSERT_TRUE(e.ended) << what;
        EXPECT_EQ(e.exitCode, c.exitCode) << what << "\n" << e.err.toStdString();
        for (const QString& line : c.lines)
            EXPECT_TRUE(e.err.contains(line)) << what << "\n" << e.err.toStdString();
        if (c.exitCode == 2) {
            EXPECT_TRUE(e.err.contains("Try \"VideoConverter --help\"")) << what;
        }
        EXPECT_FALSE(e.err.contains("QString::arg")) << what << "\n" << e.err.toStdString();
        EXPECT_EQ(FilesIn(out.path()), c.outputs) << what << "\n" << e.err.toStdString();
    }
}

// Without options the edition's saved profile and output folder are taken, and a folder gives
// its media files.
TEST_F(ConvertWithoutWindow, SavedSettingsAndFolders) {
    QTemporaryDir in, out;
    ASSERT_TRUE(QFile::copy(wav_, in.path() + "/a.wav"));
    ASSERT_TRUE(QFile::copy(wav_, in.path() + "/b.wav"));
    ASSERT_TRUE(QFile::copy(dir_->path() + "/notes.txt", in.path() + "/notes.txt"));
    ASSERT_TRUE(QDir().mkpath(config_.path() + "/VideoConverter"));
    vc::AppSettings saved;
    saved.outputPath = out.path().toStdString() + "/";
    saved.profileId = 20;  // WAV
    ASSERT_TRUE(vc::SaveAppSettings(
        config_.path().toStdString() + "/VideoConverter/VideoConverter.ini", saved));

    const Ended e = Run({"--convert", in.path()});
    ASSERT_TRUE(e.ended);
    EXPECT_EQ(e.exitCode, 0) << e.err.toStdString();
    EXPECT_EQ(FilesIn(out.path()), QStringList({"a.wav", "b.wav"})) << e.err.toStdString();
    EXPECT_TRUE(e.err.contains("[2/2] b.wav: 100%, converted\n")) << e.err.toStdString();
    EXPECT_EQ(Probe(out.path().toStdString() + "/a.wav", "stream=codec_name"), "pcm_s16le");
}

TEST_F(ConvertWithoutWindow, ConvertsAVideo) {
    QTemporaryDir out;
    const std::string clip = vc::test::MakeMp4H264Aac(dir_->path().toStdString(), "clip.mp4", 3);
    ASSERT_FALSE(clip.empty());
    const Ended e = Run(
        {"--convert", "--profile", "125", "--output", out.path(), QString::fromStdString(clip)});
    ASSERT_TRUE(e.ended);
    EXPECT_EQ(e.exitCode, 0) << e.err.toStdString();
    const std::string mkv = out.path().toStdString() + "/clip.mkv";
    EXPECT_EQ(Probe(mkv, "stream=codec_type,codec_name"), "h264,video\naac,audio");
    EXPECT_NEAR(Probe(mkv, "format=duration").toDouble(), 3.0, 0.3);
}

// The chosen sound track reaches the output (its tone), and the chosen subtitle is burned in
// at its time: from the film itself, or from a file named.
TEST_F(ConvertWithoutWindow, ChosenTracksReachTheOutput) {
    const struct {
        QStringList options;
        const char* profile;
        const char* output;
        double tone;
        bool subtitled;
    } cases[] = {
        {{"--audio-track", "2"}, "17", "film.mp3", 1000, false},
        {{"--audio-track", "1"}, "17", "film.mp3", 440, false},
        {{"--audio-track", "2", "--subtitle", "1"}, "125", "film.mkv", 1000, true},
        {{"--subtitle", dir_->path() + "/cue.srt"}, "125", "film.mkv", 440, true},
    };
    for (const auto& c : cases) {
        const std::string what = c.options.join(' ').toStdString();
        QTemporaryDir out;
        const Ended e =
            Run(QStringList{"--convert", "--profile", c.profile, "--output", out.path()} +
                c.options + QStringList{film_});
        ASSERT_TRUE(e.ended) << what;
        ASSERT_EQ(e.exitCode, 0) << what << "\n" << e.err.toStdString();
        const std::string path = out.path().toStdString() + "/" + c.output;
        EXPECT_NEAR(vc::test::ToneOf(path), c.tone, 0.03 * c.tone) << what;
        if (!c.subtitled) continue;
        EXPECT_GT(vc::test::BrightestAt(path, 2.5), 128) << what << ": the subtitle at 2.5 s";
        EXPECT_LT(vc::test::BrightestAt(path, 1.0), 64) << what << ": nothing at 1 s";
    }
}

// Ctrl+C (and SIGTERM) during a conversion: the program ends with 128 + the signal, the
// unfinished output is gone and no encoder is left running.
TEST_F(ConvertWithoutWindow, StopSignalRemovesTheUnfinishedOutput) {
    const std::string longClip = vc::test::MakeClip(
        dir_->path().toStdString(), "long.mp4",
        "-f lavfi -i testsrc=size=640x480:rate=25 -f lavfi -i sine=frequency=440 -t 60 "
        "-c:v mpeg4 -q:v 5 -c:a aac");
    ASSERT_FALSE(longClip.empty());
    for (const auto& [signal, exitCode] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        QTemporaryDir out;
        QProcess p;
        Start(p, {"--convert", "--profile", "125", "--output", out.path(),
                  QString::fromStdString(longClip)});
        ASSERT_TRUE(p.waitForStarted(30000));
        // The encoder is under way once its output exists.
        ASSERT_TRUE(WaitFor([&] { return !FilesIn(out.path()).isEmpty(); }, 120000))
            << p.readAllStandardError().toStdString();
        ASSERT_EQ(p.state(), QProcess::Running) << "the conversion ended before the signal";
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(60000)) << signal;
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(p.exitCode(), exitCode) << err.toStdString();
        EXPECT_TRUE(err.contains("[1/1] long.mp4: ") &&
                    err.contains(", stopped; the unfinished output was removed\n"))
            << err.toStdString();
        EXPECT_TRUE(WaitFor([&] { return !AnyProcessNames(out.path()); }, 20000))
            << "an encoder still writes into the output folder";
        EXPECT_EQ(FilesIn(out.path()), QStringList()) << signal;
    }
}

}  // namespace
