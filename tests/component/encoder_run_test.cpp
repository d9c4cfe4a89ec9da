// Conversions through EncoderRunner and register.dat: progress lines, pause, resume and stop
// of the whole process group, and runs that fail.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/cmdline.h"
#include "core/progress.h"
#include "jobs/EncoderRunner.h"
#include "jobs/MediaProbe.h"
#include "support/clips.h"
#include "support/processes.h"

namespace {

const std::string kProgramDir = VC_PROGRAM_DIR;
const std::string kEncoder = kProgramDir + "/register.dat";

using vc::test::GroupMembers;
using vc::test::HasMember;

// Runs the event loop until pred holds or the time is up.
template <typename Pred>
bool WaitFor(Pred pred, int ms) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

qint64 FileSize(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).size();
}

struct RunRecord {
    vc::EncoderRunner runner;
    std::vector<std::string> lines;
    int finishedCount = 0;
    int exitCode = -1000;
    bool linesAfterFinish = false;

    RunRecord() {
        QObject::connect(&runner, &vc::EncoderRunner::lineRead, [this](const QString& l) {
            if (finishedCount) linesAfterFinish = true;
            lines.push_back(l.toStdString());
        });
        QObject::connect(&runner, &vc::EncoderRunner::finished, [this](int code) {
            ++finishedCount;
            exitCode = code;
        });
    }
    bool WaitFinished(int ms = 60000) {
        return WaitFor([this] { return finishedCount > 0; }, ms);
    }
    int64_t MaxProgress() const {
        int64_t best = 0;
        for (const auto& l : lines) best = std::max(best, vc::ParseProgressSeconds(l));
        return best;
    }
    bool Contains(const std::string& text) const {
        for (const auto& l : lines)
            if (l.find(text) != std::string::npos) return true;
        return false;
    }
};

class EncoderRun : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir();
        const std::string d = dir_->path().toStdString();
        clip_ = vc::test::MakeMp4H264Aac(d, "source clip.mp4", 4);
        // Long enough that a real-time (-re) conversion runs for a while.
        longClip_ = vc::test::MakeClip(
            d, "long.mp4",
            "-f lavfi -i testsrc=size=640x480:rate=25 -t 40 -pix_fmt yuv420p -c:v libx264 "
            "-preset ultrafast");
        longSoundClip_ = vc::test::MakeClip(
            d, "long sound.mp4",
            "-f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 -t 40 "
            "-pix_fmt yuv420p -c:v libx264 -preset ultrafast -c:a aac");
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static std::string Dir() { return dir_->path().toStdString(); }

    // A slow conversion: the input is read at its own pace, the output grows steadily.
    std::string StartSlow(RunRecord& run, const std::string& out) {
        const std::string cmd = vc::QuoteIfBlank(kEncoder) + " -vormek -y -re -vormin " +
                                vc::QuoteIfBlank(longClip_) + " -b 4000000 -vcodec mpeg4 -an -sn " +
                                vc::QuoteIfBlank(out);
        QString error;
        EXPECT_TRUE(run.runner.Start(QString::fromStdString(cmd),
                                     QString::fromStdString(kProgramDir), &error))
            << error.toStdString();
        return cmd;
    }

    static QTemporaryDir* dir_;
    static std::string clip_;
    static std::string longClip_;
    static std::string longSoundClip_;
};
QTemporaryDir* EncoderRun::dir_ = nullptr;
std::string EncoderRun::clip_;
std::string EncoderRun::longClip_;
std::string EncoderRun::longSoundClip_;

TEST_F(EncoderRun, ConversionDeliversProgressInSecondsAndConverts) {
    ASSERT_FALSE(clip_.empty());
    const std::string out = Dir() + "/out put.avi";
    // The command line as the program builds it, with its double blanks and old options.
    const std::string cmd = vc::QuoteIfBlank(kEncoder) + " -vormek -y  -ss 00:00:00 -vormin " +
                            vc::QuoteIfBlank(clip_) +
                            " -r 24 -b 799000 -ab 192000 -ac 2 -aspect 1.3333 -t 00:00:04"
                            " -s 320x240  -ar 44100  -vcodec mpeg4 -acodec libmp3lame -sn  " +
                            vc::QuoteIfBlank(out);
    RunRecord run;
    QString error;
    ASSERT_TRUE(
        run.runner.Start(QString::fromStdString(cmd), QString::fromStdString(kProgramDir), &error))
        << error.toStdString();
    EXPECT_TRUE(run.runner.IsRunning());
    ASSERT_TRUE(run.WaitFinished());
    EXPECT_EQ(run.finishedCount, 1);
    EXPECT_FALSE(run.linesAfterFinish);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.runner.IsRunning());
    // The last progress line reaches the clip's end; no line keeps the HH:MM:SS form.
    EXPECT_EQ(run.MaxProgress(), 4);
    EXPECT_FALSE(run.Contains("time=00:"));

    vc::MediaProbe probe;
    vc::ProbeResult r;
    ASSERT_TRUE(probe.ProbeAndWait(QString::fromStdString(kEncoder),
                                   QString::fromStdString(kProgramDir), QString::fromStdString(out),
                                   r, &error))
        << error.toStdString();
    EXPECT_EQ(r.pictureSize, "320x240");
    EXPECT_EQ(r.videoFormat, "mpeg4");
    EXPECT_EQ(r.audioFormat, "mp3");
    EXPECT_EQ(r.audioRate, "192");  // -ab reached the audio encoder
    EXPECT_EQ(r.frameRate, " 24.00 fps");
    EXPECT_EQ(r.durationText, "00:00:04");
}

