// register.dat when things go wrong around it: output that cannot be written, signals, raw
// streams without a length, and file names that are not UTF-8.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/choicebox.h"
#include "core/cmdline.h"
#include "core/invocation.h"
#include "core/nativepath.h"
#include "core/numeric.h"
#include "core/timeutil.h"
#include "jobs/EncoderRunner.h"
#include "jobs/MediaProbe.h"
#include "support/clips.h"
#include "support/processes.h"
#include "support/program.h"

namespace {

const std::string kProgramDir = VC_PROGRAM_DIR;
const std::string kEncoder = kProgramDir + "/register.dat";

struct Outcome {
    int exitCode = -1;
    std::string text;
};

// Runs register.dat to its end with the arguments, ffmpeg replaced by `ffmpeg` when given.
Outcome RunEncoder(const QStringList& args, const QString& ffmpeg = {}) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!ffmpeg.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VC_FFMPEG", ffmpeg);
        p.setProcessEnvironment(env);
    }
    p.start(QString::fromStdString(kEncoder), args);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll().toStdString()};
}

std::string WriteScript(const QTemporaryDir& dir, const std::string& name,
                        const std::string& body) {
    const std::string path = dir.path().toStdString() + "/" + name;
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    ::chmod(path.c_str(), 0755);
    return path;
}

using vc::test::WaitFor;

struct RunnerRun {
    vc::EncoderRunner runner;
    std::vector<std::string> lines;
    int exitCode = -1000;
    RunnerRun() {
        QObject::connect(&runner, &vc::EncoderRunner::lineRead,
                         [this](const QString& l) { lines.push_back(l.toStdString()); });
        QObject::connect(&runner, &vc::EncoderRunner::finished,
                         [this](int code) { exitCode = code; });
        QObject::connect(&runner, &vc::EncoderRunner::startFailed, [this](const QString& e) {
            ADD_FAILURE() << e.toStdString();
            exitCode = -1;
        });
    }
    bool Finish(const std::string& commandLine) {
        runner.Start(QString::fromStdString(commandLine), QString::fromStdString(kProgramDir));
        return WaitFor([this] { return exitCode != -1000; }, 60000);
    }
};

class EncoderFaults : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string Dir() const { return dir.path().toStdString(); }
};

}  // namespace

