// register.dat's probe, read through MediaProbe and EncoderRunner, on clips made by FFmpeg.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "core/numeric.h"
#include "jobs/EncoderRunner.h"
#include "jobs/MediaProbe.h"
#include "support/clips.h"

namespace {

const QString kProgramDir = QStringLiteral(VC_PROGRAM_DIR);
const QString kEncoder = kProgramDir + "/register.dat";

int64_t Number(const std::string& text) {
    int64_t v = -1;
    return vc::ParseInt(text, v) ? v : -1;
}

class EncoderProbe : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { dir_ = new QTemporaryDir(); }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static std::string Dir() { return dir_->path().toStdString(); }

    vc::ProbeResult Probe(const std::string& path, bool expectOk = true,
                          QString* errorOut = nullptr) {
        vc::MediaProbe probe;
        vc::ProbeResult r;
        QString error;
        const bool ok =
            probe.ProbeAndWait(kEncoder, kProgramDir, QString::fromStdString(path), r, &error);
        EXPECT_EQ(ok, expectOk) << path << ": " << error.toStdString();
        EXPECT_FALSE(probe.Probing);
        if (errorOut) *errorOut = error;
        return r;
    }

    static QTemporaryDir* dir_;
};
QTemporaryDir* EncoderProbe::dir_ = nullptr;

struct Expected {
    const char* what;
    std::function<std::string(const std::string&)> make;
    const char* pictureSize;
    const char* durationText;
    const char* videoFormat;
    const char* frameRate;
    const char* audioFormat;
    const char* sampleRate;
    const char* channels;
    int64_t minTotal, maxTotal;  // kbit/s
};

