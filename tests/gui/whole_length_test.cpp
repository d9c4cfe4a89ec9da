// An untrimmed conversion keeps the whole of its source: sources whose lengths are not whole
// seconds, converted through the program and the real encoder, decoded again with ffmpeg.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/Tfm_main.h"
#include "support/clips.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

// Seconds of one kind of stream ("a" or "v") that ffmpeg decodes from a file; -1 when none.
double DecodedSeconds(const QString& file, const char* kind) {
    QProcess p;
    p.start("ffmpeg", {"-nostdin", "-v", "info", "-i", file, "-map", QString("0:%1:0").arg(kind),
                       "-f", "null", "-"});
    p.waitForFinished(60000);
    const QString log = QString::fromUtf8(p.readAllStandardError());
    // The last progress report gives the decoded length.
    const QRegularExpression time(R"(time=(\d+):(\d+):(\d+\.\d+))");
    double seconds = -1;
    for (auto it = time.globalMatch(log); it.hasNext();) {
        const auto m = it.next();
        seconds = m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 +
                  m.captured(3).toDouble();
    }
    return p.exitCode() == 0 ? seconds : -1;
}

TEST(WholeLength, UntrimmedConversionsKeepTheEndOfTheSource) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const std::string both =
        "-f lavfi -i testsrc=size=320x240:rate=25:duration=%1 -f lavfi -i sine=duration=%1 ";
    struct Case {
        const char* name;
        std::string args;  // %1 is the length
        const char* length;
        int profile;
    } cases[] = {
        {"sound.wav", "-f lavfi -i sine=duration=%1 -c:a pcm_s16le", "1.43", 17},
        {"picture.mp4", "-f lavfi -i testsrc=size=320x240:rate=25:duration=%1 -c:v libx264", "2.36",
         118},
        {"both.mp4", both + "-c:v libx264 -c:a aac -shortest", "6.48", 118},
        {"both.avi", both + "-c:v mpeg4 -c:a libmp3lame -shortest", "3.32", 17},
        {"both.mkv", both + "-c:v libx264 -c:a aac -shortest", "2.52", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string src =
            MakeClip(d, c.name, QString::fromStdString(c.args).arg(c.length).toStdString());
        ASSERT_FALSE(src.empty());
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        w.SelectProfile(c.profile);
        w.ed_output->setText(dir.path() + "/out/");
        p.fx.fileAnswers.push_back({QString::fromStdString(src)});
        w.AddFiles();
        ASSERT_TRUE(WaitForAdding(w));
        ASSERT_EQ(w.Jobs().Count(), 1);
        w.StartBatch();
        ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 120000));
        ASSERT_EQ(w.Jobs().Text(0, JobList::StatusColumn), "Finish")
            << w.Jobs().At(0)->hint.toStdString();
        const QString out = QString::fromStdString(w.CurrentInvocation().outputFile);
        for (const char* kind : {"a", "v"}) {
            const double source = DecodedSeconds(QString::fromStdString(src), kind);
            if (source < 0) continue;
            const double converted = DecodedSeconds(out, kind);
            if (converted < 0) continue;  // an audio profile keeps no picture
            EXPECT_NEAR(converted, source, 0.1) << kind << " of " << out.toStdString();
        }
    }
}

}  // namespace
