#pragma once
// The batch: every checked job of the list in turn through the encoder. It keeps its own
// current row, an explicit state, the outcome of every run, a bounded log of each run's
// encoder output and the clock of the running job. It knows no widgets: the window shows what
// it reports.
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
    // The clock of a running job ticks once a second.
    static constexpr int kTickMs = 1000;

    // Makes the runner of one run; tests hand in a fake.
    using RunnerFactory = std::function<std::unique_ptr<EncoderRunner>()>;
    // Turns a failed run's log and exit code into a readable reason.
    using Explainer = std::function<QString(const QStringList& log, int exitCode)>;

    // Each job runs with the session's choices as they are when the job starts.
    BatchRunner(JobList* jobs, ConversionSession* session, QObject* parent = nullptr);
    ~BatchRunner() override;

    void SetRunnerFactory(RunnerFactory make) { makeRunner_ = std::move(make); }
    void SetExplainer(Explainer explain) { explain_ = std::move(explain); }

    // Starts with the first checked row; false (nothing started) when no row is checked.
    bool Start();
    // Ends the batch: the running encoder is terminated, its row reads "Stop" and its
    // incomplete output is removed.
    void Stop();
    // Suspends or resumes the running encoder.
    void TogglePause();
    // One second of the running job: elapsed and remaining time, output size; ticked()
    // follows. Nothing while no job runs or the batch is paused. The clock calls it.
    void Tick();
    // The once-a-second clock (Convert_used): runs while a job runs, rests while paused.
    QTimer* Clock() const { return clock_; }

    State state() const { return state_; }
    // A batch is under way (running or paused).
    bool Converting() const { return state_ == State::Running || state_ == State::Paused; }
    // The current run's encoder is not suspended.
    bool EncoderRunning() const { return state_ == State::Running && runner_ != nullptr; }
    int CurrentRow() const { return row_; }
    const intputrec& Invocation() const { return invocation_; }
    EncoderRunner* Runner() const { return runner_.get(); }

    // Figures of the current job, all from zero at each job's start.
    int Progress() const { return progress_; }
    bool ProgressKnown() const { return invocation_.lengthSeconds > 0; }
    int ElapsedSeconds() const { return elapsed_; }
    int RemainingSeconds() const { return remaining_; }
    // Seconds left for the rest of the batch: this job's remaining time plus an estimate of
    // the checked jobs after it at the speed of this one.
    int BatchRemainingSeconds() const;
    int64_t OutputKilobytes() const { return outputKb_; }
    QString StatusLine() const { return statusLine_; }

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
    // A progress line of the current job (value 0..10000).
    void progressed(int row, int value);
    // A second of the running job has passed: the figures are new.
    void ticked();
    void jobEnded(int row, vc::BatchRunner::Outcome outcome, const QString& reason);
    // A job that could not start: shown once by the window, then the batch goes on.
    void cannotStart(int row, const QString& error);
    // The batch is over: ranToEnd is false after Stop.
    void batchEnded(bool ranToEnd);

  private:
    void SetState(State s);
    // Starts the first checked row at or after row_, or ends the batch.
    void StartJob();
    void LaunchEncoder(const intputrec& r);
    void OnLine(const QString& line);
    void OnRunEnded(int exitCode);
    // The encoder of the current job could not be started.
    void OnStartFailed(const QString& error);
    // The row cannot run: it is marked, the window says why once, the batch goes on.
    void CannotStart(int row, const QString& error);
    void EndBatch(bool ranToEnd);
    void ResetFigures();
    void ReadOutputSize();
    std::string OutputPath() const;
    void AppendLog(const QString& line, bool progress);
    void Fail(int row, const QString& reason);

    JobList* jobs_;
    ConversionSession* session_;
    RunnerFactory makeRunner_;
    Explainer explain_;
    std::unique_ptr<EncoderRunner> runner_;
    QTimer* clock_;
    State state_ = State::Idle;
    int row_ = -1;
    intputrec invocation_;
    int progress_ = 0;
    int elapsed_ = 0;
    int remaining_ = 0;
    int64_t outputKb_ = 0;
    QString statusLine_;
    QStringList currentLog_;
    QString partialLine_;
    int finished_ = 0;
    int failed_ = 0;
    int64_t writtenBytes_ = 0;
    std::vector<Failure> failures_;
    QString outputDirectory_;
    // Stop asked: the run that ends next is the stopped one.
    bool stopRequested_ = false;
};

}  // namespace vc
