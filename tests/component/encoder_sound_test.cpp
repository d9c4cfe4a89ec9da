// Sound-only conversions that register.dat does itself with FFmpeg's libraries, and the
// encoder server that does them for a batch. Where no ffmpeg is on PATH, only register.dat's
// own conversion can succeed: that tells which one ran.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "core/failurereason.h"
#include "jobs/EncoderRunner.h"
#include "support/clips.h"
#include "support/media_measure.h"
#include "support/processes.h"
#include "support/program.h"

namespace {

const QString kProgramDir = QStringLiteral(VC_PROGRAM_DIR);
const QString kEncoder = kProgramDir + "/register.dat";

using vc::test::GroupMembers;
using vc::test::WaitFor;

struct Outcome {
    int exitCode = -1;
    std::string text;
};

QStringList Lines(const std::string& text) {
    return QString::fromStdString(text).split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
}

// The failure's reason as the program would show it.
std::string Reason(const Outcome& o) {
    std::vector<std::string> lines;
    for (const QString& l : Lines(o.text)) lines.push_back(l.toStdString());
    return vc::ExplainEncoderFailure(lines, o.exitCode);
}

QString Probe(const QString& file, const QString& entries) {
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", entries, "-of",
                        "default=noprint_wrappers=1:nokey=1", file});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

class EncoderSound : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir();
        const std::string d = dir_->path().toStdString();
        QDir().mkpath(dir_->filePath("empty"));
        wav_ = vc::test::MakeWav(d, "tone.wav", 3);
        // 440 Hz for 2 s, then 1000 Hz for 3 s, with a title.
        steps_ = vc::test::MakeClip(
            d, "steps.flac",
            "-f lavfi -i sine=frequency=440:duration=2:sample_rate=48000 -f lavfi -i "
            "sine=frequency=1000:duration=3:sample_rate=48000 -filter_complex "
            "[0][1]concat=n=2:v=0:a=1 -metadata title=Steps -c:a flac");
        film_ = vc::test::MakeTwoToneFilm(d);
        videoOnly_ = vc::test::MakeVideoOnly(d);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    // Where register.dat may find ffmpeg: nowhere, on PATH, or named (which makes every
    // conversion ffmpeg's).
    enum class Ffmpeg { None, OnPath, Named };

    // register.dat with the arguments.
    static Outcome Run(const QStringList& args, Ffmpeg ffmpeg = Ffmpeg::None,
                       const QString& encoder = kEncoder, const QString& server = {}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("VC_FFMPEG");
        env.remove("VC_ENCODER_SERVER");
        if (ffmpeg == Ffmpeg::Named)
            env.insert("VC_FFMPEG", QStandardPaths::findExecutable("ffmpeg"));
        if (ffmpeg == Ffmpeg::None) env.insert("PATH", dir_->filePath("empty"));
        if (!server.isEmpty()) env.insert("VC_ENCODER_SERVER", server);
        p.setProcessEnvironment(env);
        p.start(encoder, args);
        if (!p.waitForFinished(120000)) return {};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAll().toStdString()};
    }
    static QString Out(const QString& name) { return dir_->filePath(name); }

    static QTemporaryDir* dir_;
    static std::string wav_, steps_, film_, videoOnly_;
};
QTemporaryDir* EncoderSound::dir_ = nullptr;
std::string EncoderSound::wav_;
std::string EncoderSound::steps_;
std::string EncoderSound::film_;
std::string EncoderSound::videoOnly_;

// A sound-only conversion as the program writes it; seek is the start, when there is one.
QStringList SoundArgs(const std::string& input, const QStringList& options, const QString& out,
                      const char* seek = nullptr) {
    QStringList args{"-vormek", "-y"};
    if (seek) args << "-ss" << seek;
    return args + QStringList{"-vormin", QString::fromStdString(input)} + options +
           QStringList{"-vn", "-sn", out};
}

