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
#include <set>

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

// What ffprobe calls the container of each extension.
std::string ExpectedFormat(const std::string& ext) {
    static const std::map<std::string, std::string> kFormats = {
        {".asf", "asf"},      {".wmv", "asf"},  {".wma", "asf"},   {".avi", "avi"},
        {".mkv", "matroska"}, {".flv", "flv"},  {".swf", "swf"},   {".rm", "rm"},
        {".ra", "rm"},        {".mpg", "mpeg"}, {".mpeg", "mpeg"}, {".vob", "mpeg"},
        {".ts", "mpegts"},    {".aac", "aac"},  {".ac3", "ac3"},   {".mp3", "mp3"},
        {".mp2", "mp3"},      {".ogg", "ogg"},  {".wav", "wav"},   {".aiff", "aiff"},
        {".au", "au"},        {".mp4", "mp4"},  {".MP4", "mp4"},   {".m4a", "m4a"},
        {".mov", "mov"},      {".3gp", "3gp"},  {".3g2", "3g2"},   {".amr", "amr"},
    };
    auto it = kFormats.find(ext);
    return it == kFormats.end() ? "?" : it->second;
}

// The container's duration; SWF has none, so there the video frames are counted.
double DurationOf(const std::string& path, const std::string& probeOutput) {
    const size_t d = probeOutput.find("\nduration=");
    if (d != std::string::npos && probeOutput.compare(d + 10, 3, "N/A") != 0)
        return std::atof(probeOutput.c_str() + d + 10);
    const RunResult count = RunTool("ffprobe",
                                    {"-v", "error", "-select_streams", "v:0", "-count_packets",
                                     "-show_entries", "stream=nb_read_packets,avg_frame_rate",
                                     "-of", "default=nw=1", QString::fromStdString(path)},
                                    30000);
    const size_t n = count.output.find("nb_read_packets=");
    const size_t r = count.output.find("avg_frame_rate=");
    if (!count.ok || n == std::string::npos || r == std::string::npos) return -1;
    double num = 0, den = 0;
    if (std::sscanf(count.output.c_str() + r + 15, "%lf/%lf", &num, &den) != 2 || num <= 0 ||
        den <= 0)
        return -1;
    return std::atof(count.output.c_str() + n + 16) * den / num;
}

// Which settings a run uses: the profile's defaults, or both quality boxes at their best or
// at their lowest entry.
enum class Settings { Defaults, Highest, Lowest };

struct ProfileRun {
    int profile;
    Settings settings;
};

void PrintTo(const ProfileRun& r, std::ostream* os) {
    *os << "profile " << r.profile << " settings " << static_cast<int>(r.settings);
}

class EveryProfileConverts : public ::testing::TestWithParam<ProfileRun> {
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
    const int id = GetParam().profile;

    ProfileState profile;
    PlainFormatBoxes plain;
    FormatBoxes boxes = plain.boxes();
    InitFormatBoxes(boxes);
    SetSelectedProfile(profile, id);
    const GroupReadResult read = ReadProfileGroup(ProfileFilePath(), profile, boxes);
    ASSERT_TRUE(read.complete()) << read.error;
    // No remembered settings yet: every box takes the profile's default.
    const std::string ini = dir_->path().toStdString() + "/none/pro test.ini";
    ASSERT_EQ(LoadRememberedSettings(ini, id, boxes), "");
    if (GetParam().settings != Settings::Defaults) {
        const int q = GetParam().settings == Settings::Highest ? 0 : 4;
        if (plain.video.isEnabled()) plain.video.setCurrentIndex(q);
        if (plain.audio.isEnabled()) plain.audio.setCurrentIndex(q);
    }

    InvocationInputs in;
    in.outputFolderText = dir_->path().toStdString() + "/out" + std::to_string(id) + "_" +
                          std::to_string(static_cast<int>(GetParam().settings));
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
    const bool amrSound = profile.extension == ".3gp" || profile.extension == ".amr";
    if (amrSound && encoder_.empty())
        GTEST_SKIP() << "AMR-NB sound is encoded by register.dat, not by ffmpeg alone";

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
    const RunResult probe =
        RunTool("ffprobe",
                {"-v", "error", "-show_entries",
                 "format=format_name,duration:stream=codec_name,codec_type,width,height", "-of",
                 "default=nw=1", QString::fromStdString(out)},
                30000);
    ASSERT_TRUE(probe.ok) << probe.output;
    const std::string& p = probe.output;
    const std::string format = ExpectedFormat(profile.extension);
    const size_t at = p.find("format_name=");
    ASSERT_NE(at, std::string::npos) << p;
    const std::string formatName = p.substr(at + 12, p.find('\n', at) - at - 12);
    EXPECT_NE(formatName.find(format), std::string::npos)
        << profile.extension << " written as " << formatName << "\n"
        << line;

    const bool audioOnly = profile.videoRates[0] == "*";
    EXPECT_NE(p.find("codec_type=audio"), std::string::npos) << p << line;
    // The phone formats carry narrow-band AMR sound, whatever FFmpeg itself can encode.
    if (amrSound) {
        EXPECT_NE(p.find("codec_name=amr_nb\ncodec_type=audio"), std::string::npos) << p << line;
    }
    EXPECT_EQ(p.find("codec_type=video") != std::string::npos, !audioOnly) << p << line;

    EXPECT_NEAR(DurationOf(out, p), 2.0, 0.5) << line;

    // The picture has the chosen size; the disc formats take theirs from the target.
    if (!audioOnly) {
        std::string size = inv.rec.sizeFragment.size() > 4 ? inv.rec.sizeFragment.substr(4) : "";
        if (id == 112) size = "352x288";
        if (id == 113) size = "480x576";
        if (id == 114) size = "720x576";
        const size_t x = size.find('x');
        ASSERT_NE(x, std::string::npos) << line;
        EXPECT_NE(p.find("width=" + size.substr(0, x) + "\nheight=" + size.substr(x + 1)),
                  std::string::npos)
            << size << "\n"
            << p << line;
    }
}

// Every profile with a name at its defaults; each distinct argument line and extension also
// at the highest and the lowest qualities, where codec limits on rates and sample rates show.
std::vector<ProfileRun> Runs() {
    std::vector<std::string> lines;
    std::string error;
    ReadTextLines(ProfileFilePath(), lines, error);
    std::vector<ProfileRun> runs;
    std::set<std::string> seen;
    for (int id = 1; id <= kProfileCount; ++id) {
        const ProfileEntry* e = CatalogueEntry(id);
        if (!e || e->displayName[0] == '\0') continue;
        runs.push_back({id, Settings::Defaults});
        const size_t argsLine = static_cast<size_t>(4 * id - 1);
        const std::string key = ProfileExtensionOf(e->displayName) + " " +
                                (argsLine < lines.size() ? lines[argsLine] : "");
        if (seen.insert(key).second) {
            runs.push_back({id, Settings::Highest});
            runs.push_back({id, Settings::Lowest});
        }
    }
    return runs;
}

std::string RunName(const ::testing::TestParamInfo<ProfileRun>& info) {
    static const char* const kNames[] = {"defaults", "highest", "lowest"};
    return "profile_" + std::to_string(info.param.profile) + "_" +
           kNames[static_cast<int>(info.param.settings)];
}

INSTANTIATE_TEST_SUITE_P(Profiles, EveryProfileConverts, ::testing::ValuesIn(Runs()), RunName);

}  // namespace