TEST_F(EncoderRun, SuspendStopsOutputAndResumeContinues) {
    ASSERT_FALSE(longClip_.empty());
    const std::string out = Dir() + "/paused.avi";
    RunRecord run;
    StartSlow(run, out);
    ASSERT_TRUE(WaitFor([&] { return run.MaxProgress() >= 1 && FileSize(out) > 0; }, 20000));
    const qint64 pgid = run.runner.ProcessId();
    ASSERT_GT(pgid, 0);
    ASSERT_TRUE(HasMember(GroupMembers(pgid), "ffmpeg")) << "ffmpeg must run in the group";

    run.runner.Suspend();
    EXPECT_TRUE(run.runner.IsSuspended());
    ASSERT_TRUE(WaitFor(
        [&] {
            for (const auto& m : GroupMembers(pgid))
                if (m.state != 'T') return false;
            return true;
        },
        5000))
        << "every process of the group is stopped";
    WaitFor([] { return false; }, 300);  // writes already on their way
    const qint64 pausedSize = FileSize(out);
    const size_t pausedLines = run.lines.size();
    WaitFor([] { return false; }, 1500);
    EXPECT_EQ(FileSize(out), pausedSize);
    EXPECT_EQ(run.lines.size(), pausedLines);

    run.runner.Resume();
    EXPECT_FALSE(run.runner.IsSuspended());
    EXPECT_TRUE(WaitFor([&] { return FileSize(out) > pausedSize; }, 10000));
    EXPECT_EQ(run.finishedCount, 0);

    run.runner.Terminate();
    ASSERT_TRUE(run.WaitFinished(10000));
    EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
}

TEST_F(EncoderRun, TerminateLeavesNoProcessBehind) {
    ASSERT_FALSE(longClip_.empty());
    for (bool suspendedFirst : {false, true}) {
        SCOPED_TRACE(suspendedFirst ? "terminate while suspended" : "terminate while running");
        const std::string out = Dir() + (suspendedFirst ? "/stop2.avi" : "/stop1.avi");
        RunRecord run;
        StartSlow(run, out);
        ASSERT_TRUE(WaitFor([&] { return run.MaxProgress() >= 1; }, 20000));
        const qint64 pgid = run.runner.ProcessId();
        const auto before = GroupMembers(pgid);
        ASSERT_TRUE(HasMember(before, "register.dat"));
        ASSERT_TRUE(HasMember(before, "ffmpeg"));
        if (suspendedFirst) run.runner.Suspend();

        run.runner.Terminate();
        ASSERT_TRUE(run.WaitFinished(10000));
        EXPECT_EQ(run.finishedCount, 1);
        EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
        EXPECT_FALSE(run.runner.IsRunning());
        EXPECT_TRUE(WaitFor([&] { return GroupMembers(pgid).empty(); }, 3000))
            << GroupMembers(pgid).size() << " processes left in the group";
    }
}