TEST_F(EncoderSound, ProfilesOutputsAreMadeWithoutFfmpeg) {
    ASSERT_FALSE(wav_.empty());
    ASSERT_FALSE(steps_.empty());
    struct Case {
        const char* what;
        std::string input;
        QStringList options;
        const char* file;
        QString codec, rate, channels;
        double seconds;
        double tone;  // Hz, 0: not measured
        const char* seek = nullptr;
    };
    const Case cases[] = {
        {"MP3 as the profile asks",
         wav_,
         {"-ab", "128000", "-ac", "2", "-t", "00:00:03", "-ar", "44100", "-c:a", "libmp3lame", "-f",
          "mp3"},
         "a.mp3",
         "mp3",
         "44100",
         "2",
         3,
         0},
        {"Vorbis at another rate, mono",
         steps_,
         {"-ab", "64000", "-ac", "1", "-ar", "22050", "-c:a", "libvorbis", "-f", "ogg"},
         "b.ogg",
         "vorbis",
         "22050",
         "1",
         5,
         0},
        {"AAC in an iPod file (a global header)",
         wav_,
         {"-ab", "96000", "-ac", "2", "-ar", "44100", "-c:a", "aac", "-f", "ipod"},
         "c.m4a",
         "aac",
         "44100",
         "2",
         3,
         0},
        {"AC-3 whose profile sets the rate twice",
         wav_,
         {"-ab", "192000", "-ac", "2", "-ar", "44100", "-c:a", "ac3", "-ar", "48000", "-f", "ac3"},
         "d.ac3",
         "ac3",
         "48000",
         "2",
         3,
         0},
        {"WAV from FLAC",
         steps_,
         {"-ac", "2", "-c:a", "pcm_s16le", "-f", "wav"},
         "e.wav",
         "pcm_s16le",
         "48000",
         "2",
         5,
         0},
        // Seeking lands on a block before 2 s: what lies before it must be cut, to the sample.
        {"a cut from 2 s for 1 s",
         steps_,
         {"-ac", "2", "-t", "00:00:01", "-c:a", "pcm_s16le", "-f", "wav"},
         "f.wav",
         "pcm_s16le",
         "48000",
         "2",
         1,
         1000,
         "00:00:02"},
        {"the chosen one of two sound tracks",
         film_,
         {"-map", "0:2", "-ac", "1", "-c:a", "pcm_s16le", "-f", "wav"},
         "g.wav",
         "pcm_s16le",
         "",
         "1",
         5,
         1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = Run(SoundArgs(c.input, c.options, Out(c.file), c.seek));
        ASSERT_EQ(o.exitCode, 0) << o.text;
        // Progress lines as the program reads them, the time in seconds.
        EXPECT_NE(o.text.find(" time=" + std::to_string(static_cast<int>(c.seconds))),
                  std::string::npos)
            << o.text;
        const QString file = Out(c.file);
        EXPECT_EQ(Probe(file, "stream=codec_name"), c.codec);
        if (!c.rate.isEmpty()) {
            EXPECT_EQ(Probe(file, "stream=sample_rate"), c.rate);
        }
        EXPECT_EQ(Probe(file, "stream=channels"), c.channels);
        EXPECT_NEAR(Probe(file, "format=duration").toDouble(), c.seconds, 0.1);
        if (c.tone > 0) {
            EXPECT_NEAR(vc::test::ToneOf(file.toStdString()), c.tone, 30);
        }
    }
    // The tags travel with the sound.
    EXPECT_EQ(Probe(Out("b.ogg"), "stream_tags=title"), "Steps");
}

// Vorbis is encoded by libvorbis directly: the sound must be the one ffmpeg makes of it.
TEST_F(EncoderSound, VorbisSoundsAsFfmpegsDoes) {
    ASSERT_FALSE(steps_.empty());
    auto decoded = [](const QString& file) {
        QProcess p;
        p.start("ffmpeg", {"-v", "error", "-i", file, "-f", "s16le", "-"});
        p.waitForFinished(60000);
        return p.readAllStandardOutput();
    };
    for (const char* channels : {"1", "2"}) {
        SCOPED_TRACE(channels);
        const QStringList options{"-ab",   "128000", "-ac",       channels, "-ar",
                                  "44100", "-c:a",   "libvorbis", "-f",     "ogg"};
        const Outcome ours = Run(SoundArgs(steps_, options, Out("v1.ogg")));
        const Outcome ffmpegs = Run(SoundArgs(steps_, options, Out("v2.ogg")), Ffmpeg::Named);
        ASSERT_EQ(ours.exitCode, 0) << ours.text;
        ASSERT_EQ(ffmpegs.exitCode, 0) << ffmpegs.text;
        const QByteArray sound = decoded(Out("v1.ogg"));
        EXPECT_GT(sound.size(), 44100 * 2 * 4);
        EXPECT_TRUE(sound == decoded(Out("v2.ogg")));
        EXPECT_EQ(QFileInfo(Out("v1.ogg")).size(), QFileInfo(Out("v2.ogg")).size());
    }
}

// What the in-process conversion does not do the way ffmpeg would is left to ffmpeg: without
// ffmpeg on PATH it fails for want of it, with ffmpeg it converts.
TEST_F(EncoderSound, EverythingElseGoesToFfmpeg) {
    ASSERT_FALSE(film_.empty());
    const QString wav = QString::fromStdString(wav_);
    struct Case {
        const char* what;
        QStringList args;
    };
    const Case cases[] = {
        {"a sound filter",
         {"-vormek", "-y", "-vormin", wav, "-af", "volume=0.5", "-vn", "-c:a", "pcm_s16le", "-f",
          "wav", Out("h.wav")}},
        {"two sound tracks and no choice",
         {"-vormek", "-y", "-vormin", QString::fromStdString(film_), "-vn", "-c:a", "pcm_s16le",
          "-f", "wav", Out("i.wav")}},
        {"a picture kept",
         {"-vormek", "-y", "-vormin", QString::fromStdString(film_), "-map", "0:1", "-c:a",
          "pcm_s16le", "-f", "wav", Out("j.wav")}},
        {"a start after the input",
         {"-vormek", "-y", "-vormin", wav, "-ss", "1", "-vn", "-c:a", "pcm_s16le", "-f", "wav",
          Out("k.wav")}},
        {"a sound copied as it is",
         {"-vormek", "-y", "-vormin", wav, "-vn", "-c:a", "copy", "-f", "wav", Out("l.wav")}},
        {"an encoder this FFmpeg lacks",
         {"-vormek", "-y", "-vormin", wav, "-vn", "-c:a", "nosuchcodec", "-f", "wav",
          Out("m.wav")}},
        // What a first look takes from a pipe, ffmpeg would miss; nobody writes to this one.
        {"a pipe as the source",
         {"-vormek", "-y", "-vormin", dir_->filePath("pipe.wav"), "-vn", "-c:a", "pcm_s16le", "-f",
          "wav", Out("n.wav")}},
    };
    QFile::remove(dir_->filePath("pipe.wav"));
    ASSERT_EQ(::mkfifo(dir_->filePath("pipe.wav").toLocal8Bit().constData(), 0600), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome alone = Run(c.args);
        EXPECT_NE(alone.exitCode, 0);
        EXPECT_NE(alone.text.find("the converter tool was not found"), std::string::npos)
            << alone.text;
        EXPECT_EQ(std::count(alone.text.begin(), alone.text.end(), '\n'), 1)
            << "nothing of its own before ffmpeg's turn: " << alone.text;
        if (QString(c.what) == "an encoder this FFmpeg lacks" ||
            QString(c.what) == "a pipe as the source")
            continue;
        const Outcome ffmpeg = Run(c.args, Ffmpeg::OnPath);
        EXPECT_EQ(ffmpeg.exitCode, 0) << ffmpeg.text;
    }
}

// A failed job reads as it did when ffmpeg did the work: the same reason, and no success.
TEST_F(EncoderSound, FailuresReadAsFfmpegsDo) {
    ASSERT_FALSE(videoOnly_.empty());
    QFile broken(Out("broken.mp3"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, '\x5a'));
    broken.close();
    struct Case {
        const char* what;
        QString input;
        QString output;
        std::string reason;  // empty: as ffmpeg words it
        const char* seek = nullptr;
    };
    const Case cases[] = {
        {"a missing source", Out("gone.wav"), Out("n.wav"), "the source cannot be read"},
        {"a source that is no media", Out("broken.mp3"), Out("o.wav"), ""},
        {"a source without sound", QString::fromStdString(videoOnly_), Out("p.wav"),
         "the source has no sound"},
        {"an output folder that is gone", QString::fromStdString(wav_), Out("gone/q.wav"),
         "the output folder is gone"},
        {"a full disk", QString::fromStdString(wav_), "/dev/full", "the disk is full"},
        {"a start past the end", QString::fromStdString(wav_), Out("r.wav"),
         "Error: nothing was encoded: the output holds no picture and no sound", "00:01:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList args =
            SoundArgs(c.input.toStdString(), {"-c:a", "pcm_s16le", "-f", "wav"}, c.output, c.seek);
        const Outcome ours = Run(args);
        const Outcome ffmpegs = Run(args, Ffmpeg::Named);
        EXPECT_NE(ours.exitCode, 0) << ours.text;
        EXPECT_NE(ffmpegs.exitCode, 0) << ffmpegs.text;
        EXPECT_EQ(ours.text.find("the converter tool was not found"), std::string::npos)
            << ours.text;
        EXPECT_EQ(Reason(ours), Reason(ffmpegs)) << ours.text << "\n----\n" << ffmpegs.text;
        if (!c.reason.empty()) {
            EXPECT_EQ(Reason(ours), c.reason);
        }
    }
}

// ---- the encoder server

class EncoderServer : public EncoderSound {
  protected:
    void SetUp() override {
        // A register.dat without its media library, and no ffmpeg on PATH: only the server
        // can convert for it.
        alone_ = dir_->filePath("alone/register.dat");
        QDir().mkpath(dir_->filePath("alone"));
        if (!QFile::exists(alone_)) {
            ASSERT_TRUE(QFile::copy(kEncoder, alone_));
        }
        socket_ = serverDir_.filePath("server");
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(kEncoder, {"-vormserve", socket_});
        ASSERT_TRUE(server_.waitForStarted(10000));
        ASSERT_TRUE(WaitFor([this] { return QFileInfo::exists(socket_); }, 20000));
    }
    void TearDown() override {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished(10000);
        }
    }

    QTemporaryDir serverDir_;
    QString socket_;
    QString alone_;
    QProcess server_;
};

TEST_F(EncoderServer, DoesTheJobForAnEncoderThatCannotAndEndsWithItsInput) {
    const QStringList args = SoundArgs(
        wav_, {"-ab", "128000", "-ac", "2", "-ar", "44100", "-c:a", "libvorbis", "-f", "ogg"},
        Out("s.ogg"));
    const Outcome without = Run(args, Ffmpeg::None, alone_);
    EXPECT_NE(without.exitCode, 0) << "without the server it cannot convert: " << without.text;
    for (int job = 0; job < 3; ++job) {
        QFile::remove(Out("s.ogg"));
        const Outcome o = Run(args, Ffmpeg::None, alone_, socket_);
        ASSERT_EQ(o.exitCode, 0) << o.text;
        EXPECT_EQ(Probe(Out("s.ogg"), "stream=codec_name"), "vorbis");
        EXPECT_NEAR(Probe(Out("s.ogg"), "format=duration").toDouble(), 3, 0.1);
    }
    // A failed job fails the same way through the server.
    const Outcome missing = Run(SoundArgs(dir_->filePath("gone.wav").toStdString(),
                                          {"-c:a", "pcm_s16le", "-f", "wav"}, Out("t.wav")),
                                Ffmpeg::None, alone_, socket_);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(Reason(missing), "the source cannot be read") << missing.text;

    server_.closeWriteChannel();
    ASSERT_TRUE(server_.waitForFinished(10000));
    EXPECT_EQ(server_.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(socket_));
}

// A long job run the way the batch runs it. Its process belongs to the run: it is in the run's
// process group at the run's priority, pause reaches it, and it ends with the run however the
// run ends.
TEST_F(EncoderServer, TheJobBelongsToTheRunThatAskedForIt) {
    // Twenty minutes of noise to Vorbis: many seconds of work, ended long before.
    const std::string noise =
        vc::test::MakeClip(dir_->path().toStdString(), "noise.wav",
                           "-f lavfi -i anoisesrc=duration=1200:sample_rate=8000 -c:a pcm_s16le");
    ASSERT_FALSE(noise.empty());
    enum class End { Stop, AskingRunKilled, ServerKilled };
    for (End end : {End::Stop, End::AskingRunKilled, End::ServerKilled}) {
        SCOPED_TRACE(static_cast<int>(end));
        const QString out = Out("u.ogg");
        QFile::remove(out);
        vc::EncoderRunner runner;
        int exitCode = -1000;
        std::string text;
        QObject::connect(&runner, &vc::EncoderRunner::finished, [&](int c) { exitCode = c; });
        QObject::connect(&runner, &vc::EncoderRunner::lineRead,
                         [&](const QString& l) { text += l.toStdString() + "\n"; });
        runner.SetLowPriority(true);
        runner.SetServer(socket_);
        runner.Start("\"" + alone_ + "\" -vormek -y -vormin \"" + QString::fromStdString(noise) +
                         "\" -ab 128000 -ac 2 -ar 44100 -vn -c:a libvorbis -f ogg \"" + out + "\"",
                     dir_->path());
        ASSERT_TRUE(WaitFor([&] { return runner.ProcessId() > 0 || exitCode != -1000; }, 20000));
        const qint64 group = runner.ProcessId();
        std::vector<vc::test::ProcInfo> members;
        ASSERT_TRUE(WaitFor(
            [&] {
                members = GroupMembers(group);
                return members.size() == 2 || exitCode != -1000;
            },
            20000));
        ASSERT_EQ(members.size(), 2u) << "the job runs in the run's process group: " << text;
        for (const auto& m : members) {
            EXPECT_EQ(m.comm, "register.dat");
            EXPECT_EQ(::getpriority(PRIO_PROCESS, static_cast<id_t>(m.pid)), 19);
        }
        runner.Suspend();
        EXPECT_TRUE(WaitFor(
            [&] {
                for (const auto& m : GroupMembers(group))
                    if (m.state != 'T') return false;
                return true;
            },
            10000))
            << "pause reaches the job";
        runner.Resume();

        int job = 0;
        for (const auto& m : members)
            if (m.pid != group) job = m.pid;
        switch (end) {
            case End::Stop:
                runner.Terminate();
                ASSERT_TRUE(WaitFor([&] { return exitCode != -1000; }, 30000));
                EXPECT_EQ(exitCode, vc::EncoderRunner::kTerminatedExitCode);
                break;
            case End::AskingRunKilled:
                ::kill(static_cast<pid_t>(group), SIGKILL);
                ASSERT_TRUE(WaitFor([&] { return exitCode != -1000; }, 30000));
                break;
            case End::ServerKilled:
                server_.kill();
                ASSERT_TRUE(WaitFor([&] { return exitCode != -1000; }, 30000));
                EXPECT_EQ(exitCode, 1);
                EXPECT_NE(text.find("the encoder server has gone"), std::string::npos) << text;
                break;
        }
        EXPECT_TRUE(WaitFor([&] { return !vc::test::IsAlive(job); }, 10000))
            << "the job outlived its run";
        EXPECT_TRUE(WaitFor([&] { return GroupMembers(group).empty(); }, 10000));
        if (end != End::ServerKilled) {
            EXPECT_EQ(server_.state(), QProcess::Running) << "the server serves the next run";
        }
    }
}

}  // namespace
