// The batch without windows: fake encoder runs whose lines and ends the tests decide.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Tfm_main.h"
#include "core/appsettings.h"
#include "jobs/BatchRunner.h"
#include "jobs/ConversionSession.h"
#include "jobs/JobList.h"
#include "jobs/JobListStore.h"
#include "support/clips.h"
#include "support/fake_runner.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

class Batch : public ::testing::Test {
  protected:
    void SetUp() override {
        // The session's profile file is the build's; its remembered choices stay in here.
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        session.SetProgramDirectory(std::string(VC_PROGRAM_DIR) + "/");
        session.SelectProfile(kMp3Profile);
        session.SetOutputFolderText(dir.path() + "/");
        // One job at a time here, whatever the machine; side by side has its own tests.
        session.SetSimultaneousConversions(1);
        batch.SetRunnerFactory(FakeRunners());
        QObject::connect(&batch, &BatchRunner::batchEnded, [this](bool toEnd) {
            ++ends;
            ranToEnd = toEnd;
        });
    }
    void AddRows(std::initializer_list<bool> checks) {
        for (bool c : checks) {
            Job j;
            j.caption = QString("job%1").arg(jobs.Count());
            j.info = TenSecondClip(dir.filePath(j.caption + ".wav").toStdString());
            j.info.durationText = "00:01:40";
            j.checked = c;
            j.trim = {100, 0, 100};
            jobs.Append(j);
        }
    }
    // Where the session sends a row's output.
    QString Output(int row) const { return dir.path() + QString("/job%1.mp3").arg(row); }
    // Ends the running fake: 0 with an output written, or a failure code.
    void End(int code, const QString& lastLine = QString()) {
        FakeEncoderRunner* f = CurrentFake();
        ASSERT_NE(f, nullptr);
        if (!lastLine.isEmpty()) f->Print(lastLine);
        if (code == 0) {
            QFile out(QString::fromStdString(batch.Invocation().outputFile));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(QByteArray(3000, 'x'));
        }
        f->Finish(code);
        Pump();
    }
    QStringList Statuses() const {
        QStringList s;
        for (int i = 0; i < jobs.Count(); ++i) s << jobs.Text(i, JobList::StatusColumn);
        return s;
    }

    static constexpr int kMp3Profile = 17;
    QTemporaryDir dir;
    JobList jobs;
    ConversionSession session;
    BatchRunner batch{&jobs, &session};
    int ends = 0;
    bool ranToEnd = false;
};

