#include "jobs/BatchRunner.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QTimer>
#include <optional>

#include "core/failurereason.h"
#include "core/nativepath.h"
#include "core/numeric.h"
#include "core/progress.h"
#include "core/rates.h"
#include "jobs/ConversionSession.h"
#include "jobs/EncoderRunner.h"
#include "jobs/JobList.h"

namespace vc {

namespace {
// Size in bytes of a file named by its bytes; -1 when there is none.
int64_t FileSize(const std::string& path) {
    struct stat sb {};
    return ::stat(path.c_str(), &sb) == 0 ? static_cast<int64_t>(sb.st_size) : -1;
}
}  // namespace

BatchRunner::BatchRunner(JobList* jobs, ConversionSession* session, QObject* parent)
    : QObject(parent),
      jobs_(jobs),
      session_(session),
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
    if (runner_) {
        runner_->disconnect(this);
        runner_->Terminate();
    }
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
    row_ = first;
    finished_ = failed_ = 0;
    writtenBytes_ = 0;
    failures_.clear();
    stopRequested_ = false;
    SetState(State::Running);
    StartJob();
    return true;
}

void BatchRunner::StartJob() {
    // Unchecked rows are skipped in a loop rather than by recursion, so a long list of
    // unchecked rows cannot exhaust the stack.
    for (; state_ == State::Running; ++row_) {
        row_ = jobs_->NextChecked(row_);
        if (row_ < 0) break;
        jobs_->SetOutputSize(row_, QString());  // the row shows its estimate again
        InvocationResult r = session_->BuildJobInvocation(*jobs_->At(row_));
        if (!r.ok()) {
            CannotStart(row_, QString::fromStdString(r.error));
            continue;
        }
        invocation_ = r.rec;
        const std::string& out = invocation_.outputFile;
        const std::string folder = out.substr(0, out.rfind('/') + 1);
        outputDirectory_ = QString::fromStdString(folder);
        // The folder in force becomes the one saved as soon as a job goes to it.
        session_->SetOutputDirectory(folder);
        // The encoder starts in the background; a start that fails comes back as
        // OnStartFailed, from the event loop.
        LaunchEncoder(invocation_);
        emit jobStarted(row_);
        return;
    }
    if (state_ == State::Running) EndBatch(true);
}

void BatchRunner::LaunchEncoder(const intputrec& r) {
    ResetFigures();
    runner_ = makeRunner_();
    connect(runner_.get(), &EncoderRunner::lineRead, this, &BatchRunner::OnLine);
    connect(runner_.get(), &EncoderRunner::finished, this, &BatchRunner::OnRunEnded,
            Qt::QueuedConnection);
    connect(runner_.get(), &EncoderRunner::startFailed, this, &BatchRunner::OnStartFailed,
            Qt::QueuedConnection);
    runner_->Start(QString::fromStdString(JoinCommandLine(r)),
                   QString::fromStdString(r.workingDirectory));
    clock_->start();
}

void BatchRunner::CannotStart(int row, const QString& error) {
    Fail(row, error);
    emit cannotStart(row, error);
    emit jobEnded(row, Outcome::Failed, error);
}

void BatchRunner::OnStartFailed(const QString& error) {
    if (runner_) runner_.release()->deleteLater();
    clock_->stop();
    const int row = row_;
    if (stopRequested_) {
        // Stopped before it ever ran: the row already says so.
        stopRequested_ = false;
        emit jobEnded(row, Outcome::Stopped, QString());
        EndBatch(false);
        return;
    }
    CannotStart(row, error.isEmpty() ? tr("The encoder cannot be started.") : error);
    if (state_ != State::Running && state_ != State::Paused) return;
    SetState(State::Running);
    ++row_;
    StartJob();
}

void BatchRunner::ResetFigures() {
    progress_ = 0;
    elapsed_ = 0;
    remaining_ = 0;
    outputKb_ = 1;
    statusLine_.clear();
    currentLog_.clear();
}

void BatchRunner::AppendLog(const QString& line, bool progress) {
    if (line.isEmpty()) return;
    // A line is delivered in part first, then whole: the whole one replaces its beginning,
    // and a progress line takes its beginning out of the log again.
    const bool continues = !currentLog_.isEmpty() && !currentLog_.last().isEmpty() &&
                           line.startsWith(currentLog_.last());
    if (progress) {
        if (continues) currentLog_.removeLast();
        return;
    }
    if (continues)
        currentLog_.last() = line;
    else
        currentLog_.append(line);
    // The newest lines are kept: a failure's reason comes at the end of a run.
    while (currentLog_.size() > kLogLines) currentLog_.removeFirst();
}