// FFmpeg 5.1 exits 0 after "Error writing trailer ...: No space left on device"; the
// program must not take such a run for a success. A stand-in ffmpeg prints the real lines.
TEST_F(EncoderFaults, WriteErrorsAndMissingOutputFailTheRun) {
    struct Case {
        const char* what;
        const char* script;  // $out: the output path
        int exitCode;        // 0, or non-zero for any failure
        const char* line;    // a text the output must hold
    };
    const Case cases[] = {
        {"trailer on a full disk",
         "printf 'frame=    1 size=0kB time=00:00:00.04 bitrate=8.3kbits/s\\rError writing "
         "trailer of %s: No space left on device\\n' \"$out\"; echo data > \"$out\"; exit 0",
         1, "could not be written completely: No space left on device"},
        {"packet on a full disk",
         "echo data > \"$out\"; echo 'av_interleaved_write_frame(): No space left on device'", 1,
         "No space left on device"},
        {"muxer over quota",
         "echo data > \"$out\"; echo '[mp4 @ 0x55d0] Error submitting a packet to the muxer: "
         "Disk quota exceeded'",
         1, "Disk quota exceeded"},
        {"claims success, writes nothing", "echo 'video:0kB audio:0kB'; exit 0", 1,
         "wrote no output file"},
        {"claims success, writes an empty file", ": > \"$out\"; exit 0", 1, "is empty"},
        {"a tag that reads like an error is none",
         "echo '    title           : Error writing trailer: No space left on device'; "
         "echo data > \"$out\"",
         0, "title"},
        {"ffmpeg's own failure keeps its code", "echo 'Unknown encoder'; exit 3", 3,
         "Unknown encoder"},
        {"nothing encoded",
         "echo data > \"$out\"; echo 'Output file is empty, nothing was encoded (check -ss / -t "
         "/ -frames parameters if used)'",
         1, "nothing was encoded"},
        {"plain success", "echo data > \"$out\"", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string ffmpeg =
            WriteScript(dir, "ffmpeg", std::string("for out; do :; done\n") + c.script);
        const std::string out = Dir() + "/out.mp4";
        QFile::remove(QString::fromStdString(out));
        const Outcome o = RunEncoder(
            {"-vormek", "-y", "-vormin", "/dev/null", "-f", "mp4", QString::fromStdString(out)},
            QString::fromStdString(ffmpeg));
        EXPECT_EQ(o.exitCode, c.exitCode) << o.text;
        EXPECT_NE(o.text.find(c.line), std::string::npos) << o.text;
    }
}

TEST_F(EncoderFaults, FullDiskIsAFailedRun) {
    const std::string clip = vc::test::MakeMp4H264Aac(Dir(), "clip.mp4", 4);
    ASSERT_FALSE(clip.empty());
    const QString mount = dir.path() + "/small";
    QDir().mkpath(mount);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}) != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root)";
    // Formats that end with a trailer (index) written last: FFmpeg itself exits 0 here.
    for (const char* name : {"out.mp4", "out.avi", "out.mkv"}) {
        SCOPED_TRACE(name);
        const Outcome o = RunEncoder({"-vormek", "-y", "-vormin", QString::fromStdString(clip),
                                      "-vcodec", "mpeg4", mount + "/" + name});
        EXPECT_NE(o.exitCode, 0);
        EXPECT_NE(o.text.find("No space left on device"), std::string::npos) << o.text;
        QFile::remove(mount + "/" + name);
    }
    QProcess::execute("umount", {mount});
}

// register.dat never leaves its ffmpeg behind, however it ends.
TEST_F(EncoderFaults, FfmpegDiesWithTheEncoder) {
    const std::string clip = vc::test::MakeMp4H264Aac(Dir(), "clip.mp4", 30);
    ASSERT_FALSE(clip.empty());
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(strsignal(sig));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QString::fromStdString(kEncoder),
                {"-vormek", "-y", "-re", "-vormin", QString::fromStdString(clip), "-vcodec",
                 "mpeg4", dir.filePath("slow.avi")});
        ASSERT_TRUE(p.waitForStarted(10000));
        const int pid = static_cast<int>(p.processId());
        std::vector<vc::test::ProcInfo> children;
        ASSERT_TRUE(WaitFor(
            [&] {
                children = vc::test::ChildrenOf(pid);
                return vc::test::HasMember(children, "ffmpeg");
            },
            10000));
        ::kill(pid, sig);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_TRUE(WaitFor([&] { return !vc::test::IsAlive(children.front().pid); }, 3000))
            << "ffmpeg outlived register.dat";
    }
}

