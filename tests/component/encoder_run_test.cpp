// Conversions through EncoderRunner and register.dat: progress lines, pause, resume and stop
// of the whole process group, and runs that fail.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <functional>
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

// Only a guard against a run that never gets there: every wait below ends as soon as what it
// waits for has happened, however long a loaded machine takes for it.
constexpr int kGuardMs = 180000;

// Runs the event loop until pred holds or the time is up; for what no signal reports (the
// states of the processes), and to let time pass.
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
    QString startError;
    int startFailures = 0;

    RunRecord() {
        QObject::connect(&runner, &vc::EncoderRunner::lineRead, [this](const QString& l) {
            if (finishedCount) linesAfterFinish = true;
            lines.push_back(l.toStdString());
        });
        QObject::connect(&runner, &vc::EncoderRunner::finished, [this](int code) {
            ++finishedCount;
            exitCode = code;
        });
        QObject::connect(&runner, &vc::EncoderRunner::startFailed, [this](const QString& e) {
            ++startFailures;
            startError = e;
        });
    }
    void Start(const std::string& commandLine) {
        runner.Start(QString::fromStdString(commandLine), QString::fromStdString(kProgramDir));
    }
    // Waits for the run's signals until pred holds (checked at each of them), the run has
    // ended without it, or the guard is up.
    bool WaitUntil(const std::function<bool()>& pred, int guardMs = kGuardMs) {
        if (pred()) return true;
        QEventLoop loop;
        auto check = [&] {
            if (pred() || finishedCount > 0 || startFailures > 0) loop.quit();
        };
        const auto a = QObject::connect(&runner, &vc::EncoderRunner::lineRead, &loop, check);
        const auto b = QObject::connect(&runner, &vc::EncoderRunner::finished, &loop, check);
        const auto c = QObject::connect(&runner, &vc::EncoderRunner::startFailed, &loop, check);
        QTimer::singleShot(guardMs, &loop, &QEventLoop::quit);
        if (finishedCount == 0 && startFailures == 0) loop.exec();
        QObject::disconnect(a);
        QObject::disconnect(b);
        QObject::disconnect(c);
        return pred();
    }
    bool WaitFinished() {
        return WaitUntil([this] { return finishedCount > 0; });
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
        run.Start(cmd);
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
    run.Start(cmd);
    EXPECT_TRUE(run.runner.IsRunning()) << "running from the start, while it is being started";
    ASSERT_TRUE(run.WaitFinished()) << run.startError.toStdString();
    EXPECT_EQ(run.finishedCount, 1);
    EXPECT_FALSE(run.linesAfterFinish);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.runner.IsRunning());
    // The last progress line reaches the clip's end; no line keeps the HH:MM:SS form.
    EXPECT_EQ(run.MaxProgress(), 4);
    EXPECT_FALSE(run.Contains("time=00:"));

    vc::MediaProbe probe;
    vc::ProbeResult r;
    QString error;
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
    ASSERT_TRUE(run.WaitUntil([&] { return run.MaxProgress() >= 1 && FileSize(out) > 0; }))
        << run.startError.toStdString();
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
        kGuardMs))
        << "every process of the group is stopped";
    WaitFor([] { return false; }, 300);  // writes already on their way
    const qint64 pausedSize = FileSize(out);
    const size_t pausedLines = run.lines.size();
    WaitFor([] { return false; }, 1500);
    EXPECT_EQ(FileSize(out), pausedSize);
    EXPECT_EQ(run.lines.size(), pausedLines);

    run.runner.Resume();
    EXPECT_FALSE(run.runner.IsSuspended());
    EXPECT_TRUE(run.WaitUntil([&] { return FileSize(out) > pausedSize; }));
    EXPECT_EQ(run.finishedCount, 0);

    run.runner.Terminate();
    ASSERT_TRUE(run.WaitFinished());
    EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
}

// The encoder and the ffmpeg it starts run in the background, or at the program's own
// priority when asked.
TEST_F(EncoderRun, EveryProcessOfTheRunHasThePriorityAskedFor) {
    ASSERT_FALSE(longClip_.empty());
    const int own = ::getpriority(PRIO_PROCESS, 0);
    for (const bool low : {true, false}) {
        SCOPED_TRACE(low ? "low priority" : "normal priority");
        const std::string out = Dir() + (low ? "/low.avi" : "/normal.avi");
        RunRecord run;
        run.runner.SetLowPriority(low);
        StartSlow(run, out);
        ASSERT_TRUE(run.WaitUntil([&] { return run.MaxProgress() >= 1; }))
            << run.startError.toStdString();
        const auto members = GroupMembers(run.runner.ProcessId());
        ASSERT_TRUE(HasMember(members, "ffmpeg"));
        for (const auto& m : members)
            EXPECT_EQ(::getpriority(PRIO_PROCESS, static_cast<id_t>(m.pid)), low ? 19 : own)
                << m.comm;
        run.runner.Terminate();
        ASSERT_TRUE(run.WaitFinished());
    }
}

