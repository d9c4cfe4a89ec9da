#pragma once
// The batch: every checked job of the list through the encoder, one after another or several
// side by side, each run with its own runner, figures and log. It keeps an explicit state, the
// outcome of every run, a bounded log of each run's encoder output and one clock for all
// running jobs. It knows no widgets: the window shows what it reports.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "core/invocation.h"

class QTimer;

namespace vc {

class ConversionSession;
class EncoderRunner;
class EncoderServer;
class JobList;

class BatchRunner : public QObject {
    Q_OBJECT
  public:
    enum class State { Idle, Running, Paused, Stopping };
    enum class Outcome { Finished, Failed, Stopped };
    Q_ENUM(State)
    Q_ENUM(Outcome)

    // Lines kept of each run's output, the newest: enough for the reason of a failure.
    static constexpr int kLogLines = 200;
    // The clock of the running jobs ticks once a second.
    static constexpr int kTickMs = 1000;

    // Makes the runner of one run; tests hand in a fake.
    using RunnerFactory = std::function<std::unique_ptr<EncoderRunner>()>;
    // Turns a failed run's log and exit code into a readable reason.
    using Explainer = std::function<QString(const QStringList& log, int exitCode)>;

    // One job of the batch while it runs, and the last one after it ended. Its figures start
    // from zero with the job.
    struct Run {
        int row = -1;
        std::unique_ptr<EncoderRunner> runner;
        intputrec invocation;
        int progress = 0;  // 0..10000
        int elapsed = 0;
        int remaining = 0;
        int64_t outputKb = 0;
        QString statusLine;  // the encoder's latest progress line
        QStringList log;
        bool stopRequested = false;  // the run that ends next is the stopped one
    };

    // Each job runs with the session's choices as they are when the job starts; how many run
    // at once is the session's choice when the batch starts.
    BatchRunner(JobList* jobs, ConversionSession* session, QObject* parent = nullptr);
    ~BatchRunner() override;

    void SetRunnerFactory(RunnerFactory make) { makeRunner_ = std::move(make); }
    void SetExplainer(Explainer explain) { explain_ = std::move(explain); }

    // Starts with the first checked rows; false (nothing started) when no row is checked.
    bool Start();
    // Ends the batch: every running encoder is terminated, its row reads "Stop" and its
    // incomplete output is removed.
    void Stop();
    // Suspends or resumes every running encoder.
    void TogglePause();
    // One second of the running jobs: elapsed and remaining time, output size; ticked()
    // follows. Nothing while no job runs or the batch is paused. The clock calls it.
    void Tick();
    // The once-a-second clock (Convert_used): runs while jobs run, rests while paused.
    QTimer* Clock() const { return clock_; }

    State state() const { return state_; }
    // A batch is under way (running or paused).
    bool Converting() const { return state_ == State::Running || state_ == State::Paused; }
    // Encoders run and are not suspended.
    bool EncoderRunning() const { return state_ == State::Running && !runs_.empty(); }

    // ---- the current job: the newest running one, or the last that ended. With one job at
    // a time, simply the batch's job.
    int CurrentRow() const { return Current().row; }
    const intputrec& Invocation() const { return Current().invocation; }
    EncoderRunner* Runner() const { return runs_.empty() ? nullptr : runs_.back()->runner.get(); }
    int Progress() const { return Current().progress; }
    bool ProgressKnown() const { return Current().invocation.lengthSeconds > 0; }
    int ElapsedSeconds() const { return Current().elapsed; }
    int RemainingSeconds() const { return Current().remaining; }
    int64_t OutputKilobytes() const { return Current().outputKb; }
    QString StatusLine() const { return Current().statusLine; }

    // ---- every running job
    // How many jobs this batch runs at once (1 when idle).
    int Concurrency() const { return concurrency_; }
    // Several jobs of the batch run side by side: the batch, not one job, is the subject.
    bool SideBySide() const { return concurrency_ > 1 && JobsInBatch() > 1; }
    int RunningCount() const { return static_cast<int>(runs_.size()); }
    // The running rows, in the order they started.
    std::vector<int> RunningRows() const;
    // The run of a running row; null when the row does not run.
    const Run* RunningAt(int row) const;
    // The outputs being written now.
    QStringList RunningOutputs() const;

