// AMR-NB sound through register.dat: the command lines of the phone profiles, built by the
// program from the shipped profile file at each audio quality, give real AMR-NB (an AMR file,
// or 3GP with the picture) at the mode of that quality and as long as the source.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "core/cmdline.h"
#include "core/invocation.h"
#include "core/profilefile.h"
#include "core/profilesettings.h"
#include "support/clips.h"

using namespace vc;

namespace {

struct ToolRun {
    bool ok = false;
    std::string output;
};

ToolRun RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    ToolRun r;
    if (!p.waitForStarted(10000) || !p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished(5000);
        r.output = "cannot run " + program.toStdString();
        return r;
    }
    r.output = QString::fromLocal8Bit(p.readAll()).toStdString();
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}

QJsonObject Probe(const std::string& path) {
    const ToolRun r = RunTool(
        "ffprobe", {"-v", "error", "-show_entries",
                    "format=format_name,duration:stream=codec_type,codec_name,sample_rate,channels,"
                    "duration",
                    "-of", "json", QString::fromStdString(path)});
    return r.ok ? QJsonDocument::fromJson(QByteArray::fromStdString(r.output)).object()
                : QJsonObject();
}

QJsonObject StreamOf(const QJsonObject& probe, const char* type) {
    for (const auto& s : probe["streams"].toArray())
        if (s.toObject()["codec_type"].toString() == type) return s.toObject();
    return {};
}

// Sizes of the sound's packets, one per 20 ms frame.
std::vector<int> SoundPacketSizes(const std::string& path) {
    const ToolRun r =
        RunTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries", "packet=size",
                            "-of", "csv=p=0", QString::fromStdString(path)});
    std::vector<int> sizes;
    if (!r.ok) return sizes;
    for (const QString& l : QString::fromStdString(r.output).split('\n', Qt::SkipEmptyParts))
        sizes.push_back(l.trimmed().toInt());
    return sizes;
}

// The largest "time=" of the encoder's progress lines, in seconds.
double LastProgress(const std::string& output) {
    double best = -1;
    for (size_t at = output.find("time="); at != std::string::npos;
         at = output.find("time=", at + 5))
        best = std::max(best, std::atof(output.c_str() + at + 5));
    return best;
}

// The audio qualities of the phone profiles and the AMR-NB mode each must give: its rate, and
// its number in the frame header.
struct Quality {
    int index;  // 0 "Higher Quality" .. 4 "Lower Quality"
    int bitsPerSecond;
    int modeNumber;
};
constexpr Quality kQualities[] = {
    {0, 12200, 7}, {1, 10200, 6}, {2, 7400, 4}, {3, 5900, 2}, {4, 4750, 0}};

struct AmrRun {
    int profile;
    Quality quality;
};

void PrintTo(const AmrRun& r, std::ostream* os) {
    *os << "profile " << r.profile << " quality " << r.quality.index;
}

class AmrProfiles : public ::testing::TestWithParam<AmrRun> {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        clip_ = test::MakeMp4H264Aac(dir_->path().toStdString(), "phone clip.mp4", 3);
        const QJsonObject p = Probe(clip_);
        clipLength_ = p["format"].toObject()["duration"].toString().toDouble();
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::unique_ptr<QTemporaryDir> dir_;
    static std::string clip_;
    static double clipLength_;
};
std::unique_ptr<QTemporaryDir> AmrProfiles::dir_;
std::string AmrProfiles::clip_;
double AmrProfiles::clipLength_ = 0;