TEST_F(Batch, RunOutcomesGiveRowStatusesAndTheFinishAction) {
    struct Case {
        const char* name;
        std::initializer_list<bool> checks;
        std::vector<int> codes;  // one per run, in order
        QStringList statuses;
        int finished, failed;
    } cases[] = {
        {"all finish", {true, true}, {0, 0}, {"Finish", "Finish"}, 2, 0},
        {"unchecked rows are skipped",
         {false, true, false},
         {0},
         {"Status", "Finish", "Status"},
         1,
         0},
        {"a failure goes on", {true, true, true}, {0, 1, 0}, {"Finish", "Error", "Finish"}, 2, 1},
        {"a crash is a failure", {true}, {139}, {"Error"}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        jobs.Clear();
        ends = 0;
        AddRows(c.checks);
        ASSERT_TRUE(batch.Start());
        for (int code : c.codes) End(code, "Output file #0 does not contain any stream");
        EXPECT_EQ(Statuses(), c.statuses);
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(ranToEnd) << "the finish action runs after a batch that ran to its end";
        EXPECT_EQ(batch.FinishedCount(), c.finished);
        EXPECT_EQ(batch.FailedCount(), c.failed);
        EXPECT_EQ(batch.state(), BatchRunner::State::Idle);
    }
}

TEST_F(Batch, AFailedRunKeepsItsReasonAndLog) {
    AddRows({true});
    batch.SetExplainer([](const QStringList& log, int code) {
        return QString("%1 lines, code %2").arg(log.size()).arg(code);
    });
    ASSERT_TRUE(batch.Start());
    CurrentFake()->Print("Input #0, wav");
    CurrentFake()->Print("size=  1kB time=12.00 bitrate= 1.0kbits/s");
    End(1, "Conversion failed!");
    const Job* j = jobs.At(0);
    EXPECT_EQ(j->status, "Error");
    EXPECT_EQ(j->hint, "2 lines, code 1") << "progress lines are not kept in the log";
    EXPECT_EQ(j->log, QStringList({"Input #0, wav", "Conversion failed!"}));
    ASSERT_EQ(batch.Failures().size(), 1u);
    EXPECT_EQ(batch.Failures()[0].caption, "job0");
}

TEST_F(Batch, ALineDeliveredInPartsIsLoggedOnce) {
    AddRows({true});
    batch.SetExplainer(
        [](const QStringList& log, int) { return log.isEmpty() ? QString() : log.last(); });
    ASSERT_TRUE(batch.Start());
    for (const char* part :
         {"Error wri", "Error writing trailer", "Error writing trailer: No space"})
        CurrentFake()->Print(part);
    End(1);
    EXPECT_EQ(jobs.At(0)->log, QStringList({"Error writing trailer: No space"}));
    EXPECT_EQ(jobs.At(0)->hint, "Error writing trailer: No space");
}

TEST_F(Batch, StopMarksTheRowRemovesItsOutputAndRunsNoFinishAction) {
    AddRows({true, true, true});
    ASSERT_TRUE(batch.Start());
    End(0);
    ASSERT_EQ(batch.CurrentRow(), 1);
    QFile partial(Output(1));
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write("half");
    partial.close();
    batch.Stop();
    EXPECT_FALSE(batch.Converting());
    EXPECT_EQ(batch.state(), BatchRunner::State::Stopping);
    Pump();
    EXPECT_EQ(batch.state(), BatchRunner::State::Idle);
    EXPECT_EQ(Statuses(), QStringList({"Finish", "Stop", "Status"}));
    EXPECT_FALSE(ranToEnd);
    EXPECT_TRUE(QFile::exists(Output(0))) << "a finished output is never removed";
    EXPECT_FALSE(QFile::exists(Output(1))) << "a stopped job leaves no half file";
}

TEST_F(Batch, PausedRunsTakeNoTimeAndFiguresStartFromZeroPerJob) {
    AddRows({true, true});
    ASSERT_TRUE(batch.Start());
    CurrentFake()->Print("frame= 1 time=50.00 bitrate= 1.0kbits/s");
    EXPECT_EQ(batch.Progress(), 5000);
    EXPECT_EQ(jobs.At(0)->status, "50.00%");
    batch.Tick();
    batch.Tick();
    EXPECT_EQ(batch.ElapsedSeconds(), 2);
    EXPECT_EQ(batch.RemainingSeconds(), 2);
    EXPECT_EQ(batch.BatchRemainingSeconds(), 6) << "this job's 2 s and 4 s for the next job";
    batch.TogglePause();
    EXPECT_EQ(batch.state(), BatchRunner::State::Paused);
    EXPECT_TRUE(CurrentFake()->suspended);
    batch.Tick();
    EXPECT_EQ(batch.ElapsedSeconds(), 2);
    EXPECT_EQ(batch.RemainingSeconds(), 2) << "the remaining time does not grow while paused";
    batch.TogglePause();
    EXPECT_FALSE(CurrentFake()->suspended);
    End(0);
    EXPECT_EQ(batch.CurrentRow(), 1);
    EXPECT_EQ(batch.Progress(), 0);
    EXPECT_EQ(batch.ElapsedSeconds(), 0);
    EXPECT_EQ(batch.RemainingSeconds(), 0);
    EXPECT_EQ(batch.OutputKilobytes(), 1) << "no file of this job yet";
    End(0);
    EXPECT_EQ(batch.OutputKilobytes(), 2) << "the finished file's real size";
}

TEST_F(Batch, AJobThatCannotStartIsMarkedOnceAndTheBatchGoesOn) {
    AddRows({true, true});
    QStringList shown;
    QObject::connect(&batch, &BatchRunner::cannotStart,
                     [&](int row, const QString& e) { shown << QString("%1 %2").arg(row).arg(e); });
    FakeEncoderRunner::FailNextStarts() = "no encoder";
    ASSERT_TRUE(batch.Start());
    // The failures come back from the event loop, one job after the other.
    const bool ended = WaitFor([&] { return ends > 0; }, 10000);
    FakeEncoderRunner::FailNextStarts().clear();
    ASSERT_TRUE(ended);
    EXPECT_EQ(Statuses(), QStringList({"Error", "Error"}));
    EXPECT_EQ(shown, QStringList({"0 no encoder", "1 no encoder"}));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(batch.state(), BatchRunner::State::Idle);
}

TEST_F(Batch, ASuccessWithoutAnOutputOrWithAnEmptyOneIsAFailure) {
    struct Case {
        const char* what;
        int bytes;  // written as the output; -1: none
        const char* reason;
    } cases[] = {
        {"no output file", -1, "the output file was not written"},
        {"an empty output file", 0, "the output file is empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        jobs.Clear();
        AddRows({true});
        ASSERT_TRUE(batch.Start());
        if (c.bytes >= 0) {
            QFile out(Output(0));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(QByteArray(c.bytes, 'x'));
        }
        CurrentFake()->Finish(0);  // the encoder claims success
        Pump();
        EXPECT_EQ(jobs.At(0)->status, "Error");
        EXPECT_EQ(jobs.At(0)->hint, c.reason);
        EXPECT_EQ(batch.FinishedCount(), 0);
        EXPECT_EQ(batch.FailedCount(), 1);
        EXPECT_FALSE(QFile::exists(Output(0))) << "no empty file is left to look like a result";
    }
}

TEST_F(Batch, AReasonAfterMoreLinesThanTheLogKeepsIsReported) {
    AddRows({true});
    ASSERT_TRUE(batch.Start());
    // More warnings than the log keeps, then the line that says why the run failed.
    const int warnings = BatchRunner::kLogLines + 50;
    auto warning = [](int i) { return QString("[mp4 @ 0x55d0c1e0] warning %1").arg(i, 4); };
    for (int i = 1; i <= warnings; ++i) CurrentFake()->Print(warning(i));
    End(1, "Error writing trailer of out.mp4: No space left on device");
    const Job* j = jobs.At(0);
    EXPECT_EQ(j->hint, "the disk is full");
    ASSERT_EQ(j->log.size(), BatchRunner::kLogLines);
    EXPECT_EQ(j->log.first(), warning(warnings + 2 - BatchRunner::kLogLines))
        << "the newest lines are kept";
    EXPECT_EQ(j->log.last(), "Error writing trailer of out.mp4: No space left on device");
}

TEST_F(Batch, TheBatchCountsItsOwnTimeWithoutADisplay) {
    AddRows({true, true});
    int ticks = 0;
    QObject::connect(&batch, &BatchRunner::ticked, [&] { ++ticks; });
    ASSERT_TRUE(batch.Start());
    EXPECT_TRUE(batch.Clock()->isActive());
    CurrentFake()->Print("size=  1kB time=20.00 bitrate= 1.0kbits/s");  // 20 % of 100 s
    ASSERT_TRUE(WaitFor([&] { return ticks >= 2; }, 60000)) << "the clock ticks by itself";
    EXPECT_EQ(batch.ElapsedSeconds(), ticks);
    EXPECT_EQ(batch.RemainingSeconds(), 4 * ticks) << "80 % to go at 20 % per elapsed time";
    EXPECT_EQ(batch.OutputKilobytes(), 1) << "no output file yet";
    batch.TogglePause();
    EXPECT_FALSE(batch.Clock()->isActive()) << "a paused job takes no time";
    batch.TogglePause();
    EXPECT_TRUE(batch.Clock()->isActive());
    End(0);
    EXPECT_EQ(batch.CurrentRow(), 1);
    EXPECT_TRUE(batch.Clock()->isActive()) << "the next job's clock runs";
    EXPECT_EQ(batch.ElapsedSeconds(), 0);
    batch.Stop();
    Pump();
    EXPECT_FALSE(batch.Clock()->isActive()) << "no job runs after the batch";
}

TEST_F(Batch, RowsAddedDuringARunDoNotMoveTheBatch) {
    // A file added while the batch runs (a probe lets other commands run) is appended; the
    // batch's row stays where it is and the new row is converted in its turn.
    AddRows({true, true});
    ASSERT_TRUE(batch.Start());
    AddRows({true});
    EXPECT_EQ(batch.CurrentRow(), 0);
    End(0);
    EXPECT_EQ(batch.CurrentRow(), 1);
    End(0);
    End(0);
    EXPECT_EQ(Statuses(), QStringList({"Finish", "Finish", "Finish"}));
}

TEST_F(Batch, NothingCheckedStartsNothing) {
    AddRows({false, false});
    EXPECT_FALSE(batch.Start());
    EXPECT_EQ(batch.state(), BatchRunner::State::Idle);
    EXPECT_EQ(ends, 0);
}

// Two jobs at a time: each running row has its own runner, figures, status and log.
class SideBySide : public Batch {
  protected:
    void SetUp() override {
        Batch::SetUp();
        session.SetSimultaneousConversions(2);
    }
    FakeEncoderRunner* Fake(int row) const {
        const BatchRunner::Run* run = batch.RunningAt(row);
        return run ? static_cast<FakeEncoderRunner*>(run->runner.get()) : nullptr;
    }
    static void Write(const QString& file, int bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(bytes, 'x'));
    }
    // Ends a running row's fake: 0 with its output written, or a failure code.
    void EndRow(int row, int code) {
        FakeEncoderRunner* f = Fake(row);
        ASSERT_NE(f, nullptr) << "row " << row << " does not run";
        if (code == 0) Write(Output(row), 3000);
        f->Finish(code);
        Pump();
    }
};

TEST_F(SideBySide, EveryRunningRowHasItsOwnFiguresAndTheFinishActionFollowsTheLast) {
    AddRows({true, true, false, true, true});
    ASSERT_TRUE(batch.Start());
    EXPECT_EQ(batch.Concurrency(), 2);
    EXPECT_EQ(batch.RunningRows(), std::vector<int>({0, 1}));
    EXPECT_TRUE(Fake(0)->LowPriority()) << "the encoders run in the background by default";
    Fake(0)->Print("Input #0, wav, from 'job0.wav'");
    Fake(1)->Print("Input #0, wav, from 'job1.wav'");
    Fake(0)->Print("size= 1kB time=50.00 bitrate= 1.0kbits/s");
    Fake(1)->Print("size= 1kB time=20.00 bitrate= 1.0kbits/s");
    Write(Output(1), 3000);
    batch.Tick();
    batch.Tick();
    EXPECT_EQ(Statuses(), QStringList({"50.00%", "20.00%", "Status", "Status", "Status"}));
    struct Figures {
        int row, progress, elapsed, remaining;
        int64_t kb;
    } expected[] = {{0, 5000, 2, 2, 1}, {1, 2000, 2, 8, 2}};
    for (const Figures& e : expected) {
        const BatchRunner::Run* run = batch.RunningAt(e.row);
        ASSERT_NE(run, nullptr);
        EXPECT_EQ(run->progress, e.progress) << e.row;
        EXPECT_EQ(run->elapsed, e.elapsed) << e.row;
        EXPECT_EQ(run->remaining, e.remaining) << e.row;
        EXPECT_EQ(run->outputKb, e.kb) << e.row;
    }
    EXPECT_EQ(batch.WaitingCount(), 2) << "the unchecked row is not part of the batch";
    EXPECT_EQ(batch.DoneCount(), 0);
    EXPECT_EQ(batch.BatchProgress(), (5000 + 2000) / 4);
    // 10 s of the running jobs, and two waiting jobs of 100 s at 4 s of work per 70 s of
    // source, shared by two at a time.
    EXPECT_EQ(batch.BatchRemainingSeconds(), 11);

    // Row 0 ends: row 3 takes its place from zero, row 1 goes on with its own figures.
    EndRow(0, 0);
    EXPECT_EQ(batch.RunningRows(), std::vector<int>({1, 3}));
    EXPECT_EQ(batch.RunningAt(3)->elapsed, 0);
    EXPECT_EQ(batch.RunningAt(3)->progress, 0);
    EXPECT_EQ(batch.RunningAt(1)->elapsed, 2);
    EXPECT_EQ(batch.RunningAt(1)->progress, 2000);
    // Row 0's 2 s for 100 s and row 1's 2 s for 20 s: 1 s of work per 30 s of source. Row 3
    // and the waiting row 4 need 3.3 s each, row 1 its own 8 s: 14.7 s for two at a time,
    // yet not sooner than row 1.
    EXPECT_EQ(batch.BatchRemainingSeconds(), 8);
    EXPECT_EQ(batch.DoneCount(), 1);
    EXPECT_EQ(batch.WaitingCount(), 1);
    EndRow(1, 1);
    EXPECT_EQ(batch.RunningRows(), std::vector<int>({3, 4}));
    EndRow(4, 0);
    EXPECT_EQ(ends, 0) << "row 3 still runs";
    EXPECT_TRUE(batch.Converting());
    EndRow(3, 0);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(ranToEnd);
    EXPECT_EQ(Statuses(), QStringList({"Finish", "Error", "Status", "Finish", "Finish"}));
    EXPECT_EQ(batch.FinishedCount(), 3);
    EXPECT_EQ(batch.FailedCount(), 1);
    EXPECT_EQ(batch.WrittenBytes(), 3 * 3000);
    EXPECT_EQ(jobs.At(0)->log, QStringList({"Input #0, wav, from 'job0.wav'"}));
    EXPECT_EQ(jobs.At(1)->log, QStringList({"Input #0, wav, from 'job1.wav'"}))
        << "each run keeps its own log";
}

TEST_F(SideBySide, PauseAndStopActOnEveryRunningJob) {
    AddRows({true, true, true, true});
    ASSERT_TRUE(batch.Start());
    EndRow(0, 0);
    ASSERT_EQ(batch.RunningRows(), std::vector<int>({1, 2}));
    batch.Tick();
    batch.TogglePause();
    EXPECT_EQ(batch.state(), BatchRunner::State::Paused);
    EXPECT_TRUE(Fake(1)->suspended && Fake(2)->suspended);
    EXPECT_FALSE(batch.Clock()->isActive());
    batch.Tick();
    EXPECT_EQ(batch.RunningAt(1)->elapsed, 1) << "a paused job takes no time";
    // A job that ends as the batch is paused: the next one starts paused as well.
    EndRow(1, 0);
    EXPECT_EQ(batch.state(), BatchRunner::State::Paused);
    ASSERT_EQ(batch.RunningRows(), std::vector<int>({2, 3}));
    EXPECT_TRUE(Fake(3)->suspended);
    batch.TogglePause();
    EXPECT_EQ(batch.state(), BatchRunner::State::Running);
    EXPECT_FALSE(Fake(2)->suspended || Fake(3)->suspended);
    EXPECT_TRUE(batch.Clock()->isActive());

    Write(Output(2), 100);
    Write(Output(3), 100);
    batch.Stop();
    EXPECT_EQ(batch.state(), BatchRunner::State::Stopping);
    Pump();
    EXPECT_EQ(batch.state(), BatchRunner::State::Idle);
    EXPECT_EQ(Statuses(), QStringList({"Finish", "Finish", "Stop", "Stop"}));
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(ranToEnd) << "no finish action after a stop";
    for (int row : {2, 3}) EXPECT_FALSE(QFile::exists(Output(row))) << "half file of " << row;
    for (int row : {0, 1}) EXPECT_TRUE(QFile::exists(Output(row))) << "finished file " << row;
}

TEST_F(SideBySide, TheKeptListKnowsEveryRunningRow) {
    AddRows({true, true, true});
    session.SetLowPriority(false);
    const QString file = dir.filePath("kept.json");
    JobListKeeper keeper(&jobs, &batch, file);
    ASSERT_TRUE(batch.Start());
    EXPECT_FALSE(Fake(0)->LowPriority());
    EXPECT_FALSE(Fake(1)->LowPriority());
    for (int row : {0, 1}) {
        Fake(row)->Print("size= 1kB time=10.00 bitrate= 1.0kbits/s");
        Write(Output(row), 100);
    }
    ASSERT_TRUE(keeper.SaveNow());
    // As after a crash: the list is restored, every half file goes.
    JobList restored;
    ASSERT_TRUE(JobListStore::Restore(file, restored));
    ASSERT_EQ(restored.Count(), 3);
    EXPECT_EQ(restored.Text(0, JobList::StatusColumn), "Stop");
    EXPECT_EQ(restored.Text(1, JobList::StatusColumn), "Stop");
    EXPECT_EQ(restored.Text(2, JobList::StatusColumn), "Status");
    EXPECT_FALSE(QFile::exists(Output(0)));
    EXPECT_FALSE(QFile::exists(Output(1)));
    batch.Stop();
    Pump();
}

TEST_F(SideBySide, JobsThatCannotStartLeaveTheirPlaceToTheNext) {
    AddRows({true, true, true});
    QStringList shown;
    QObject::connect(&batch, &BatchRunner::cannotStart,
                     [&](int row, const QString&) { shown << QString::number(row); });
    FakeEncoderRunner::FailNextStarts() = "no encoder";
    ASSERT_TRUE(batch.Start());
    const bool ended = WaitFor([&] { return ends > 0; }, 10000);
    FakeEncoderRunner::FailNextStarts().clear();
    ASSERT_TRUE(ended);
    EXPECT_EQ(shown, QStringList({"0", "1", "2"}));
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(ranToEnd);
    EXPECT_EQ(Statuses(), QStringList({"Error", "Error", "Error"}));
}

}  // namespace

