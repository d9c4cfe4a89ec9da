// Probing many files: register.dat answering several inputs in one run, ProbeQueue sharing
// them out to runs side by side and handing the answers on in order, JobIntake turning them
// into rows. Stand-in encoders (small shell scripts) make runs slow, hang or die on purpose.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>

#include "jobs/ConversionSession.h"
#include "jobs/JobIntake.h"
#include "jobs/ProbeQueue.h"
#include "support/clips.h"
#include "support/processes.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

const QString kProgramDir = QStringLiteral(VC_PROGRAM_DIR);
const QString kEncoder = kProgramDir + "/register.dat";
constexpr int kMp3Profile = 17;

// Collects what a queue hands on.
struct Recorder {
    explicit Recorder(ProbeQueue& q) {
        QObject::connect(&q, &ProbeQueue::answered, [this](const auto& batch) {
            for (const auto& a : batch) answers.push_back(a);
        });
        QObject::connect(&q, &ProbeQueue::idle, [this] { ++idles; });
    }
    QStringList Paths() const {
        QStringList p;
        for (const auto& a : answers) p << a.path;
        return p;
    }
    std::vector<ProbeQueue::Answer> answers;
    int idles = 0;
};

// A shell script standing in for the encoder. For each -vormin it runs `perInput` with the
// path in $f, then prints a fixed probe and the end line; the script is written with its
// own pid into pids.txt beside it, its number of arguments into args.txt, and every answered
// path into answered.txt.
QString StandIn(const QTemporaryDir& dir, const std::string& perInput) {
    const std::string d = dir.path().toStdString();
    const std::string path = d + "/encoder.sh";
    std::ofstream(path)
        << "#!/bin/sh\n"
        << "echo $$ >> '" << d << "/pids.txt'\n"
        << "echo $# >> '" << d << "/args.txt'\n"
        << "n=0\n"
        << "while [ $# -gt 0 ]; do\n"
        << "  if [ \"$1\" = -vormin ]; then\n"
        << "    shift; f=$1\n"
        << "    " << perInput << "\n"
        << "    echo \"  Duration: 00:00:05.00, start: 0.000000, bitrate: 900 kb/s\"\n"
        << "    echo \"    Stream #0.0: Video: h264, yuv420p, 320x240, 800 kb/s, "
           "25.00 fps \"\n"
        << "    echo \"$f\" >> '" << d << "/answered.txt'\n"
        << "    echo \"[[probe-end $n 0]]\"\n"
        << "    n=$((n+1))\n"
        << "  fi\n"
        << "  shift\n"
        << "done\n";
    ::chmod(path.c_str(), 0755);
    return QString::fromStdString(path);
}

QStringList Lines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

class ProbeMany : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir();
        const std::string d = dir_->path().toStdString();
        mp4_ = MakeMp4H264Aac(d, "a.mp4", 2);
        mkv_ = MakeMkv(d, "b.mkv", 2);
        wav_ = MakeWav(d, "c.wav", 2);
        ::mkfifo((d + "/pipe.mp4").c_str(), 0600);
        std::ofstream(d + "/notes.avi") << "These are notes, not a video.\n";
        // Names a command line could take for something else.
        const std::pair<const char*, std::string*> odd[] = {
            {"/my \"odd\" clip.mp4", &mp4_}, {"/-dash.mp4", &mp4_}, {"/ lead blank.mkv", &mkv_}};
        for (const auto& [name, clip] : odd)
            QFile::copy(QString::fromStdString(*clip), dir_->path() + name);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(mp4_.empty() || mkv_.empty() || wav_.empty()) << "ffmpeg made no clips";
    }
    static QString P(const char* name) { return dir_->path() + "/" + name; }

    static QTemporaryDir* dir_;
    static std::string mp4_, mkv_, wav_;
};
QTemporaryDir* ProbeMany::dir_ = nullptr;
std::string ProbeMany::mp4_, ProbeMany::mkv_, ProbeMany::wav_;