void BatchRunner::OnLine(const QString& line) {
    const std::string text = line.toStdString();
    AppendLog(line, IsProgressLine(text));
    const int64_t t = ParseProgressSeconds(text);
    if (t == 0) return;
    // A job of unknown length shows how far its output has come instead of a percentage.
    const std::optional<int> value = JobProgressValue(t, invocation_.lengthSeconds);
    if (value) progress_ = *value;
    statusLine_ = line;
    if (Converting())
        jobs_->SetStatus(
            row_, QString::fromStdString(value ? ProgressPercentText(*value) : OutputTimeText(t)));
    emit progressed(row_, progress_);
}

void BatchRunner::Tick() {
    // A paused run takes no time: the remaining time does not grow while paused.
    if (state_ != State::Running || !runner_) return;
    ++elapsed_;
    const double speed = static_cast<double>(progress_) / elapsed_;
    if (speed > 0) remaining_ = static_cast<int>(RoundHalfEven((10000 - progress_) / speed));
    ReadOutputSize();
    emit ticked();
}

std::string BatchRunner::OutputPath() const {
    // The file as the disk names it: names that are not UTF-8 keep their bytes.
    return PathBytesFromText(invocation_.outputFile);
}

void BatchRunner::ReadOutputSize() {
    const int64_t size = FileSize(OutputPath());
    outputKb_ = size >= 0 ? size / 1024 : 1;
}

int BatchRunner::BatchRemainingSeconds() const {
    if (!Converting() || progress_ <= 0 || invocation_.lengthSeconds <= 0) return remaining_;
    // Seconds of work per second of source, as this job goes.
    const double perSourceSecond =
        static_cast<double>(elapsed_) / (progress_ / 10000.0 * invocation_.lengthSeconds);
    double rest = remaining_;
    for (int r = jobs_->NextChecked(row_ + 1); r >= 0; r = jobs_->NextChecked(r + 1))
        if (const Job* j = jobs_->At(r)) rest += perSourceSecond * (j->trim.end - j->trim.begin);
    return static_cast<int>(RoundHalfEven(rest));
}

void BatchRunner::OnRunEnded(int exitCode) {
    if (runner_) runner_.release()->deleteLater();
    clock_->stop();
    const int row = row_;
    jobs_->SetLog(row, currentLog_);
    ReadOutputSize();
    statusLine_.clear();  // no encoder line between runs
    const std::string output = OutputPath();
    if (stopRequested_) {
        // An incomplete output is worth nothing and would look like a result.
        ::unlink(output.c_str());
        stopRequested_ = false;
        emit jobEnded(row, Outcome::Stopped, QString());
        EndBatch(false);
        return;
    }
    QString reason;
    if (exitCode != 0) {
        reason = explain_(currentLog_, exitCode);
        if (reason.isEmpty()) reason = tr("the encoder ended with code %1").arg(exitCode);
    } else {
        const int64_t size = FileSize(output);
        if (size < 0)
            reason = tr("the output file was not written");
        else if (size == 0)
            reason = tr("the output file is empty");
    }
    if (reason.isEmpty()) {
        ++finished_;
        const int64_t written = FileSize(output);
        writtenBytes_ += written;
        jobs_->SetOutputSize(row, QString::fromStdString(FormatFileSize(written)));
        jobs_->SetStatus(row, QStringLiteral("Finish"));
        emit jobEnded(row, Outcome::Finished, QString());
    } else {
        // A failed run's file is incomplete or empty: no result to keep.
        ::unlink(output.c_str());
        Fail(row, reason);
        emit jobEnded(row, Outcome::Failed, reason);
    }
    if (state_ != State::Running && state_ != State::Paused) return;
    SetState(State::Running);
    ++row_;
    StartJob();
}

void BatchRunner::EndBatch(bool ranToEnd) {
    clock_->stop();
    SetState(State::Idle);
    emit batchEnded(ranToEnd);
}

void BatchRunner::Stop() {
    if (!Converting()) return;
    jobs_->SetStatus(row_, QStringLiteral("Stop"));
    clock_->stop();
    if (runner_) {
        stopRequested_ = true;
        SetState(State::Stopping);
        runner_->Terminate();
        // At once as well: the program may be ending and never hear of the run's end.
        ::unlink(OutputPath().c_str());
    } else {
        EndBatch(false);
    }
}

void BatchRunner::TogglePause() {
    if (!Converting() || !runner_) return;
    if (state_ == State::Running) {
        runner_->Suspend();
        clock_->stop();
        SetState(State::Paused);
    } else {
        runner_->Resume();
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