namespace {

TEST(BatchWindow, ABatchStartedDuringAProbeKeepsItsRow) {
    QTemporaryDir src;
    const std::string a = MakeWav(src.path().toStdString(), "a.wav", 2);
    const std::string b = MakeWav(src.path().toStdString(), "b.wav", 2);
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.Batch().SetRunnerFactory(FakeRunners());
    w.ed_output->setText(src.path() + "/out/");
    p.fx.fileAnswers.push_back({QString::fromStdString(a)});
    w.AddFiles();
    ASSERT_TRUE(WaitForAdding(w));
    // Convert is clicked while the second file is still being probed.
    w.AddMediaFiles({QString::fromStdString(b)});
    w.StartBatch();
    ASSERT_TRUE(w.Converting());
    ASSERT_EQ(w.Jobs().Count(), 1);
    ASSERT_TRUE(WaitForAdding(w));
    ASSERT_EQ(w.Jobs().Count(), 2);
    ASSERT_TRUE(w.Converting());
    EXPECT_EQ(w.JobIndex(), 0) << "adding the second file did not move the batch";
    QFile out(QString::fromStdString(w.CurrentInvocation().outputFile));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("converted");
    out.close();
    CurrentFake()->Finish(0);
    Pump();
    EXPECT_EQ(w.Jobs().Text(0, JobList::StatusColumn), "Finish");
    EXPECT_EQ(w.JobIndex(), 1);
    w.StopBatch();
    Pump();
    EXPECT_EQ(w.Jobs().Text(1, JobList::StatusColumn), "Stop");
}

// A job's result stays in sight: the row's Output Size becomes the written file's size, the
// progress area keeps a failure's reason until the next job has a line of its own, and after
// the batch its size and its last job's failure, until the next command.
TEST(BatchWindow, AJobsResultStaysUntilTheNextJobOrCommand) {
    QTemporaryDir out;
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.Batch().SetRunnerFactory(FakeRunners());
    w.Batch().SetExplainer(
        [](const QStringList&, int code) { return QString("reason %1").arg(code); });
    w.ed_output->setText(out.path() + "/");
    for (const char* caption : {"first", "second", "third"})
        w.AppendJob(caption, TenSecondClip("/nonexistent/clip.mp4"), TrimRecord{10, 0, 10});
    const QString estimate = w.Jobs().Text(1, JobList::OutputColumn);
    ASSERT_TRUE(estimate.endsWith("MB")) << estimate.toStdString();
    auto hint = [&] { return w.Display().Text("hint"); };
    auto line = [&] { CurrentFake()->Print("size= 10kB time=1.00 bitrate= 80.0kbits/s"); };

    w.StartBatch();
    line();
    CurrentFake()->Finish(3);
    Pump();
    EXPECT_EQ(hint(), "Error: reason 3");
    ASSERT_EQ(w.JobIndex(), 1);
    EXPECT_EQ(hint(), "Error: reason 3") << "the next job has said nothing yet";
    line();
    EXPECT_NE(hint(), "Error: reason 3") << "the next job's own line replaces it";
    QFile written(QString::fromStdString(w.CurrentInvocation().outputFile));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(QByteArray(30000, 'x'));
    written.close();
    CurrentFake()->Finish(0);
    Pump();
    EXPECT_EQ(w.Jobs().Text(1, JobList::StatusColumn), "Finish");
    EXPECT_EQ(w.Jobs().Text(1, JobList::OutputColumn), "0.03MB") << "30,000 bytes written";
    line();
    CurrentFake()->Finish(5);
    Pump();
    ASSERT_FALSE(w.Converting());

    EXPECT_EQ(w.Display().Text("filename"), "1 converted, 2 failed");
    EXPECT_EQ(w.Display().Text("filesize"), "29 KB");
    EXPECT_EQ(hint(), "Error: reason 5") << "the last job's failure stays after the batch";
    EXPECT_EQ(w.Jobs().Text(0, JobList::OutputColumn), estimate)
        << "a failed row keeps its estimate";
    w.SelectProfile(17);
    EXPECT_EQ(w.Jobs().Text(1, JobList::OutputColumn), "0.03MB") << "new estimates leave it";
    EXPECT_NE(w.Jobs().Text(0, JobList::OutputColumn), estimate);
    ASSERT_TRUE(w.RunCommand(Command::JumpBack));
    EXPECT_NE(hint(), "Error: reason 5");
    EXPECT_NE(w.Display().Text("filesize"), "29 KB");

    // Converted again, the row shows its estimate until the new file is written.
    w.Jobs().SetAllChecked(false);
    w.Jobs().SetChecked(1, true);
    w.StartBatch();
    EXPECT_EQ(w.Jobs().Text(1, JobList::OutputColumn), w.Jobs().Text(0, JobList::OutputColumn));
    w.StopBatch();
    Pump();
}

// Nobody watches a hidden window: the end of the batch goes to the desktop, with the folder
// its "Open folder" opens; a batch that wrote nothing offers no folder.
TEST(BatchWindow, TheEndOfABatchIsANotificationWithItsFolder) {
    QTemporaryDir out;
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.Batch().SetRunnerFactory(FakeRunners());
    w.ed_output->setText(out.path() + "/");
    w.AppendJob("clip", TenSecondClip("/nonexistent/clip.mp4"), TrimRecord{10, 0, 10});
    w.hide();
    for (const bool writes : {true, false}) {
        p.fx.messages.clear();
        w.StartBatch();
        if (writes) {
            QFile written(QString::fromStdString(w.CurrentInvocation().outputFile));
            ASSERT_TRUE(written.open(QIODevice::WriteOnly));
            written.write("converted");
        }
        CurrentFake()->Finish(writes ? 0 : 1);
        Pump();
        EXPECT_EQ(
            p.fx.Texts("notify"),
            QStringList{writes ? "Conversion finished: 1 converted, 0 failed | " + out.path() + "/"
                               : QString("Conversion finished: 0 converted, 1 failed")});
    }
}

// Side by side in the window: each row shows its own progress, the progress area the batch;
// Pause holds every job, and the finish action comes after the last.
TEST(BatchWindow, SideBySideRowsShowTheirOwnProgressAndTheAreaTheBatch) {
    QTemporaryDir out;
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.Batch().SetRunnerFactory(FakeRunners());
    w.ed_output->setText(out.path() + "/");
    w.Session().SetSimultaneousConversions(2);
    w.Session().SetFinish(ConversionSession::FinishAction::OpenFolder);
    for (const char* caption : {"first", "second", "third"})
        w.AppendJob(caption, TenSecondClip("/nonexistent/clip.mp4"), TrimRecord{10, 0, 10});
    auto fake = [&](int row) {
        const BatchRunner::Run* run = w.Batch().RunningAt(row);
        return run ? static_cast<FakeEncoderRunner*>(run->runner.get()) : nullptr;
    };
    auto finish = [&](int row) {
        FakeEncoderRunner* f = fake(row);
        ASSERT_NE(f, nullptr) << row;
        QFile written(QString::fromStdString(w.Batch().RunningAt(row)->invocation.outputFile));
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(QByteArray(5000, 'x'));
        written.close();
        f->Finish(0);
        Pump();
    };
    w.StartBatch();
    ASSERT_EQ(w.Batch().RunningRows(), std::vector<int>({0, 1}));
    EXPECT_EQ(w.Display().Text("filename"), "2 running, 0 done, 1 left");
    fake(0)->Print("size= 10kB time=5.00 bitrate= 80.0kbits/s");
    fake(1)->Print("size= 10kB time=2.00 bitrate= 80.0kbits/s");
    EXPECT_EQ(w.Jobs().Text(0, JobList::StatusColumn), "50.00%");
    EXPECT_EQ(w.Jobs().Text(1, JobList::StatusColumn), "20.00%");
    EXPECT_EQ(w.Jobs().Text(2, JobList::StatusColumn), "Status");
    EXPECT_EQ(w.Display().Text("filename"), "2 running, 0 done, 1 left");
    // A second on: row 1 needs 4 s more, and the waiting row shares the time with row 0's.
    w.Batch().Tick();
    EXPECT_EQ(w.Display().Text("usedtime"), "00:00:01");
    EXPECT_EQ(w.Display().Text("resttime"), "00:00:04");
    EXPECT_EQ(w.Display().Text("convertinfo"), "Batch 00:00:04 left");

    w.PauseToggle();
    EXPECT_TRUE(fake(0)->suspended && fake(1)->suspended);
    EXPECT_EQ(w.Pause1->text(), "Continue");
    EXPECT_EQ(w.Display().Text("convertinfo"), "Paused");
    w.PauseToggle();
    EXPECT_FALSE(fake(0)->suspended || fake(1)->suspended);

    finish(0);
    EXPECT_EQ(w.Batch().RunningRows(), std::vector<int>({1, 2}));
    EXPECT_EQ(w.Display().Text("filename"), "2 running, 1 done, 0 left");
    finish(2);
    EXPECT_TRUE(w.Converting());
    EXPECT_TRUE(p.fx.opened.isEmpty()) << "no finish action while a job runs";
    finish(1);
    EXPECT_FALSE(w.Converting());
    EXPECT_EQ(p.fx.opened, QStringList({"folder:" + out.path() + "/"}));
    EXPECT_EQ(w.Display().Text("filename"), "3 converted");
}

}  // namespace

