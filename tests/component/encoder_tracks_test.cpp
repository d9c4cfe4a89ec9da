// Sound tracks and subtitles through register.dat's probe, on a film made by FFmpeg: two
// sound tracks of different tones (the first marked default), a text subtitle stream, and
// subtitle files beside it.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>

#include "core/choicebox.h"
#include "core/invocation.h"
#include "core/timeutil.h"
#include "core/trackchoice.h"
#include "jobs/EncoderRunner.h"
#include "jobs/JobList.h"
#include "jobs/MediaProbe.h"
#include "support/clips.h"
#include "support/media_measure.h"
#include "support/program.h"

namespace {

const QString kProgramDir = QStringLiteral(VC_PROGRAM_DIR);
const QString kEncoder = kProgramDir + "/register.dat";

bool WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// The subtitle shows from 2 s to 3 s of a 5 s film.
const QByteArray& kSubtitle = vc::test::kFilmSubtitle;
using vc::test::BrightestAt;
using vc::test::ToneOf;

std::string MakeFilm(const std::string& dir) {
    return vc::test::MakeTwoToneFilm(dir);
}

QByteArray RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(120000)) return {};
    return p.readAllStandardOutput();
}

QString StreamKinds(const std::string& path) {
    return QString::fromUtf8(
               RunTool("ffprobe", {"-v", "error", "-show_entries", "stream=codec_type,codec_name",
                                   "-of", "csv=p=0", QString::fromStdString(path)}))
        .trimmed();
}

class EncoderTracks : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir();
        film_ = MakeFilm(dir_->path().toStdString());
        vc::MediaProbe probe;
        QString error;
        if (!film_.empty() && probe.ProbeAndWait(kEncoder, kProgramDir,
                                                 QString::fromStdString(film_), probed_, &error))
            probedOk_ = true;
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    // Converts the film with the choice into a profile of the extension; the output path,
    // or "" when the run failed.
    std::string Convert(const vc::TrackChoice& choice, const std::string& extension,
                        const std::string& arguments, int trimBegin = 0,
                        const std::vector<vc::MediaTrack>& extraTracks = {}) {
        vc::Job job;
        QString error;
        EXPECT_TRUE(vc::JobList::FromProbe(QString::fromStdString(film_), probed_, &job, &error));
        for (const auto& t : extraTracks) job.info.tracks.push_back(t);
        vc::PlainFormatBoxes plain;
        vc::InvocationInputs in;
        vc::SetSelectedProfile(in.profile, 102);
        in.boxes = plain.boxes();
        vc::InitFormatBoxes(in.boxes);
        plain.size.addItem("320x240");
        plain.size.setCurrentIndex(0);
        plain.video.setCurrentIndex(1);
        plain.audio.setCurrentIndex(2);
        in.profile.arguments = arguments;
        in.profile.extension = extension;
        in.outputFolderText = dir_->path().toStdString() + "/out";
        in.caption = "film";
        in.job = job.info;
        in.trim = {job.trim.total, trimBegin, job.trim.total};
        if (trimBegin > 0) in.job.durationText = vc::SecondsToHms(job.trim.total - trimBegin);
        in.choice = choice;
        in.encoderPath = kEncoder.toStdString();
        in.programDirectory = kProgramDir.toStdString();
        const vc::InvocationResult r = vc::BuildInvocation(in);
        EXPECT_TRUE(r.ok()) << r.error;
        const std::string line = vc::JoinCommandLine(r.rec);
        vc::EncoderRunner runner;
        int exitCode = -1000;
        QStringList said;
        QObject::connect(&runner, &vc::EncoderRunner::lineRead,
                         [&](const QString& l) { said << l; });
        QObject::connect(&runner, &vc::EncoderRunner::finished, [&](int code) { exitCode = code; });
        runner.Start(QString::fromStdString(line), kProgramDir);
        EXPECT_TRUE(vc::test::WaitFor([&] { return exitCode != -1000; }, 120000));
        EXPECT_EQ(exitCode, 0) << line << "\n" << said.join('\n').toStdString();
        lastLine_ = line;
        return exitCode == 0 ? r.rec.outputFile : std::string();
    }

    static QTemporaryDir* dir_;
    static std::string film_;
    static vc::ProbeResult probed_;
    static bool probedOk_;
    std::string lastLine_;
};
QTemporaryDir* EncoderTracks::dir_ = nullptr;
std::string EncoderTracks::film_;
vc::ProbeResult EncoderTracks::probed_;
bool EncoderTracks::probedOk_ = false;

}  // namespace

TEST_F(EncoderTracks, TheChosenSoundTrackReachesTheOutput) {
    ASSERT_TRUE(probedOk_);
    // The first track is the default; the second is chosen; an audio-only profile too.
    const struct {
        vc::TrackChoice choice;
        const char* extension;
        const char* arguments;
        double tone;
    } cases[] = {
        {{}, ".avi", "-vcodec mpeg4 -acodec mp2 -f avi", 440},
        {{2, -1, false}, ".avi", "-vcodec mpeg4 -acodec mp2 -f avi", 1000},
        {{2, -1, false}, ".wav", "-vn -acodec pcm_s16le -f wav", 1000},
    };
    for (const auto& c : cases) {
        const std::string out = Convert(c.choice, c.extension, c.arguments);
        ASSERT_FALSE(out.empty());
        EXPECT_NEAR(ToneOf(out), c.tone, 0.03 * c.tone) << lastLine_;
    }
}