TEST_F(ProbeMany, EncoderAnswersEachInputInOrderThenItsEndLine) {
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(kEncoder, {"-vormek", "-vormin", P("b.mkv"), "-vormin", P("missing.mp4"), "-vormin",
                         P("-dash.mp4"), "-vormin", P("pipe.mp4")});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(run.readAll()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(run.exitCode(), 1) << "one input could not be read";

    // Each answer ends with its end line, in the order of the inputs.
    QStringList ends;
    for (const QString& l : lines)
        if (l.startsWith(kProbeEndPrefix)) ends << l;
    ASSERT_EQ(ends, QStringList({"[[probe-end 0 0]]", "[[probe-end 1 1]]", "[[probe-end 2 0]]",
                                 "[[probe-end 3 1]]"}));
    const int firstEnd = static_cast<int>(lines.indexOf("[[probe-end 0 0]]"));
    ASSERT_GT(firstEnd, 0);
    EXPECT_TRUE(lines[firstEnd - 1].contains("Audio: vorbis")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[lines.indexOf("[[probe-end 1 1]]") - 1].startsWith("Error:"));

    // One input keeps the classic answer: no end line.
    QProcess one;
    one.setProcessChannelMode(QProcess::MergedChannels);
    one.start(kEncoder, {"-vormek", "-vormin", P("a.mp4")});
    ASSERT_TRUE(one.waitForFinished(30000));
    const QString text = QString::fromUtf8(one.readAll());
    EXPECT_EQ(one.exitCode(), 0);
    EXPECT_TRUE(text.contains("Duration: 00:00:02")) << text.toStdString();
    EXPECT_FALSE(text.contains(kProbeEndPrefix));
}

TEST_F(ProbeMany, AnswersComeInTheOrderGivenWithFailuresInPlace) {
    struct Expect {
        const char* name;
        bool ok;
        const char* pictureSize;
        const char* audioFormat;
    } cases[] = {
        {"a.mp4", true, "640x480", "aac"},     {"missing.mp4", false, "", ""},
        {"b.mkv", true, "352x288", "vorbis"},  {"my \"odd\" clip.mp4", true, "640x480", "aac"},
        {"pipe.mp4", false, "", ""},  // a FIFO would block a reader: refused at once
        {"-dash.mp4", true, "640x480", "aac"}, {"c.wav", true, "", "pcm_s16le"},
        {"notes.avi", false, "", ""},          {" lead blank.mkv", true, "352x288", "vorbis"},
        {"a.mp4", true, "640x480", "aac"},
    };
    // Small runs on two lanes: the answers cross runs and lanes.
    ProbeQueue queue;
    queue.SetEncoder(kEncoder, kProgramDir);
    queue.SetRuns(2);
    queue.SetInputsPerRun(2);
    Recorder rec(queue);
    QStringList paths;
    for (const auto& c : cases) paths << P(c.name);
    // Two calls in a row join one add.
    queue.Add(paths.mid(0, 3));
    queue.Add(paths.mid(3));
    EXPECT_TRUE(queue.Busy());
    ASSERT_TRUE(WaitFor([&] { return rec.idles > 0; }, 60000));
    EXPECT_FALSE(queue.Busy());
    EXPECT_EQ(rec.idles, 1);
    ASSERT_EQ(rec.Paths(), paths);
    for (std::size_t i = 0; i < rec.answers.size(); ++i) {
        const auto& a = rec.answers[i];
        SCOPED_TRACE(a.path.toStdString());
        EXPECT_EQ(a.ok, cases[i].ok) << a.error.toStdString();
        EXPECT_EQ(a.result.pictureSize, cases[i].pictureSize);
        EXPECT_EQ(a.result.audioFormat, cases[i].audioFormat);
        if (cases[i].ok) {
            EXPECT_EQ(a.result.durationText, "00:00:02");
        } else {
            EXPECT_TRUE(a.error.startsWith("Error:")) << a.error.toStdString();
            EXPECT_TRUE(a.result.durationText.empty());
        }
    }
}

// Every run loads the encoder's libraries once: a large add takes one run per core, unless
// the names would overfill a run's arguments.
TEST_F(ProbeMany, ManyFilesTakeOneRunPerLaneUntilTheirNamesFillTheArguments) {
    struct Case {
        const char* what;
        int files;
        int nameLength;
        int minRuns, maxRuns;  // maxRuns 0: as many as the lanes' sharing makes
    };
    const Case cases[] = {
        {"short names", 1000, 20, 2, 2},
        // 87 names of 1,000 units fill a run: three runs per lane at least.
        {"long names", 400, 1000, 6, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir bin;
        const QString encoder = StandIn(bin, ":");
        ProbeQueue queue;
        queue.SetEncoder(encoder, bin.path());
        queue.SetRuns(2);
        Recorder rec(queue);
        QStringList paths;
        for (int i = 0; i < c.files; ++i) {
            const QString name = QString::number(i) + ".mp4";
            paths << "/m/" + QString(c.nameLength - name.size() - 3, 'n') + name;
        }
        queue.Add(paths);
        ASSERT_TRUE(WaitFor([&] { return rec.idles > 0; }, 120000));
        ASSERT_EQ(rec.Paths(), paths);
        EXPECT_TRUE(std::all_of(rec.answers.begin(), rec.answers.end(),
                                [](const auto& a) { return a.ok; }));
        const QStringList args = Lines(bin.path() + "/args.txt");
        EXPECT_GE(args.size(), c.minRuns);
        if (c.maxRuns > 0) {
            EXPECT_LE(args.size(), c.maxRuns);
        }
        int files = 0;
        for (const QString& count : args) {
            const int inputs = (count.toInt() - 1) / 2;  // -vormek, then -vormin PATH each
            EXPECT_LE(static_cast<std::size_t>(inputs) * (12 + 3 * c.nameLength),
                      ProbeQueue::kMaxArgumentBytes);
            files += inputs;
        }
        EXPECT_EQ(files, c.files);
    }
}

TEST_F(ProbeMany, AFileThatHangsCostsOnlyItsTimeLimit) {
    QTemporaryDir bin;
    const QString encoder = StandIn(bin, "case \"$f\" in *hang*) sleep 600;; esac");
    ProbeQueue queue;
    queue.SetEncoder(encoder, bin.path());
    queue.SetRuns(1);
    queue.SetInputTimeLimit(500);
    Recorder rec(queue);
    const QStringList paths = {"/m/one.mp4", "/m/hang.mp4", "/m/two.mp4", "/m/three.mp4"};
    queue.Add(paths);
    ASSERT_TRUE(WaitFor([&] { return rec.idles > 0; }, 30000));
    ASSERT_EQ(rec.Paths(), paths);
    EXPECT_TRUE(rec.answers[0].ok);
    EXPECT_FALSE(rec.answers[1].ok);
    EXPECT_TRUE(rec.answers[1].error.contains("could not be read in time"))
        << rec.answers[1].error.toStdString();
    EXPECT_TRUE(rec.answers[2].ok) << rec.answers[2].error.toStdString();
    EXPECT_TRUE(rec.answers[3].ok);
    EXPECT_EQ(rec.answers[3].result.pictureSize, "320x240");
    // The hanging run was stopped, with its sleeping helper (the run's process group).
    const QStringList pids = Lines(bin.path() + "/pids.txt");
    ASSERT_EQ(pids.size(), 2) << "the files after the hanging one got a run of their own";
    EXPECT_TRUE(WaitFor([&] { return !IsAlive(pids[0].toInt()); }, 5000));
    EXPECT_TRUE(GroupMembers(pids[0].toLongLong()).empty());
}

TEST_F(ProbeMany, ARunThatDiesOnAFileRetriesItOnceThenGoesOn) {
    QTemporaryDir bin;
    // Dies on "bad" every time and on "flaky" only the first time.
    const QString encoder =
        StandIn(bin, "case \"$f\" in *bad*) kill -9 $$;; *flaky*) [ -e '" +
                         bin.path().toStdString() + "/once' ] || { touch '" +
                         bin.path().toStdString() + "/once'; kill -9 $$; };; esac");
    ProbeQueue queue;
    queue.SetEncoder(encoder, bin.path());
    queue.SetRuns(1);
    Recorder rec(queue);
    const QStringList paths = {"/m/one.mp4", "/m/bad.mp4", "/m/flaky.mp4", "/m/two.mp4"};
    queue.Add(paths);
    ASSERT_TRUE(WaitFor([&] { return rec.idles > 0; }, 30000));
    ASSERT_EQ(rec.Paths(), paths);
    EXPECT_TRUE(rec.answers[0].ok);
    EXPECT_FALSE(rec.answers[1].ok);
    EXPECT_TRUE(rec.answers[2].ok) << rec.answers[2].error.toStdString();
    EXPECT_TRUE(rec.answers[3].ok);
    EXPECT_EQ(Lines(bin.path() + "/answered.txt"),
              QStringList({"/m/one.mp4", "/m/flaky.mp4", "/m/two.mp4"}));
}

TEST_F(ProbeMany, AMissingEncoderFailsEveryFile) {
    ProbeQueue queue;
    queue.SetEncoder(kProgramDir + "/no such encoder", kProgramDir);
    Recorder rec(queue);
    const QStringList paths = {P("a.mp4"), P("b.mkv"), P("c.wav")};
    queue.Add(paths);
    ASSERT_TRUE(WaitFor([&] { return rec.idles > 0; }, 10000));
    ASSERT_EQ(rec.Paths(), paths);
    for (const auto& a : rec.answers) {
        EXPECT_FALSE(a.ok);
        EXPECT_TRUE(a.error.contains("Cannot start the encoder")) << a.error.toStdString();
    }
}

TEST_F(ProbeMany, RowsKeepTheListOrderWhenLaterFilesAreProbedFirst) {
    QTemporaryDir bin;
    const QString encoder = StandIn(bin, "case \"$f\" in *slow*) sleep 1;; esac");
    JobList jobs;
    ConversionSession session;
    session.SetProgramDirectory(kProgramDir.toStdString() + "/");
    session.SelectProfile(kMp3Profile);
    session.SetEncoderPath(encoder.toStdString());
    JobIntake intake(&jobs, &session);
    intake.Queue().SetRuns(2);
    QStringList captionsAtEachInsert;
    QObject::connect(&jobs, &QAbstractItemModel::rowsInserted, [&](auto, int first, int last) {
        for (int r = first; r <= last; ++r) captionsAtEachInsert << jobs.Text(r, 0);
    });
    bool finished = false;
    QStringList notSupported;
    QObject::connect(&intake, &JobIntake::finished, [&](const QStringList& names) {
        finished = true;
        notSupported = names;
    });
    // Lane 0 takes slow0, f2, f4; lane 1 takes f1, f3, f5 and is done long before.
    const QStringList paths = {"/m/slow0.mp4", "/m/f1.mp4", "/m/f2.mp4",
                               "/m/f3.mp4",    "/m/f4.mp4", "/m/f5.mp4"};
    intake.Add(paths);
    ASSERT_TRUE(WaitFor([&] { return finished; }, 30000));
    const QStringList answered = Lines(bin.path() + "/answered.txt");
    ASSERT_EQ(answered.size(), 6);
    EXPECT_GT(answered.indexOf("/m/slow0.mp4"), answered.indexOf("/m/f5.mp4"))
        << "the later files were probed first";
    EXPECT_EQ(captionsAtEachInsert, QStringList({"slow0", "f1", "f2", "f3", "f4", "f5"}));
    EXPECT_TRUE(notSupported.isEmpty());
    for (int r = 0; r < jobs.Count(); ++r) {
        const QString estimate = jobs.Text(r, JobList::OutputColumn);
        EXPECT_FALSE(estimate.isEmpty()) << r;
        EXPECT_EQ(estimate, session.SizeEstimate(jobs.At(r)->info)) << r;
    }
}

TEST_F(ProbeMany, IntakeNamesTheFilesItCannotTakeInOrder) {
    JobList jobs;
    ConversionSession session;
    session.SetProgramDirectory(kProgramDir.toStdString() + "/");
    JobIntake intake(&jobs, &session);
    QStringList notSupported;
    bool finished = false;
    QObject::connect(&intake, &JobIntake::finished, [&](const QStringList& names) {
        finished = true;
        notSupported = names;
    });
    intake.Add({P("notes.avi"), P("a.mp4"), P("missing.mp4"), P("c.wav")});
    ASSERT_TRUE(WaitFor([&] { return finished; }, 60000));
    EXPECT_EQ(notSupported, QStringList({"notes.avi", "missing.mp4"}));
    ASSERT_EQ(jobs.Count(), 2);
    EXPECT_EQ(jobs.Text(0, JobList::CaptionColumn), "a");
    EXPECT_EQ(jobs.At(0)->trim.total, 2);
    EXPECT_EQ(jobs.Text(1, JobList::CaptionColumn), "c");

    // An empty add ends too, from the event loop.
    finished = false;
    intake.Add({});
    EXPECT_FALSE(finished);
    ASSERT_TRUE(WaitFor([&] { return finished; }, 1000));
    EXPECT_TRUE(notSupported.isEmpty());
}

TEST_F(ProbeMany, CancelStopsTheRunsAndHandsOnNothingMore) {
    QTemporaryDir bin;
    const QString encoder = StandIn(bin, "sleep 600");
    ProbeQueue queue;
    queue.SetEncoder(encoder, bin.path());
    queue.SetRuns(2);
    Recorder rec(queue);
    QStringList paths;
    for (int i = 0; i < 1000; ++i) paths << QString("/m/file %1.mp4").arg(i);
    queue.Add(paths);
    ASSERT_TRUE(WaitFor([&] { return Lines(bin.path() + "/pids.txt").size() == 2; }, 10000));
    queue.Cancel();
    EXPECT_FALSE(queue.Busy());
    for (const QString& pid : Lines(bin.path() + "/pids.txt"))
        EXPECT_TRUE(WaitFor([&] { return !IsAlive(pid.toInt()); }, 5000)) << pid.toStdString();
    Pump(200);
    EXPECT_TRUE(rec.answers.empty());
    EXPECT_EQ(rec.idles, 0);

    // The queue takes new files afterwards.
    queue.SetEncoder(kEncoder, kProgramDir);
    queue.Add({P("a.mp4")});
    ASSERT_TRUE(WaitFor([&] { return rec.idles > 0; }, 30000));
    ASSERT_EQ(rec.answers.size(), 1u);
    EXPECT_TRUE(rec.answers[0].ok);
}

}  // namespace