// A raw H.264 stream has no duration: the probe says so, the command line has no "-t", and
// the whole stream is converted.
TEST_F(EncoderFaults, RawStreamWithoutLengthConvertsWhole) {
    const std::string raw = vc::test::MakeClip(
        Dir(), "raw.h264",
        "-f lavfi -i testsrc=size=320x240:rate=25:duration=3 -pix_fmt yuv420p -c:v libx264 "
        "-preset ultrafast -f h264");
    ASSERT_FALSE(raw.empty());
    vc::MediaProbe probe;
    vc::ProbeResult found;
    QString error;
    ASSERT_TRUE(probe.ProbeAndWait(QString::fromStdString(kEncoder),
                                   QString::fromStdString(kProgramDir), QString::fromStdString(raw),
                                   found, &error))
        << error.toStdString();
    EXPECT_EQ(found.durationText, vc::kUnknownDurationText);
    int64_t rate = 0;
    EXPECT_TRUE(vc::ParseInt(found.videoRate, rate) && rate > 0)
        << "a rate from the frames when the stream has no times: " << found.videoRate;

    vc::PlainFormatBoxes plain;
    vc::InvocationInputs in;
    vc::SetSelectedProfile(in.profile, 102);
    in.boxes = plain.boxes();
    vc::InitFormatBoxes(in.boxes);
    plain.size.addItem("320x240");
    plain.size.setCurrentIndex(0);
    plain.video.setCurrentIndex(2);
    plain.audio.setCurrentIndex(2);
    in.profile.arguments = "-vcodec mpeg4 -f avi";
    in.outputFolderText = Dir() + "/out";
    in.caption = "raw";
    in.job.sourcePath = raw;
    in.job.pictureSize = found.pictureSize;
    in.job.durationText = found.durationText;
    in.job.videoRate = "600";
    in.job.audioRate = "128";
    in.encoderPath = kEncoder;
    in.programDirectory = kProgramDir;
    const vc::InvocationResult r = vc::BuildInvocation(in);
    ASSERT_TRUE(r.ok()) << r.error;
    const std::string commandLine = vc::JoinCommandLine(r.rec);
    const auto args = vc::SplitCommandLine(commandLine);
    EXPECT_EQ(std::find(args.begin(), args.end(), "-t"), args.end()) << commandLine;

    RunnerRun run;
    ASSERT_TRUE(run.Finish(commandLine));
    EXPECT_EQ(run.exitCode, 0) << commandLine;
    vc::ProbeResult converted;
    ASSERT_TRUE(probe.ProbeAndWait(QString::fromStdString(kEncoder),
                                   QString::fromStdString(kProgramDir),
                                   QString::fromStdString(r.rec.outputFile), converted, &error))
        << error.toStdString();
    EXPECT_EQ(converted.durationText, "00:00:03");
}

// A name with a byte that is not UTF-8 (Latin-1 "ÿ", 0xFF): listed, probed and converted to
// an output that keeps the byte.
TEST_F(EncoderFaults, NameThatIsNotUtf8SurvivesToTheEncoder) {
    const std::string clip = vc::test::MakeMp4H264Aac(Dir(), "clip.mp4", 2);
    ASSERT_FALSE(clip.empty());
    const std::string folder = Dir() + "/in";
    ::mkdir(folder.c_str(), 0755);
    const std::string rawName = "caf\xff \xe9t\xe9.mp4";
    ASSERT_EQ(::rename(clip.c_str(), (folder + "/" + rawName).c_str()), 0);

    const std::vector<std::string> names = vc::ListFolderNames(folder);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(vc::PathBytesFromText(names[0]), rawName);
    const QString path = QString::fromStdString(folder + "/" + names[0]);

    vc::MediaProbe probe;
    vc::ProbeResult found;
    QString error;
    ASSERT_TRUE(probe.ProbeAndWait(QString::fromStdString(kEncoder),
                                   QString::fromStdString(kProgramDir), path, found, &error))
        << error.toStdString();
    EXPECT_EQ(found.durationText, "00:00:02");

    vc::InvocationInputs in;
    in.outputFolderText = Dir() + "/out";
    const std::string caption = names[0].substr(0, names[0].rfind('.'));
    const vc::Fragment folderFragment = vc::PrepareOutputDirectory(in.outputFolderText);
    ASSERT_TRUE(folderFragment.ok());
    vc::intputrec rec;
    rec.encoderPath = kEncoder;
    rec.inputFile = path.toStdString();  // as the job list keeps it
    rec.startFragment = " -ss 00:00:00";
    rec.lengthFragment = " -t " + found.durationText;
    rec.formatFragment = " -vn -acodec libmp3lame -f mp3";
    rec.outputFile = vc::ChooseOutputPath(folderFragment.text, caption, ".mp3");
    RunnerRun run;
    ASSERT_TRUE(run.Finish(vc::JoinCommandLine(rec)));
    EXPECT_EQ(run.exitCode, 0);
    struct stat sb {};
    ASSERT_EQ(::stat((Dir() + "/out/caf\xff \xe9t\xe9.mp3").c_str(), &sb), 0)
        << "the output keeps the name's bytes";
    EXPECT_GT(sb.st_size, 0);

    // A second run does not overwrite it: the name check sees the real file.
    EXPECT_EQ(vc::PathBytesFromText(vc::ChooseOutputPath(folderFragment.text, caption, ".mp3")),
              Dir() + "/out/caf\xff \xe9t\xe9_1.mp3");
    // QTemporaryDir cannot see these names to remove them.
    ::unlink((folder + "/" + rawName).c_str());
    ::unlink((Dir() + "/out/caf\xff \xe9t\xe9.mp3").c_str());
}

