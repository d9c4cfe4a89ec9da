#include "jobs/BatchRunner.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QTimer>
#include <algorithm>
#include <optional>

#include "core/failurereason.h"
#include "core/nativepath.h"
#include "core/numeric.h"
#include "core/progress.h"
#include "core/rates.h"
#include "jobs/ConversionSession.h"
#include "jobs/EncoderRunner.h"
#include "jobs/EncoderServer.h"
#include "jobs/JobList.h"

namespace vc {

namespace {
// Size in bytes of a file named by its bytes; -1 when there is none.
int64_t FileSize(const std::string& path) {
    struct stat sb {};
    return ::stat(path.c_str(), &sb) == 0 ? static_cast<int64_t>(sb.st_size) : -1;
}

// The file as the disk names it: names that are not UTF-8 keep their bytes.
std::string OutputPath(const BatchRunner::Run& run) {
    return PathBytesFromText(run.invocation.outputFile);
}

// The run's output size as the row shows it, from the size in bytes (-1: no file yet).
void SetOutputSize(BatchRunner::Run& run, int64_t size) {
    run.outputKb = size >= 0 ? size / 1024 : 1;
}
}  // namespace

BatchRunner::BatchRunner(JobList* jobs, ConversionSession* session, QObject* parent)
    : QObject(parent),
      jobs_(jobs),
      session_(session),
      server_(new EncoderServer(this)),
      makeRunner_([] { return std::make_unique<EncoderRunner>(); }),
      explain_([](const QStringList& log, int exitCode) {
          std::vector<std::string> lines;
          for (const QString& l : log) lines.push_back(l.toStdString());
          return QString::fromStdString(ExplainEncoderFailure(lines, exitCode));
      }),
      clock_(new QTimer(this)) {
    clock_->setObjectName("Convert_used");
    clock_->setInterval(kTickMs);
    connect(clock_, &QTimer::timeout, this, &BatchRunner::Tick);
}

BatchRunner::~BatchRunner() {
    for (const auto& run : runs_) {
        if (!run->runner) continue;
        run->runner->disconnect(this);
        run->runner->Terminate();
    }
}

const BatchRunner::Run& BatchRunner::Current() const {
    static const Run kNone;
    if (!runs_.empty()) return *runs_.back();
    return last_ ? *last_ : kNone;
}

BatchRunner::Run* BatchRunner::Find(const EncoderRunner* runner) const {
    for (const auto& run : runs_)
        if (run->runner.get() == runner) return run.get();
    return nullptr;
}

std::vector<int> BatchRunner::RunningRows() const {
    std::vector<int> rows;
    for (const auto& run : runs_) rows.push_back(run->row);
    return rows;
}

const BatchRunner::Run* BatchRunner::RunningAt(int row) const {
    for (const auto& run : runs_)
        if (run->row == row) return run.get();
    return nullptr;
}

QStringList BatchRunner::RunningOutputs() const {
    QStringList outputs;
    for (const auto& run : runs_) outputs << QString::fromStdString(run->invocation.outputFile);
    return outputs;
}

void BatchRunner::SetState(State s) {
    if (state_ == s) return;
    state_ = s;
    emit stateChanged(s);
}

bool BatchRunner::Start() {
    if (state_ != State::Idle) return false;
    const int first = jobs_->NextChecked(0);
    if (first < 0) return false;
    cursor_ = first;
    concurrency_ = std::max(1, session_->JobsAtOnce());
    finished_ = failed_ = 0;
    batchElapsed_ = 0;
    doneWork_ = doneSource_ = 0;
    writtenBytes_ = 0;
    failures_.clear();
    last_.reset();
    // Sound-only jobs are short enough that loading the libraries is much of their cost. The
    // first jobs may start before the server listens: they convert on their own.
    if (session_->SoundOnlyOutput())
        server_->Start(QString::fromStdString(session_->EncoderPath()));
    SetState(State::Running);
    StartJobs();
    return true;
}

void BatchRunner::StartJobs() {
    // A message box about a job that cannot start runs events, and a run that ends there
    // comes back here: the loop below fills its place.
    if (starting_) return;
    starting_ = true;
    // Unchecked rows are skipped in a loop rather than by recursion, so a long list of
    // unchecked rows cannot exhaust the stack.
    while (Converting() && RunningCount() < concurrency_) {
        const int row = jobs_->NextChecked(cursor_);
        if (row < 0) break;
        cursor_ = row + 1;
        jobs_->SetOutputSize(row, QString());  // the row shows its estimate again
        InvocationResult r = session_->BuildJobInvocation(*jobs_->At(row));
        if (!r.ok()) {
            CannotStart(row, QString::fromStdString(r.error));
            continue;
        }
        const std::string& out = r.rec.outputFile;
        const std::string folder = out.substr(0, out.rfind('/') + 1);
        outputDirectory_ = QString::fromStdString(folder);
        // The folder in force becomes the one saved as soon as a job goes to it.
        session_->SetOutputDirectory(folder);
        // The encoder starts in the background; a start that fails comes back as
        // OnStartFailed, from the event loop.
        LaunchEncoder(row, r.rec);
        emit jobStarted(row);
    }
    starting_ = false;
    if (Converting() && runs_.empty()) EndBatch(true);
}

void BatchRunner::LaunchEncoder(int row, const intputrec& r) {
    auto run = std::make_unique<Run>();
    run->row = row;
    run->invocation = r;
    run->outputKb = 1;
    run->runner = makeRunner_();
    EncoderRunner* runner = run->runner.get();
    runs_.push_back(std::move(run));
    connect(runner, &EncoderRunner::lineRead, this, [this, runner](const QString& line) {
        if (Run* found = Find(runner)) OnLine(found, line);
    });
    connect(
        runner, &EncoderRunner::finished, this,
        [this, runner](int exitCode) {
            if (Run* found = Find(runner)) OnRunEnded(found, exitCode);
        },
        Qt::QueuedConnection);
    connect(
        runner, &EncoderRunner::startFailed, this,
        [this, runner](const QString& error) {
            if (Run* found = Find(runner)) OnStartFailed(found, error);
        },
        Qt::QueuedConnection);
    runner->SetLowPriority(session_->LowPriority());
    runner->SetServer(server_->SocketPath());
    runner->Start(QString::fromStdString(JoinCommandLine(r)),
                  QString::fromStdString(r.workingDirectory));
    if (state_ == State::Paused) {
        // Takes the place of a job that ended as the batch was paused: it waits as well.
        runner->Suspend();
        return;
    }
    // A job alone starts the clock afresh, so its first second is a whole one; the others
    // join the running clock.
    if (runs_.size() == 1 || !clock_->isActive()) clock_->start();
}

void BatchRunner::CannotStart(int row, const QString& error) {
    Fail(row, error);
    emit cannotStart(row, error);
    emit jobEnded(row, Outcome::Failed, error);
}

void BatchRunner::Retire(Run* run) {
    for (auto it = runs_.begin(); it != runs_.end(); ++it) {
        if (it->get() != run) continue;
        if (run->runner) run->runner.release()->deleteLater();
        last_ = std::move(*it);
        runs_.erase(it);
        break;
    }
    if (runs_.empty()) clock_->stop();
}

void BatchRunner::Continue() {
    if (!Converting()) return;
    // A job that ended as the only one while paused resumes the batch with the next.
    if (runs_.empty()) SetState(State::Running);
    StartJobs();
}

void BatchRunner::OnStartFailed(Run* run, const QString& error) {
    const int row = run->row;
    const bool stopped = run->stopRequested;
    Retire(run);
    if (stopped) {
        // Stopped before it ever ran: the row already says so.
        emit jobEnded(row, Outcome::Stopped, QString());
        if (runs_.empty() && state_ == State::Stopping) EndBatch(false);
        return;
    }
    CannotStart(row, error.isEmpty() ? tr("The encoder cannot be started.") : error);
    Continue();
}

void BatchRunner::AppendLog(Run& run, const QString& line, bool progress) {
    if (line.isEmpty()) return;
    QStringList& log = run.log;
    // A line is delivered in part first, then whole: the whole one replaces its beginning,
    // and a progress line takes its beginning out of the log again.
    const bool continues = !log.isEmpty() && !log.last().isEmpty() && line.startsWith(log.last());
    if (progress) {
        if (continues) log.removeLast();
        return;
    }
    if (continues)
        log.last() = line;
    else
        log.append(line);
    // The newest lines are kept: a failure's reason comes at the end of a run.
    while (log.size() > kLogLines) log.removeFirst();
}

void BatchRunner::OnLine(Run* run, const QString& line) {
    const std::string text = line.toStdString();
    AppendLog(*run, line, IsProgressLine(text));
    const int64_t t = ParseProgressSeconds(text);
    if (t == 0) return;
    // A job of unknown length shows how far its output has come instead of a percentage.
    const std::optional<int> value = JobProgressValue(t, run->invocation.lengthSeconds);
    if (value) run->progress = *value;
    run->statusLine = line;
    if (Converting())
        jobs_->SetStatus(run->row, QString::fromStdString(value ? ProgressPercentText(*value)
                                                                : OutputTimeText(t)));
    emit progressed(run->row, run->progress);
}

void BatchRunner::Tick() {
    // A paused run takes no time: the remaining time does not grow while paused.
    if (state_ != State::Running || runs_.empty()) return;
    ++batchElapsed_;
    for (const auto& run : runs_) {
        ++run->elapsed;
        const double speed = static_cast<double>(run->progress) / run->elapsed;
        if (speed > 0)
            run->remaining = static_cast<int>(RoundHalfEven((10000 - run->progress) / speed));
        SetOutputSize(*run, FileSize(OutputPath(*run)));
    }
    emit ticked();
}

int BatchRunner::WaitingCount() const {
    if (!Converting()) return 0;
    int n = 0;
    for (int r = jobs_->NextChecked(cursor_); r >= 0; r = jobs_->NextChecked(r + 1)) ++n;
    return n;
}

int BatchRunner::BatchProgress() const {
    const int total = JobsInBatch();
    if (total == 0) return 0;
    int64_t sum = static_cast<int64_t>(DoneCount()) * 10000;
    for (const auto& run : runs_) sum += run->progress;
    return static_cast<int>(sum / total);
}

int BatchRunner::RunningRemainingSeconds() const {
    int longest = 0;
    for (const auto& run : runs_) longest = std::max(longest, run->remaining);
    return longest;
}

int64_t BatchRunner::RunningKilobytes() const {
    int64_t kb = 0;
    for (const auto& run : runs_) kb += run->outputKb;
    return kb;
}

int BatchRunner::BatchRemainingSeconds() const {
    if (!Converting()) return Current().remaining;
    // Seconds of work per second of source, as the running jobs go; side by side, jobs start
    // and end often, so the finished ones count as well.
    const bool sideBySide = concurrency_ > 1;
    double work = sideBySide ? doneWork_ : 0, source = sideBySide ? doneSource_ : 0;
    for (const auto& run : runs_) {
        if (run->progress > 0 && run->invocation.lengthSeconds > 0) {
            work += run->elapsed;
            source += run->progress / 10000.0 * run->invocation.lengthSeconds;
        }
    }
    const double perSourceSecond = source > 0 ? work / source : 0;
    double running = 0;
    int longest = 0;
    for (const auto& run : runs_) {
        double left = run->remaining;
        // A job that has said nothing yet goes at the pace of the others.
        if (sideBySide && run->progress <= 0)
            left = std::max(0.0, perSourceSecond * run->invocation.lengthSeconds - run->elapsed);
        running += left;
        longest = std::max(longest, static_cast<int>(RoundHalfEven(left)));
    }
    if (source <= 0) return longest;
    double rest = running;
    for (int r = jobs_->NextChecked(cursor_); r >= 0; r = jobs_->NextChecked(r + 1))
        if (const Job* j = jobs_->At(r)) rest += perSourceSecond * (j->trim.end - j->trim.begin);
    // The jobs share the slots; the longest running one cannot end sooner than it does.
    return std::max(longest, static_cast<int>(RoundHalfEven(rest / concurrency_)));
}

void BatchRunner::OnRunEnded(Run* run, int exitCode) {
    const int row = run->row;
    jobs_->SetLog(row, run->log);
    const std::string output = OutputPath(*run);
    const int64_t size = FileSize(output);
    SetOutputSize(*run, size);
    run->statusLine.clear();  // no encoder line between runs
    if (run->stopRequested) {
        // An incomplete output is worth nothing and would look like a result.
        ::unlink(output.c_str());
        Retire(run);
        emit jobEnded(row, Outcome::Stopped, QString());
        if (runs_.empty() && state_ == State::Stopping) EndBatch(false);
        return;
    }
    QString reason;
    if (exitCode != 0) {
        reason = explain_(run->log, exitCode);
        if (reason.isEmpty()) reason = tr("the encoder ended with code %1").arg(exitCode);
    } else {
        if (size < 0)
            reason = tr("the output file was not written");
        else if (size == 0)
            reason = tr("the output file is empty");
    }
    const int finishedElapsed = run->elapsed;
    const int64_t finishedLength = run->invocation.lengthSeconds;
    Retire(run);
    if (reason.isEmpty()) {
        ++finished_;
        if (finishedLength > 0) {
            doneWork_ += finishedElapsed;
            doneSource_ += finishedLength;
        }
        writtenBytes_ += size;
        jobs_->SetOutputSize(row, QString::fromStdString(FormatFileSize(size)));
        jobs_->SetStatus(row, QStringLiteral("Finish"));
        emit jobEnded(row, Outcome::Finished, QString());
    } else {
        // A failed run's file is incomplete or empty: no result to keep.
        ::unlink(output.c_str());
        Fail(row, reason);
        emit jobEnded(row, Outcome::Failed, reason);
    }
    Continue();
}

void BatchRunner::EndBatch(bool ranToEnd) {
    clock_->stop();
    server_->Stop();
    SetState(State::Idle);
    emit batchEnded(ranToEnd);
}

void BatchRunner::Stop() {
    if (!Converting()) return;
    clock_->stop();
    if (runs_.empty()) {
        EndBatch(false);
        return;
    }
    for (const auto& run : runs_) jobs_->SetStatus(run->row, QStringLiteral("Stop"));
    SetState(State::Stopping);
    // Each run's end comes back from the event loop, so the list stays as it is here.
    for (const auto& run : runs_) {
        run->stopRequested = true;
        run->runner->Terminate();
        // At once as well: the program may be ending and never hear of the run's end.
        ::unlink(OutputPath(*run).c_str());
    }
}

void BatchRunner::TogglePause() {
    if (!Converting() || runs_.empty()) return;
    if (state_ == State::Running) {
        for (const auto& run : runs_) run->runner->Suspend();
        clock_->stop();
        SetState(State::Paused);
    } else {
        for (const auto& run : runs_) run->runner->Resume();
        clock_->start();
        SetState(State::Running);
    }
}

void BatchRunner::Fail(int row, const QString& reason) {
    ++failed_;
    const Job* j = jobs_->At(row);
    failures_.push_back({j ? j->caption : QString(), reason});
    jobs_->SetStatus(row, QStringLiteral("Error"), reason);
}

}  // namespace vc
