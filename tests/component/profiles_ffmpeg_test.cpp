// Every profile converts: for each profile with a name, the command line is built by the
// program's own builder from the shipped profile file with the profile's default settings,
// run on a 2-second clip, and the output checked with ffprobe (container, streams, length).
//
// The command line goes through the program folder's register.dat when that encoder answers
// a probe; otherwise it is run through ffmpeg directly, with the encoder's own options
// translated the way the encoder does (-vormek dropped, -vormin as -i, -b as -b:v, -ab as
// -b:a). The test says on stdout which of the two ran.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "core/catalogue.h"
#include "core/cmdline.h"
#include "core/invocation.h"
#include "core/profilefile.h"
#include "core/profilesettings.h"
#include "support/clips.h"

using namespace vc;

namespace {

struct RunResult {
    bool ok = false;
    std::string output;
};

RunResult RunTool(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    RunResult r;
    if (!p.waitForStarted(10000)) {
        r.output = "cannot start " + program.toStdString();
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        r.output = "timed out";
        return r;
    }
    r.output = QString::fromLocal8Bit(p.readAll()).toStdString();
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return r;
}

QStringList ToQt(const std::vector<std::string>& v, size_t from) {
    QStringList out;
    for (size_t i = from; i < v.size(); ++i) out << QString::fromStdString(v[i]);
    return out;
}

// What ffprobe calls the container of each extension. ".amr" is written as AAC in a 3GP
// file, since Debian's FFmpeg has no AMR-NB encoder (said in the profile file too).
std::string ExpectedFormat(const std::string& ext) {
    static const std::map<std::string, std::string> kFormats = {
        {".asf", "asf"},      {".wmv", "asf"},       {".wma", "asf"},
        {".avi", "avi"},      {".mkv", "matroska"},  {".flv", "flv"},
        {".swf", "swf"},      {".rm", "rm"},         {".ra", "rm"},
        {".mpg", "mpeg"},     {".mpeg", "mpeg"},     {".vob", "mpeg"},
        {".ts", "mpegts"},    {".aac", "aac"},       {".ac3", "ac3"},
        {".mp3", "mp3"},      {".mp2", "mp3"},       {".ogg", "ogg"},
        {".wav", "wav"},      {".aiff", "aiff"},     {".au", "au"},
        {".mp4", "mp4"},      {".MP4", "mp4"},       {".m4a", "m4a"},
        {".mov", "mov"},      {".3gp", "3gp"},       {".3g2", "3g2"},
        {".amr", "3gp"},
    };
    auto it = kFormats.find(ext);
    return it == kFormats.end() ? "?" : it->second;
}

class EveryProfileConverts : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        clip_ = test::MakeAviMpeg4Mp3(dir_->path().toStdString(), "clip.avi", 2);
        const std::string encoder = std::string(VC_PROGRAM_DIR) + "/register.dat";
        if (!clip_.empty() && QFileInfo::exists(QString::fromStdString(encoder))) {
            RunResult probe = RunTool(QString::fromStdString(encoder),
                                  {"-vormek", "-vormin", QString::fromStdString(clip_)}, 30000);
            if (probe.output.find("Duration:") != std::string::npos) encoder_ = encoder;
        }
        std::printf("[profiles] converting through %s\n",
                    encoder_.empty() ? "ffmpeg directly (register.dat does not answer a probe)"
                                     : encoder_.c_str());
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::unique_ptr<QTemporaryDir> dir_;
    static std::string clip_;
    static std::string encoder_;
};
std::unique_ptr<QTemporaryDir> EveryProfileConverts::dir_;
std::string EveryProfileConverts::clip_;
std::string EveryProfileConverts::encoder_;

std::string ProfileFilePath() {
    const std::string shipped = std::string(VC_PROGRAM_DIR) + "/" + kProfileFileName;
    if (QFileInfo::exists(QString::fromStdString(shipped))) return shipped;
    return std::string(VC_SOURCE_DIR) + "/data/" + kProfileFileName;
}