TEST(JobListStatus, APreviewShowsOverTheConversionStatusAndLeavesItAsItWas) {
    struct Case {
        const char* conversion;
        const char* hint;
    } cases[] = {{"Status", ""}, {"Finish", ""}, {"Error", "the disk is full"}, {"Stop", ""}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        JobList jobs;
        Job job;
        job.caption = "clip";
        job.info.sourcePath = "/clips/clip.mp4";
        jobs.Append(job);
        jobs.SetStatus(0, c.conversion, c.hint);
        int changed = 0;
        QObject::connect(&jobs, &JobList::dataChanged, [&] { ++changed; });
        for (const char* state : {"Play", "Pause"}) {
            jobs.SetPreviewStatus(0, state);
            EXPECT_EQ(jobs.Text(0, JobList::StatusColumn), state) << c.conversion;
            EXPECT_EQ(jobs.data(jobs.index(0, 0), Qt::ToolTipRole).toString(), c.hint)
                << c.conversion;
        }
        EXPECT_EQ(changed, 2) << "the list view repaints each state";
        // The list kept on disk during a preview holds what the conversion did.
        const QString file = dir.filePath(QString("%1.json").arg(c.conversion));
        ASSERT_TRUE(JobListStore::Save(file, jobs, QStringList()));
        JobList restored;
        ASSERT_TRUE(JobListStore::Restore(file, restored));
        EXPECT_EQ(restored.Text(0, JobList::StatusColumn), c.conversion);
        jobs.SetPreviewStatus(0, QString());
        EXPECT_EQ(jobs.Text(0, JobList::StatusColumn), c.conversion);
        EXPECT_EQ(changed, 3);
    }
}

