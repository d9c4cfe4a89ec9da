// EncoderRunner against encoders that print anything at any pace, and against the death of
// the program that started it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "core/cmdline.h"
#include "core/linecutter.h"
#include "core/progress.h"
#include "jobs/EncoderRunner.h"
#include "support/clips.h"
#include "support/processes.h"

namespace {

const std::string kProgramDir = VC_PROGRAM_DIR;
const std::string kEncoder = kProgramDir + "/register.dat";

// Keeps counts, not lines: a flood must not fill the test's own memory.
struct Watch {
    vc::EncoderRunner runner;
    std::size_t deliveries = 0;
    std::size_t longest = 0;
    int64_t maxProgress = 0;
    std::string lastShort;
    int exitCode = -1000;
    Watch() {
        QObject::connect(&runner, &vc::EncoderRunner::lineRead, [this](const QString& l) {
            ++deliveries;
            const std::string bytes = l.toStdString();
            longest = std::max(longest, bytes.size());
            maxProgress = std::max(maxProgress, vc::ParseProgressSeconds(bytes));
            if (!bytes.empty() && bytes.size() < 100) lastShort = bytes;
        });
        QObject::connect(&runner, &vc::EncoderRunner::finished,
                         [this](int code) { exitCode = code; });
        QObject::connect(&runner, &vc::EncoderRunner::startFailed, [this](const QString& e) {
            ADD_FAILURE() << e.toStdString();
            exitCode = -1;
        });
    }
    void Start(const std::string& script) {
        runner.Start(QString::fromStdString("/bin/sh -c " + vc::QuoteIfBlank(script)),
                     QString::fromStdString(kProgramDir));
    }
    bool Finished() const { return exitCode != -1000; }
};

// Runs the event loop for up to ms or until done(); returns the longest time the loop did not
// turn (a window would not have answered for that long).
qint64 RunLoop(int ms, const std::function<bool()>& done) {
    QElapsedTimer total, sinceTick;
    total.start();
    sinceTick.start();
    qint64 longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    tick.start(10);
    while (total.elapsed() < ms && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    longestGap = std::max(longestGap, sinceTick.elapsed());
    return longestGap;
}

}  // namespace

TEST(HostileEncoder, TenMegabyteLineIsCutAndTheRunEnds) {
    Watch w;
    // 10 MB of text without a line end, then a last line. Once took ten minutes.
    w.Start("head -c 10485760 /dev/zero | tr '\\000' a; printf '\\nthe end\\n'");
    RunLoop(60000, [&] { return w.Finished(); });
    ASSERT_TRUE(w.Finished());
    EXPECT_EQ(w.exitCode, 0);
    EXPECT_EQ(w.longest, vc::LineCutter::kMaxLineLength);
    EXPECT_EQ(w.lastShort, "the end");
}

TEST(HostileEncoder, EndlessOutputKeepsTheProgramAnsweringAndStopsAtOnce) {
    const struct {
        const char* what;
        const char* script;
    } cases[] = {
        {"NUL bytes without end", "cat /dev/zero"},
        {"one line without end", "tr '\\000' x < /dev/zero"},
        {"short lines without end", "yes"},
        {"absurd progress times",
         "while :; do printf 'frame=1 time=99999999999999999999.00 bitrate=1\\r"
         "frame=2 time=-7.00 bitrate=1\\rtime=1e308.5 bitrate=x\\n'; done"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Watch w;
        w.Start(c.script);
        const long before = vc::test::ResidentKb();
        const qint64 gap = RunLoop(1500, [&] { return w.Finished(); });
        ASSERT_FALSE(w.Finished()) << "the encoder runs on";
        EXPECT_GT(w.deliveries, 0u);
        // Generous bounds: timing on a shared machine varies.
        EXPECT_LT(gap, 1000) << "the event loop was blocked for " << gap << " ms";
        EXPECT_LE(w.longest, vc::LineCutter::kMaxLineLength);
        EXPECT_LT(vc::test::ResidentKb() - before, 64 * 1024) << "memory grows with the output";
        EXPECT_EQ(w.maxProgress, 0) << "no absurd time counts as progress";

        QElapsedTimer stop;
        stop.start();
        w.runner.Terminate();
        RunLoop(5000, [&] { return w.Finished(); });
        ASSERT_TRUE(w.Finished());
        EXPECT_LT(stop.elapsed(), 2000);
        EXPECT_EQ(w.exitCode, vc::EncoderRunner::kTerminatedExitCode);
    }
}

// The program killed in the middle of a conversion: register.dat and its ffmpeg go with it.
TEST(TiedProcesses, EncoderDiesWithTheProgramThatStartedIt) {
    QTemporaryDir dir;
    const std::string clip = vc::test::MakeMp4H264Aac(dir.path().toStdString(), "clip.mp4", 30);
    ASSERT_FALSE(clip.empty());
    const std::string commandLine = vc::QuoteIfBlank(kEncoder) + " -vormek -y -re -vormin " +
                                    vc::QuoteIfBlank(clip) + " -vcodec mpeg4 " +
                                    vc::QuoteIfBlank(dir.filePath("out.avi").toStdString());
    QProcess holder;
    holder.start(QCoreApplication::applicationDirPath() + "/vc_encoder_holder",
                 {QString::fromStdString(commandLine)});
    ASSERT_TRUE(holder.waitForStarted(10000));
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << holder.readAllStandardError().toStdString();
    const long long pgid = holder.readLine().trimmed().toLongLong();
    ASSERT_GT(pgid, 0);
    std::vector<vc::test::ProcInfo> members;
    RunLoop(10000, [&] {
        members = vc::test::GroupMembers(pgid);
        return vc::test::HasMember(members, "ffmpeg");
    });
    ASSERT_TRUE(vc::test::HasMember(members, "register.dat"));
    ASSERT_TRUE(vc::test::HasMember(members, "ffmpeg"));

    ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
    ASSERT_TRUE(holder.waitForFinished(5000));
    RunLoop(5000, [&] { return vc::test::GroupMembers(pgid).empty(); });
    EXPECT_TRUE(vc::test::GroupMembers(pgid).empty())
        << vc::test::GroupMembers(pgid).size() << " processes outlived the program";
    ::kill(-static_cast<pid_t>(pgid), SIGKILL);  // never leave one behind, even on failure
}