TEST_P(EveryProfileConverts, OutputFitsTheProfile) {
    ASSERT_FALSE(clip_.empty()) << "ffmpeg could not make the test clip";
    const int id = GetParam();

    ProfileState profile;
    PlainFormatBoxes plain;
    FormatBoxes boxes = plain.boxes();
    InitFormatBoxes(boxes);
    SetSelectedProfile(profile, id);
    const GroupReadResult read = ReadProfileGroup(ProfileFilePath(), profile, boxes);
    ASSERT_TRUE(read.complete) << read.error;
    // No remembered settings yet: every box takes the profile's default.
    const std::string ini = dir_->path().toStdString() + "/none/pro test.ini";
    ASSERT_EQ(LoadRememberedSettings(ini, id, boxes), "");

    InvocationInputs in;
    in.outputFolderText = dir_->path().toStdString() + "/out" + std::to_string(id);
    in.caption = "clip";
    in.job.sourcePath = clip_;
    in.job.pictureSize = "320x240";
    in.job.durationText = "00:00:02";
    in.job.videoRate = "400";
    in.job.audioRate = "128";
    in.trim = {2, 0, 2};
    in.profile = profile;
    in.boxes = boxes;
    in.encoderPath = encoder_.empty() ? "ffmpeg" : encoder_;
    in.programDirectory = VC_PROGRAM_DIR;
    const InvocationResult inv = BuildInvocation(in);
    ASSERT_TRUE(inv.ok()) << inv.error;
    const std::string line = JoinCommandLine(inv.rec);

    std::vector<std::string> args = SplitCommandLine(line);
    ASSERT_GE(args.size(), 2u);
    QString program = QString::fromStdString(args[0]);
    if (encoder_.empty()) {
        std::vector<std::string> translated = {"-hide_banner", "-nostdin"};
        for (size_t i = 1; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "-vormek") continue;
            translated.push_back(a == "-vormin" ? "-i"
                                 : a == "-b"    ? "-b:v"
                                 : a == "-ab"   ? "-b:a"
                                                : a);
        }
        args = translated;
        program = "ffmpeg";
    } else {
        args.erase(args.begin());
    }
    const RunResult run = RunTool(program, ToQt(args, 0), 180000);
    ASSERT_TRUE(run.ok) << line << "\n" << run.output;

    const std::string& out = inv.rec.outputFile;
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(out))) << line;
    const RunResult probe = RunTool("ffprobe",
                                {"-v", "error", "-show_entries",
                                 "format=format_name,duration:stream=codec_type", "-of",
                                 "default=nw=1", QString::fromStdString(out)},
                                30000);
    ASSERT_TRUE(probe.ok) << probe.output;
    const std::string& p = probe.output;
    const std::string format = ExpectedFormat(profile.extension);
    const size_t at = p.find("format_name=");
    ASSERT_NE(at, std::string::npos) << p;
    const std::string formatName = p.substr(at + 12, p.find('\n', at) - at - 12);
    EXPECT_NE(formatName.find(format), std::string::npos)
        << profile.extension << " written as " << formatName << "\n" << line;

    const bool audioOnly = profile.videoRates[0] == "*";
    EXPECT_NE(p.find("codec_type=audio"), std::string::npos) << p << line;
    EXPECT_EQ(p.find("codec_type=video") != std::string::npos, !audioOnly) << p << line;

    const size_t d = p.find("duration=");
    ASSERT_NE(d, std::string::npos) << p;
    const double seconds = std::atof(p.c_str() + d + 9);
    EXPECT_NEAR(seconds, 2.0, 0.5) << line;
}

std::vector<int> NamedProfiles() {
    std::vector<int> ids;
    for (int id = 1; id <= kProfileCount; ++id) {
        const ProfileEntry* e = CatalogueEntry(id);
        if (e && e->displayName[0] != '\0') ids.push_back(id);
    }
    return ids;
}

INSTANTIATE_TEST_SUITE_P(Profiles, EveryProfileConverts, ::testing::ValuesIn(NamedProfiles()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "profile_" + std::to_string(info.param);
                         });

}  // namespace