// Questions only FFmpeg's libraries answer (old encoder names, protocols an output may name)
// go to the encoder's media library; a stand-in ffmpeg shows what the encoder made of them.
TEST_F(EncoderFaults, OldEncoderNamesAndOutputProtocolsAreAskedOfFfmpegsLibraries) {
    const std::string ffmpeg = WriteScript(dir, "ffmpeg", "echo \"$*\"");
    struct Case {
        QStringList args;  // after "-vormek -vormin /dev/null"
        const char* expected;
    };
    const Case cases[] = {
        {{"-c:a", "libfaac", "out.m4a"}, "-c:a aac out.m4a"},
        {{"-vcodec", "xvid", "out.avi"}, "-vcodec libxvid out.avi"},
        {{"-c:a", "mp3", "out.mp3"}, "-c:a libmp3lame out.mp3"},
        // FFmpeg has a vorbis encoder of its own: the name stays.
        {{"-c:a", "vorbis", "out.ogg"}, "-c:a vorbis out.ogg"},
        {{"-f", "mp3", "pipe:1"}, "-f mp3 pipe:1"},
        {{"-f", "mp3", "take:2.mp3"}, "-f mp3 file:take:2.mp3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const Outcome o = RunEncoder(QStringList{"-vormek", "-vormin", "/dev/null"} + c.args,
                                     QString::fromStdString(ffmpeg));
        EXPECT_NE(o.text.find(std::string("-i /dev/null ") + c.expected), std::string::npos)
            << o.text;
    }
}

// A conversion needs nothing but register.dat and ffmpeg: without its media library beside
// it, it still converts, while the runs that need the library say so in one line.
TEST_F(EncoderFaults, ConversionNeedsNoMediaLibraryAndTheOtherRunsSayItIsMissing) {
    const std::string alone = Dir() + "/alone";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(alone)));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(kEncoder),
                            QString::fromStdString(alone + "/register.dat")));
    const std::string wav = vc::test::MakeWav(Dir());
    ASSERT_FALSE(wav.empty());
    auto run = [&alone](const QStringList& args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QString::fromStdString(alone + "/register.dat"), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return Outcome{p.exitCode(), p.readAll().toStdString()};
    };
    const std::string out = Dir() + "/out.wav";
    const Outcome converted = run({"-vormek", "-y", "-vormin", QString::fromStdString(wav), "-vn",
                                   "-c:a", "pcm_s16le", QString::fromStdString(out)});
    EXPECT_EQ(converted.exitCode, 0) << converted.text;
    EXPECT_GT(QFileInfo(QString::fromStdString(out)).size(), 1000);

    const QStringList needLibrary[] = {
        {"-vormek", "-vormin", QString::fromStdString(wav)},
        {"-vormek", "-y", "-vormin", QString::fromStdString(wav), "-c:a", "libopencore_amrnb",
         QString::fromStdString(Dir() + "/out.amr")},
    };
    for (const QStringList& args : needLibrary) {
        const Outcome o = run(args);
        EXPECT_NE(o.exitCode, 0);
        EXPECT_EQ(o.text.rfind("Error: cannot load the encoder's media library: ", 0), 0u)
            << o.text;
        EXPECT_EQ(std::count(o.text.begin(), o.text.end(), '\n'), 1) << o.text;
    }
}