TEST_F(EncoderTracks, BurnedSubtitleShowsAtItsTimeAlsoAfterATrim) {
    ASSERT_TRUE(probedOk_);
    // From the stream, and from a file whose name needs every escape of the filter syntax.
    const QString odd = dir_->path() + "/it's [odd], cue; a:b.srt";
    ASSERT_TRUE(WriteText(odd, kSubtitle));
    vc::MediaTrack file;
    file.kind = vc::MediaTrack::Kind::Subtitle;
    file.file = odd.toStdString();
    const struct {
        const char* what;
        int subtitle;
        int trim;
        double shown, hidden[2];  // output times
    } cases[] = {
        {"stream", 0, 0, 2.5, {1.0, 4.0}},
        {"stream after a 2 s trim", 0, 2, 0.5, {1.5, 2.5}},
        {"file", 1, 0, 2.5, {1.0, 4.0}},
        {"file after a 2 s trim", 1, 2, 0.5, {1.5, 2.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string out =
            Convert({-1, c.subtitle, false}, ".avi", "-vcodec mpeg4 -qscale 2 -acodec mp2 -f avi",
                    c.trim, {file});
        ASSERT_FALSE(out.empty());
        EXPECT_GT(BrightestAt(out, c.shown), 150) << lastLine_;
        for (double t : c.hidden) EXPECT_LT(BrightestAt(out, t), 80) << t << " " << lastLine_;
        EXPECT_FALSE(StreamKinds(out).contains("subtitle"));
    }
}

TEST_F(EncoderTracks, SubtitleKeptAsATrack) {
    ASSERT_TRUE(probedOk_);
    const QString beside = dir_->path() + "/beside.srt";
    ASSERT_TRUE(WriteText(beside, kSubtitle));
    vc::MediaTrack file;
    file.kind = vc::MediaTrack::Kind::Subtitle;
    file.language = "de";
    file.file = beside.toStdString();
    const struct {
        int subtitle;
        const char* extension;
        const char* arguments;
        const char* codec;
    } cases[] = {
        {0, ".mkv", "-vcodec mpeg4 -acodec mp2 -f matroska", "subrip"},
        {1, ".mp4", "-vcodec mpeg4 -acodec aac -f mp4", "mov_text"},
    };
    for (const auto& c : cases) {
        const std::string out =
            Convert({-1, c.subtitle, true}, c.extension, c.arguments, 0, {file});
        ASSERT_FALSE(out.empty());
        const QString kinds = StreamKinds(out);
        EXPECT_TRUE(kinds.contains(QString(c.codec).append(",subtitle"))) << kinds.toStdString();
        EXPECT_EQ(kinds.count("audio"), 1) << kinds.toStdString();
        // Kept, not burned: the picture stays black.
        EXPECT_LT(BrightestAt(out, 2.5), 80) << lastLine_;
    }
}

TEST(EncoderProbeTracks, ProbeListsEverySoundTrackAndSubtitle) {
    QTemporaryDir dir;
    const std::string film = MakeFilm(dir.path().toStdString());
    ASSERT_FALSE(film.empty()) << "ffmpeg could not make the film";
    // Beside it: one subtitle file per kind, and files that are not the film's.
    for (const char* name : {"film.srt", "film.en.srt", "film.ass", "film.de.vtt", "filmx.srt",
                             "other.srt", "film.txt", "film.en.srt.bak"})
        ASSERT_TRUE(WriteText(dir.path() + "/" + name, kSubtitle));

    vc::MediaProbe probe;
    vc::ProbeResult r;
    QString error;
    ASSERT_TRUE(probe.ProbeAndWait(kEncoder, kProgramDir, QString::fromStdString(film), r, &error))
        << error.toStdString();
    // The stream readers still see the last sound line as they always did.
    EXPECT_EQ(r.pictureSize, "320x240");
    EXPECT_EQ(r.audioFormat, "aac");
    EXPECT_EQ(r.channels, " mono");
    EXPECT_EQ(r.durationText, "00:00:05");

    vc::Toriginalinfo job;
    job.tracks = r.tracks;
    const auto sound = vc::SoundTracks(job);
    ASSERT_EQ(sound.size(), 2u);
    EXPECT_EQ(sound[0]->stream, 1);
    EXPECT_EQ(sound[0]->language, "eng");
    EXPECT_EQ(sound[0]->codec, "aac");
    EXPECT_EQ(sound[0]->channels, 1);
    EXPECT_TRUE(sound[0]->isDefault);
    EXPECT_EQ(sound[1]->stream, 2);
    EXPECT_EQ(sound[1]->language, "ger");
    EXPECT_EQ(sound[1]->title, "Zweiton");
    EXPECT_FALSE(sound[1]->isDefault);
    EXPECT_EQ(vc::DefaultSoundStream(job), 1);

    const auto subs = vc::Subtitles(job);
    ASSERT_EQ(subs.size(), 5u);
    EXPECT_EQ(subs[0]->stream, 3);
    EXPECT_EQ(subs[0]->language, "fre");
    EXPECT_EQ(subs[0]->codec, "subrip");
    EXPECT_FALSE(subs[0]->picture);
    const std::string d = dir.path().toStdString() + "/";
    const struct {
        const char* file;
        const char* language;
        const char* codec;
    } files[] = {{"film.ass", "", "ass"},
                 {"film.de.vtt", "de", "webvtt"},
                 {"film.en.srt", "en", "subrip"},
                 {"film.srt", "", "subrip"}};
    for (size_t i = 0; i < std::size(files); ++i) {
        SCOPED_TRACE(files[i].file);
        EXPECT_EQ(subs[i + 1]->stream, -1);
        EXPECT_EQ(subs[i + 1]->file, d + files[i].file);
        EXPECT_EQ(subs[i + 1]->language, files[i].language);
        EXPECT_EQ(subs[i + 1]->codec, files[i].codec);
    }
}