TEST_P(AmrProfiles, SoundIsAmrNbAtTheModeOfTheQuality) {
    ASSERT_FALSE(clip_.empty()) << "ffmpeg could not make the test clip";
    ASSERT_GT(clipLength_, 2.5);
    const int id = GetParam().profile;
    const Quality q = GetParam().quality;

    ProfileState profile;
    PlainFormatBoxes plain;
    FormatBoxes boxes = plain.boxes();
    InitFormatBoxes(boxes);
    SetSelectedProfile(profile, id);
    const GroupReadResult read =
        ReadProfileGroup(std::string(VC_PROGRAM_DIR) + "/" + kProfileFileName, profile, boxes);
    ASSERT_TRUE(read.complete()) << read.error;
    const std::string ini = dir_->path().toStdString() + "/none/pro amr.ini";
    ASSERT_EQ(LoadRememberedSettings(ini, id, boxes), "");
    plain.audio.setCurrentIndex(q.index);

    InvocationInputs in;
    in.outputFolderText =
        dir_->path().toStdString() + "/out " + std::to_string(id) + "_" + std::to_string(q.index);
    in.caption = "phone clip";
    in.job.sourcePath = clip_;
    in.job.pictureSize = "640x480";
    in.job.durationText = "00:00:03";
    in.job.videoRate = "600";
    in.job.audioRate = "128";
    in.trim = {3, 0, 3};
    in.profile = profile;
    in.boxes = boxes;
    in.encoderPath = std::string(VC_PROGRAM_DIR) + "/register.dat";
    in.programDirectory = VC_PROGRAM_DIR;
    const InvocationResult inv = BuildInvocation(in);
    ASSERT_TRUE(inv.ok()) << inv.error;
    const std::string line = JoinCommandLine(inv.rec);
    std::vector<std::string> args = SplitCommandLine(line);
    QStringList qargs;
    for (size_t i = 1; i < args.size(); ++i) qargs << QString::fromStdString(args[i]);

    const ToolRun run = RunTool(QString::fromStdString(args[0]), qargs);
    ASSERT_TRUE(run.ok) << line << "\n" << run.output;
    // Progress came in seconds and reached the end.
    EXPECT_NEAR(LastProgress(run.output), clipLength_, 0.15) << run.output;

    const std::string& out = inv.rec.outputFile;
    const QJsonObject p = Probe(out);
    const QJsonObject sound = StreamOf(p, "audio");
    const std::string format = p["format"].toObject()["format_name"].toString().toStdString();
    EXPECT_EQ(sound["codec_name"].toString(), "amr_nb") << line;
    EXPECT_EQ(sound["sample_rate"].toString(), "8000");
    EXPECT_EQ(sound["channels"].toInt(), 1);

    // Every frame is of the mode: its bits of 20 ms, whole bytes, and the header byte.
    const int frameBytes = (q.bitsPerSecond / 50 + 7) / 8 + 1;
    const std::vector<int> sizes = SoundPacketSizes(out);
    ASSERT_FALSE(sizes.empty());
    for (size_t i = 0; i < sizes.size(); ++i)
        ASSERT_EQ(sizes[i], frameBytes) << "frame " << i << " of " << out;
    EXPECT_NEAR(sizes.size() * 0.020, clipLength_, 0.15) << "length of the sound";

    if (profile.extension == ".amr") {
        EXPECT_EQ(format, "amr");
        EXPECT_TRUE(StreamOf(p, "video").isEmpty());
        QFile f(QString::fromStdString(out));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ASSERT_GT(bytes.size(), 7);
        EXPECT_TRUE(bytes.startsWith("#!AMR\n"));
        EXPECT_EQ((static_cast<unsigned char>(bytes[6]) >> 3) & 0x0f, q.modeNumber);
        EXPECT_EQ(bytes.size(), 6 + frameBytes * static_cast<qsizetype>(sizes.size()));
    } else {
        EXPECT_NE(format.find("3gp"), std::string::npos) << format;
        const QJsonObject picture = StreamOf(p, "video");
        EXPECT_EQ(picture["codec_name"].toString(), id == 8 ? "mpeg4" : "h263");
        EXPECT_NEAR(picture["duration"].toString().toDouble(), clipLength_, 0.2);
        EXPECT_NEAR(sound["duration"].toString().toDouble(), clipLength_, 0.15);
    }
    // Nothing but the result is left in the output folder.
    EXPECT_EQ(QDir(QString::fromStdString(in.outputFolderText))
                  .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              1);
}

std::vector<AmrRun> Runs() {
    std::vector<AmrRun> runs;
    for (int id : {8, 68, 70, 71})
        for (const Quality& q : kQualities) runs.push_back({id, q});
    return runs;
}

std::string RunName(const ::testing::TestParamInfo<AmrRun>& info) {
    return "profile_" + std::to_string(info.param.profile) + "_quality_" +
           std::to_string(info.param.quality.index);
}

INSTANTIATE_TEST_SUITE_P(Phone, AmrProfiles, ::testing::ValuesIn(Runs()), RunName);

}  // namespace