// AMR-NB sound runs more than one process: the decoding ffmpeg, and for 3GP the muxing one.
// Pause, resume and stop reach all of them, and they end when register.dat alone is killed.
TEST_F(EncoderRun, AmrConversionPausesResumesAndStopsEveryProcess) {
    ASSERT_FALSE(longSoundClip_.empty());
    struct Case {
        const char* name;
        const char* options;  // after the input, before the output
        size_t ffmpegs;
        bool killEncoderOnly;  // instead of stopping the group
    };
    const Case cases[] = {
        {"amr.amr", " -ab 5900 -ac 1 -ar 8000 -vn -c:a libopencore_amrnb -f amr -sn ", 1, false},
        {"phone.3gp",
         " -r 24 -b 64000 -ab 5900 -ac 1 -s 176x144 -ar 8000 -c:v h263 -c:a libopencore_amrnb "
         "-f 3gp -sn ",
         2, false},
        {"orphan.3gp", " -ab 5900 -s 176x144 -c:v h263 -c:a libopencore_amrnb -f 3gp ", 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = QString::fromStdString(Dir()) + "/amr " + c.name;
        ASSERT_TRUE(QDir().mkpath(folder));
        const std::string out = folder.toStdString() + "/" + c.name;
        const std::string cmd = vc::QuoteIfBlank(kEncoder) + " -vormek -y -re -vormin " +
                                vc::QuoteIfBlank(longSoundClip_) + c.options +
                                vc::QuoteIfBlank(out);
        RunRecord run;
        QString error;
        ASSERT_TRUE(run.runner.Start(QString::fromStdString(cmd),
                                     QString::fromStdString(kProgramDir), &error))
            << error.toStdString();
        ASSERT_TRUE(WaitFor([&] { return run.MaxProgress() >= 1; }, 20000));
        const qint64 pgid = run.runner.ProcessId();
        const auto members = GroupMembers(pgid);
        EXPECT_TRUE(HasMember(members, "register.dat"));
        EXPECT_EQ(std::count_if(members.begin(), members.end(),
                                [](const vc::test::ProcInfo& m) { return m.comm == "ffmpeg"; }),
                  static_cast<long>(c.ffmpegs));

        if (c.killEncoderOnly) {
            ASSERT_EQ(::kill(static_cast<pid_t>(pgid), SIGKILL), 0);
            ASSERT_TRUE(run.WaitFinished(10000));
            EXPECT_TRUE(WaitFor([&] { return GroupMembers(pgid).empty(); }, 3000))
                << GroupMembers(pgid).size() << " processes outlived register.dat";
            continue;
        }

        run.runner.Suspend();
        ASSERT_TRUE(WaitFor(
            [&] {
                for (const auto& m : GroupMembers(pgid))
                    if (m.state != 'T') return false;
                return true;
            },
            5000))
            << "every process of the group is stopped";
        WaitFor([] { return false; }, 300);
        const size_t pausedLines = run.lines.size();
        const int64_t pausedProgress = run.MaxProgress();
        WaitFor([] { return false; }, 1500);
        EXPECT_EQ(run.lines.size(), pausedLines);

        run.runner.Resume();
        EXPECT_TRUE(WaitFor([&] { return run.MaxProgress() > pausedProgress; }, 10000));

        run.runner.Terminate();
        ASSERT_TRUE(run.WaitFinished(10000));
        EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
        EXPECT_TRUE(WaitFor([&] { return GroupMembers(pgid).empty(); }, 3000))
            << GroupMembers(pgid).size() << " processes left in the group";
        // The AMR file gets its name only when it is complete: a stopped run leaves nothing.
        if (QString(c.name).endsWith(".amr")) {
            EXPECT_TRUE(QDir(folder)
                            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
                            .isEmpty());
        }
    }
}

TEST_F(EncoderRun, FailingRunsEndWithAClearLineAndNonZeroExit) {
    ASSERT_FALSE(clip_.empty());
    const std::string out = Dir() + "/never.avi";
    struct Case {
        const char* what;
        std::string input;
        const char* ffmpeg;  // value for VC_FFMPEG, or null
        const char* expect;
    };
    const Case cases[] = {
        {"missing input", Dir() + "/missing.mp4", nullptr, "No such file"},
        {"missing ffmpeg", clip_, "/nonexistent/ffmpeg", "not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.ffmpeg) qputenv("VC_FFMPEG", c.ffmpeg);
        RunRecord run;
        QString error;
        const std::string cmd = vc::QuoteIfBlank(kEncoder) + " -vormek -y -vormin " +
                                vc::QuoteIfBlank(c.input) + " -vcodec mpeg4 -sn " +
                                vc::QuoteIfBlank(out);
        const bool started = run.runner.Start(QString::fromStdString(cmd),
                                              QString::fromStdString(kProgramDir), &error);
        qunsetenv("VC_FFMPEG");
        ASSERT_TRUE(started) << error.toStdString();
        ASSERT_TRUE(run.WaitFinished(20000));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.Contains(c.expect));
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out)));
    }
}

TEST_F(EncoderRun, MissingExecutableFailsToStartAndEmitsNothing) {
    RunRecord run;
    QString error;
    EXPECT_FALSE(run.runner.Start(QString::fromStdString(kProgramDir + "/missing.dat -vormek"),
                                  QString::fromStdString(kProgramDir), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(run.runner.IsRunning());
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(run.finishedCount, 0);
    EXPECT_TRUE(run.lines.empty());

    RunRecord empty;
    EXPECT_FALSE(empty.runner.Start("   ", QString::fromStdString(kProgramDir), &error));
}

TEST_F(EncoderRun, OutputIsCutIntoLinesWithBlockDeliveries) {
    // A helper that prints a CR-overwritten line and a line split over two writes.
    RunRecord run;
    QString error;
    ASSERT_TRUE(run.runner.Start(
        "/bin/sh -c \"printf 'ab\\rX\\n'; sleep 0.3; printf 'part'; sleep 0.3; printf 'whole\\n'; "
        "sleep 0.3; printf tail; exit 3\"",
        QString::fromStdString(kProgramDir), &error))
        << error.toStdString();
    ASSERT_TRUE(run.WaitFinished(10000));
    EXPECT_EQ(run.exitCode, 3);
    // Each write arrives as its own block; every block ends with a delivery of the current
    // line, and the end of the run delivers the unfinished "tail" once more.
    const std::vector<std::string> expected = {"Xb", "", "part", "partwhole", "", "tail", "tail"};
    std::string seen;
    for (const auto& l : run.lines) seen += "[" + l + "]";
    EXPECT_EQ(run.lines, expected) << seen;
}

}  // namespace