TEST_F(EncoderRun, TerminateLeavesNoProcessBehind) {
    ASSERT_FALSE(longClip_.empty());
    for (bool suspendedFirst : {false, true}) {
        SCOPED_TRACE(suspendedFirst ? "terminate while suspended" : "terminate while running");
        const std::string out = Dir() + (suspendedFirst ? "/stop2.avi" : "/stop1.avi");
        RunRecord run;
        StartSlow(run, out);
        ASSERT_TRUE(run.WaitUntil([&] { return run.MaxProgress() >= 1; }))
            << run.startError.toStdString();
        const qint64 pgid = run.runner.ProcessId();
        const auto before = GroupMembers(pgid);
        ASSERT_TRUE(HasMember(before, "register.dat"));
        ASSERT_TRUE(HasMember(before, "ffmpeg"));
        if (suspendedFirst) run.runner.Suspend();

        run.runner.Terminate();
        ASSERT_TRUE(run.WaitFinished());
        EXPECT_EQ(run.finishedCount, 1);
        EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
        EXPECT_FALSE(run.runner.IsRunning());
        EXPECT_TRUE(WaitFor([&] { return GroupMembers(pgid).empty(); }, kGuardMs))
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
        run.Start(cmd);
        ASSERT_TRUE(run.WaitUntil([&] { return run.MaxProgress() >= 1; }))
            << run.startError.toStdString();
        const qint64 pgid = run.runner.ProcessId();
        const auto members = GroupMembers(pgid);
        EXPECT_TRUE(HasMember(members, "register.dat"));
        EXPECT_EQ(std::count_if(members.begin(), members.end(),
                                [](const vc::test::ProcInfo& m) { return m.comm == "ffmpeg"; }),
                  static_cast<long>(c.ffmpegs));

        if (c.killEncoderOnly) {
            ASSERT_EQ(::kill(static_cast<pid_t>(pgid), SIGKILL), 0);
            ASSERT_TRUE(run.WaitFinished());
            EXPECT_TRUE(WaitFor([&] { return GroupMembers(pgid).empty(); }, kGuardMs))
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
            kGuardMs))
            << "every process of the group is stopped";
        WaitFor([] { return false; }, 300);
        const size_t pausedLines = run.lines.size();
        const int64_t pausedProgress = run.MaxProgress();
        WaitFor([] { return false; }, 1500);
        EXPECT_EQ(run.lines.size(), pausedLines);

        run.runner.Resume();
        EXPECT_TRUE(run.WaitUntil([&] { return run.MaxProgress() > pausedProgress; }));

        run.runner.Terminate();
        ASSERT_TRUE(run.WaitFinished());
        EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
        EXPECT_TRUE(WaitFor([&] { return GroupMembers(pgid).empty(); }, kGuardMs))
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
        const std::string cmd = vc::QuoteIfBlank(kEncoder) + " -vormek -y -vormin " +
                                vc::QuoteIfBlank(c.input) + " -vcodec mpeg4 -sn " +
                                vc::QuoteIfBlank(out);
        // The child takes its environment when it is forked, inside Start.
        run.Start(cmd);
        qunsetenv("VC_FFMPEG");
        ASSERT_TRUE(run.WaitFinished()) << run.startError.toStdString();
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.Contains(c.expect));
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out)));
    }
}

TEST_F(EncoderRun, MissingExecutableFailsToStartOnceAndEmitsNothingElse) {
    struct Case {
        const char* what;
        std::string commandLine;
        QString message;  // how the message begins
    } cases[] = {
        {"missing program", kProgramDir + "/missing.dat -vormek",
         "Cannot start the encoder missing.dat: "},
        {"a folder", kProgramDir + " -vormek", "Cannot start the encoder "},
        {"empty command line", "   ", "The encoder command line is empty."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunRecord run;
        QElapsedTimer t;
        t.start();
        run.Start(c.commandLine);
        EXPECT_LT(t.elapsed(), 5000) << "Start does not wait for the program";
        ASSERT_TRUE(run.WaitUntil([&] { return run.startFailures > 0; }));
        EXPECT_TRUE(run.startError.startsWith(c.message)) << run.startError.toStdString();
        EXPECT_FALSE(run.runner.IsRunning());
        EXPECT_EQ(run.runner.ProcessId(), 0);
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(run.startFailures, 1);
        EXPECT_EQ(run.finishedCount, 0);
        EXPECT_TRUE(run.lines.empty());
    }
}

// A stop asked for before the program runs is done as soon as it runs.
TEST_F(EncoderRun, TerminateWhileStartingEndsTheRun) {
    RunRecord run;
    run.Start("/bin/sh -c \"sleep 30\"");
    ASSERT_TRUE(run.runner.IsRunning());
    run.runner.Terminate();
    ASSERT_TRUE(run.WaitFinished()) << run.startError.toStdString();
    EXPECT_EQ(run.exitCode, vc::EncoderRunner::kTerminatedExitCode);
    EXPECT_EQ(run.finishedCount, 1);
    EXPECT_FALSE(run.runner.IsRunning());
}

TEST_F(EncoderRun, OutputIsCutIntoLinesWithBlockDeliveries) {
    // A helper that prints a CR-overwritten line and a line split over two writes.
    RunRecord run;
    run.Start(
        "/bin/sh -c \"printf 'ab\\rX\\n'; sleep 0.3; printf 'part'; sleep 0.3; printf 'whole\\n'; "
        "sleep 0.3; printf tail; exit 3\"");
    ASSERT_TRUE(run.WaitFinished()) << run.startError.toStdString();
    EXPECT_EQ(run.exitCode, 3);
    // Each write arrives as its own block; every block ends with a delivery of the current
    // line, and the end of the run delivers the unfinished "tail" once more.
    const std::vector<std::string> expected = {"Xb", "", "part", "partwhole", "", "tail", "tail"};
    std::string seen;
    for (const auto& l : run.lines) seen += "[" + l + "]";
    EXPECT_EQ(run.lines, expected) << seen;
}

}  // namespace