    // ---- the whole batch
    // Checked rows that wait for their turn.
    int WaitingCount() const;
    // Jobs that ended in this batch, whatever their outcome.
    int DoneCount() const { return finished_ + failed_; }
    // Seconds the batch has run, pauses left out.
    int BatchElapsedSeconds() const { return batchElapsed_; }
    // The batch's progress 0..10000: ended jobs whole, running ones as far as they came.
    int BatchProgress() const;
    // Seconds until the running jobs have ended, as each goes.
    int RunningRemainingSeconds() const;
    // Kilobytes the running jobs have written so far.
    int64_t RunningKilobytes() const;
    // Seconds left for the rest of the batch: the running jobs' remaining time plus an
    // estimate of the waiting jobs at the speed of the running ones, shared among the jobs
    // that run at once.
    int BatchRemainingSeconds() const;

    // Outcomes of the batch so far.
    int FinishedCount() const { return finished_; }
    int FailedCount() const { return failed_; }
    // Bytes of the files the finished jobs of this batch wrote.
    int64_t WrittenBytes() const { return writtenBytes_; }
    struct Failure {
        QString caption;
        QString reason;
    };
    // The jobs that failed in this batch, in order.
    const std::vector<Failure>& Failures() const { return failures_; }
    QString OutputDirectory() const { return outputDirectory_; }

  signals:
    void stateChanged(vc::BatchRunner::State state);
    void jobStarted(int row);
    // A progress line of a running job (value 0..10000).
    void progressed(int row, int value);
    // A second of the running jobs has passed: the figures are new.
    void ticked();
    void jobEnded(int row, vc::BatchRunner::Outcome outcome, const QString& reason);
    // A job that could not start: shown once by the window, then the batch goes on.
    void cannotStart(int row, const QString& error);
    // The batch is over, after its last job: ranToEnd is false after Stop.
    void batchEnded(bool ranToEnd);

  private:
    const Run& Current() const;
    void SetState(State s);
    // Starts checked rows from the cursor on until as many run as may, or ends the batch
    // when none runs.
    void StartJobs();
    void LaunchEncoder(int row, const intputrec& r);
    void OnLine(Run* run, const QString& line);
    void OnRunEnded(Run* run, int exitCode);
    // The encoder of a run could not be started.
    void OnStartFailed(Run* run, const QString& error);
    // Takes an ended run out of the running ones; it stays as the last one.
    void Retire(Run* run);
    // After a run ended: the next ones start, or the batch ends with its last job.
    void Continue();
    // The row cannot run: it is marked, the window says why once, the batch goes on.
    void CannotStart(int row, const QString& error);
    void EndBatch(bool ranToEnd);
    Run* Find(const EncoderRunner* runner) const;
    void AppendLog(Run& run, const QString& line, bool progress);
    void Fail(int row, const QString& reason);
    int JobsInBatch() const { return DoneCount() + RunningCount() + WaitingCount(); }

    JobList* jobs_;
    ConversionSession* session_;
    // Keeps FFmpeg's libraries loaded for a batch of sound-only jobs.
    EncoderServer* server_;
    RunnerFactory makeRunner_;
    Explainer explain_;
    QTimer* clock_;
    State state_ = State::Idle;
    std::vector<std::unique_ptr<Run>> runs_;  // running, oldest first
    std::unique_ptr<Run> last_;               // the run that ended last
    int cursor_ = 0;                          // the next row to look at
    int concurrency_ = 1;
    int batchElapsed_ = 0;
    // Seconds the finished jobs took, and the seconds of source they converted.
    double doneWork_ = 0;
    double doneSource_ = 0;
    bool starting_ = false;  // StartJobs is under way (a message box may run events)
    int finished_ = 0;
    int failed_ = 0;
    int64_t writtenBytes_ = 0;
    std::vector<Failure> failures_;
    QString outputDirectory_;
};

}  // namespace vc