TEST_F(EncoderProbe, FieldsMatchWhatTheFilesHold) {
    const Expected cases[] = {
        {"mp4", [](const std::string& d) { return vc::test::MakeMp4H264Aac(d); }, "640x480",
         "00:00:04", "h264", " 25.00 fps", "aac", " 44100 Hz", " stereo", 100, 1000},
        {"avi", [](const std::string& d) { return vc::test::MakeAviMpeg4Mp3(d); }, "320x240",
         "00:00:04", "mpeg4", " 25.00 fps", "mp3", " 44100 Hz", " stereo", 200, 800},
        {"mkv", [](const std::string& d) { return vc::test::MakeMkv(d); }, "352x288", "00:00:04",
         "h264", " 30.00 fps", "vorbis", " 48000 Hz", " mono", 20, 3000},
        {"wav", [](const std::string& d) { return vc::test::MakeWav(d); }, "", "00:00:03", "", "",
         "pcm_s16le", " 22050 Hz", " mono", 350, 356},
        {"mp3", [](const std::string& d) { return vc::test::MakeMp3(d); }, "", "00:00:03", "", "",
         "mp3", " 44100 Hz", " stereo", 185, 200},
        {"video only", [](const std::string& d) { return vc::test::MakeVideoOnly(d); }, "160x120",
         "00:00:03", "h264", " 10.00 fps", "", "", "", 1, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.make(Dir());
        ASSERT_FALSE(path.empty()) << "ffmpeg could not make the clip";
        const vc::ProbeResult r = Probe(path);
        EXPECT_EQ(r.pictureSize, c.pictureSize);
        EXPECT_EQ(r.durationText, c.durationText);
        EXPECT_EQ(r.videoFormat, c.videoFormat);
        EXPECT_EQ(r.frameRate, c.frameRate);
        EXPECT_EQ(r.audioFormat, c.audioFormat);
        EXPECT_EQ(r.sampleRate, c.sampleRate);
        EXPECT_EQ(r.channels, c.channels);

        const int64_t total = Number(r.totalRate);
        EXPECT_GE(total, c.minTotal) << r.totalRate;
        EXPECT_LE(total, c.maxTotal) << r.totalRate;
        // Every stream has a rate, also where the container names none (MKV): a positive
        // number no larger than the total (plus rounding).
        const bool hasVideo = *c.videoFormat != 0;
        const bool hasAudio = *c.audioFormat != 0;
        if (hasVideo) {
            const int64_t v = Number(r.videoRate);
            EXPECT_GT(v, 0) << r.videoRate;
            EXPECT_LE(v, total + 1);
        } else {
            EXPECT_TRUE(r.videoRate.empty());
        }
        if (hasAudio) {
            const int64_t a = Number(r.audioRate);
            EXPECT_GT(a, 0) << r.audioRate;
            EXPECT_LE(a, total + 1);
        } else {
            EXPECT_TRUE(r.audioRate.empty());
        }
    }
}

TEST_F(EncoderProbe, KnownRatesAreReportedExactly) {
    // The AAC and MP3 encoders hit their nominal rates; the header rates must come through.
    const vc::ProbeResult mp3 = Probe(vc::test::MakeMp3(Dir(), "rate.mp3"));
    EXPECT_EQ(mp3.audioRate, "192");
    const vc::ProbeResult wav = Probe(vc::test::MakeWav(Dir(), "rate.wav"));
    EXPECT_EQ(wav.audioRate, "353");  // 22050 Hz * 16 bit * 1 channel
}

TEST_F(EncoderProbe, FileNameWithBlanksAndQuote) {
    const std::string src = vc::test::MakeMp4H264Aac(Dir(), "plain.mp4", 2);
    ASSERT_FALSE(src.empty());
    const QString odd = QString::fromStdString(Dir()) + "/my \"odd\" clip: 1.mp4";
    ASSERT_TRUE(QFile::copy(QString::fromStdString(src), odd));
    const vc::ProbeResult r = Probe(odd.toStdString());
    EXPECT_EQ(r.pictureSize, "640x480");
    EXPECT_EQ(r.durationText, "00:00:02");
    EXPECT_EQ(r.videoFormat, "h264");
    EXPECT_EQ(r.audioFormat, "aac");
}

TEST_F(EncoderProbe, UnreadableInputsEndWithOneClearLine) {
    const QString d = QString::fromStdString(Dir());
    {
        QFile zero(d + "/zero.mp4");
        ASSERT_TRUE(zero.open(QIODevice::WriteOnly));
    }
    {
        QFile text(d + "/notes.avi");
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("These are notes, not a video.\nSecond line.\n");
    }
    {
        const std::string whole = vc::test::MakeMp4H264Aac(Dir(), "whole.mp4", 2);
        ASSERT_FALSE(whole.empty());
        QFile in(QString::fromStdString(whole));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QFile cut(d + "/truncated.mp4");
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(bytes.size() / 2));
    }
    const QString inputs[] = {d + "/missing.mp4", d + "/zero.mp4", d + "/notes.avi",
                              d + "/truncated.mp4", d};
    for (const QString& input : inputs) {
        SCOPED_TRACE(input.toStdString());
        vc::MediaProbe probe;
        vc::ProbeResult r;
        QString error;
        EXPECT_FALSE(probe.ProbeAndWait(kEncoder, kProgramDir, input, r, &error));
        EXPECT_NE(probe.LastExitCode(), 0);
        EXPECT_NE(probe.LastExitCode(), vc::EncoderRunner::kTerminatedExitCode) << "timed out";
        EXPECT_TRUE(error.startsWith("Error:")) << error.toStdString();
        EXPECT_TRUE(r.durationText.empty());
        EXPECT_TRUE(r.pictureSize.empty());
        EXPECT_TRUE(r.audioFormat.empty());
    }
}

TEST_F(EncoderProbe, MissingEncoderCannotStart) {
    vc::MediaProbe probe;
    vc::ProbeResult r;
    QString error;
    int finished = 0;
    QObject::connect(&probe, &vc::MediaProbe::probeFinished, [&] { ++finished; });
    EXPECT_FALSE(probe.ProbeAndWait(kProgramDir + "/no such encoder", kProgramDir,
                                    kProgramDir + "/x.avi", r, &error));
    EXPECT_FALSE(probe.Probing);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(finished, 0);
}

}  // namespace