// A session that ended without closing left its job list on disk; the next start offers it
// once and restores it once, and a normal close leaves nothing behind.
TEST(KeptJobList, ALeftBehindListIsOfferedOnceAndRestoredOnce) {
    QTemporaryDir config;
    QString file;
    {
        Program crashed("VideoConverter", "", config.path().toStdString());
        crashed.Show();
        file = JobListKeeper::PathBeside(SettingsFilePathFor("VideoConverter"));
        Toriginalinfo info;
        info.sourcePath = "/clips/left.mp4";
        info.durationText = "00:00:10";
        crashed.fm_main->AppendJob("left", info, TrimRecord{10, 0, 10});
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(file); }, 5000));
        // Gone without a close, as after a kill.
    }
    Program again("VideoConverter", "", config.path().toStdString());
    again.fx.yesNoAnswers = {true};
    again.Show();
    EXPECT_EQ(again.fx.Texts("confirm").size(), 1)
        << again.fx.Texts("confirm").join('\n').toStdString();
    ASSERT_EQ(again.fm_main->Jobs().Count(), 1);
    EXPECT_EQ(again.fm_main->Jobs().Text(0, JobList::CaptionColumn), "left");
    ASSERT_TRUE(again.Close());
    EXPECT_FALSE(QFile::exists(file)) << "a normal close leaves no list behind";
}
