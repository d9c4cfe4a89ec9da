#include "jobs/EncoderRunner.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QFileInfo>
#include <QStandardPaths>

#include "core/cmdline.h"
#include "core/nativepath.h"

namespace vc {

namespace {
// Output is handed to the line cutter in blocks of this size at most; every block ends with
// a delivery of the current line, which is how progress lines ending in CR are seen at once.
constexpr qint64 kBlockSize = 1024;
// Exit code for a run that ended by a signal we did not send.
constexpr int kCrashExitCode = 255;
// How the encoder finds its server.
constexpr char kServerVariable[] = "VC_ENCODER_SERVER";
}  // namespace

EncoderRunner::EncoderRunner(QObject* parent)
    : QObject(parent), cutter_([this](const std::string& line) {
          emit lineRead(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
      }) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    const pid_t self = ::getpid();
    process_.setChildProcessModifier([this, self] { InChild(self); });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &EncoderRunner::ReadAvailable);
    connect(&process_, &QProcess::started, this, &EncoderRunner::OnStarted);
    connect(&process_, &QProcess::errorOccurred, this, &EncoderRunner::OnError);
    connect(&process_, &QProcess::finished, this, &EncoderRunner::OnFinished);
}

void EncoderRunner::InChild(pid_t parent) const {
    // Runs in the child between fork and exec: only async-signal-safe calls.
    // Own group: pause and stop reach the encoder and every helper it starts.
    ::setpgid(0, 0);
    if (lowPriority_) ::setpriority(PRIO_PROCESS, 0, 19);
    // The encoder dies with the program, also when the program is killed; the encoder
    // takes its ffmpeg along in turn.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    // QProcess would pass names as UTF-8 and lose bytes that are not; exec them as they are.
    if (rawExec_) {
        if (!rawWorkingDirectory_.empty() && ::chdir(rawWorkingDirectory_.c_str()) != 0)
            ::_exit(127);
        ::execve(rawProgram_.c_str(), rawArgv_.data(),
                 rawEnvp_.empty() ? environ : rawEnvp_.data());
        // Failed: QProcess's own exec fails the same way and reports it.
    }
}

EncoderRunner::~EncoderRunner() {
    // Never leave an encoder behind, and never let QProcess complain about a live child.
    if (process_.state() != QProcess::NotRunning) {
        disconnect(&process_, nullptr, this, nullptr);
        if (running_)
            SignalGroup(SIGKILL);
        else
            process_.kill();  // still being started: it has no group of its own yet
        process_.waitForFinished(5000);
    }
}

void EncoderRunner::Start(const QString& commandLine, const QString& workingDirectory) {
    if (started_) {
        qWarning("This encoder run has already been started.");
        return;
    }
    started_ = true;
    const std::vector<std::string> parts = SplitCommandLine(commandLine.toStdString());
    if (parts.empty() || parts.front().empty()) {
        FailStart(tr("The encoder command line is empty."));
        return;
    }
    QStringList arguments;
    for (std::size_t i = 1; i < parts.size(); ++i) arguments << QString::fromStdString(parts[i]);
    program_ = QString::fromStdString(parts.front());

    rawArgs_.clear();
    rawExec_ = false;
    for (const std::string& p : parts) {
        rawArgs_.push_back(PathBytesFromText(p));
        rawExec_ = rawExec_ || rawArgs_.back() != p;
    }
    rawArgv_.clear();
    for (std::string& a : rawArgs_) rawArgv_.push_back(a.data());
    rawArgv_.push_back(nullptr);
    // Looked up here, as QProcess does: the child may not search PATH itself.
    rawProgram_ = rawArgs_.front();
    if (rawProgram_.find('/') == std::string::npos) {
        const QString found = QStandardPaths::findExecutable(program_);
        if (!found.isEmpty()) rawProgram_ = PathFromQString(found);
    }
    const std::string directory = workingDirectory.toStdString();
    rawWorkingDirectory_ = PathBytesFromText(directory);
    if (rawWorkingDirectory_ != directory) {
        rawExec_ = true;  // QProcess could not enter it; the child does
    } else {
        rawWorkingDirectory_.clear();
        process_.setWorkingDirectory(workingDirectory);
    }
    rawEnvironment_.clear();
    rawEnvp_.clear();
    if (!server_.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kServerVariable, server_);
        process_.setProcessEnvironment(environment);
        // Only the child's own exec needs it spelt out (QProcess's exec takes the above).
        if (rawExec_) {
            for (const QString& entry : environment.toStringList())
                rawEnvironment_.push_back(PathFromQString(entry));
            for (std::string& entry : rawEnvironment_) rawEnvp_.push_back(entry.data());
            rawEnvp_.push_back(nullptr);
        }
    }
    // The child is forked here; whether it runs is reported later (OnStarted or OnError).
    process_.start(program_, arguments, QIODevice::ReadOnly);
}

void EncoderRunner::OnStarted() {
    if (startFailed_ || ended_) return;
    running_ = true;
    pgid_ = process_.processId();
    // Asked for while the program was still being started.
    if (terminated_) {
        SignalGroup(SIGKILL);
        return;
    }
    if (suspended_) SignalGroup(SIGSTOP);
    emit started();
}

void EncoderRunner::OnError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || running_ || ended_) return;
    FailStart(tr("Cannot start the encoder %1: %2")
                  .arg(QFileInfo(program_).fileName(), process_.errorString()));
}

void EncoderRunner::FailStart(const QString& message) {
    if (startFailed_) return;
    startFailed_ = true;
    ended_ = true;
    suspended_ = false;
    // From the event loop, as every end of a run: the handler may delete this runner.
    QMetaObject::invokeMethod(
        this, [this, message] { emit startFailed(message); }, Qt::QueuedConnection);
}

void EncoderRunner::ReadAvailable() {
    while (process_.bytesAvailable() > 0) {
        const QByteArray block = process_.read(kBlockSize);
        if (block.isEmpty()) break;
        cutter_.Feed(block.constData(), static_cast<std::size_t>(block.size()));
    }
}

void EncoderRunner::OnFinished(int exitCode, QProcess::ExitStatus status) {
    if (ended_) return;
    ended_ = true;
    running_ = false;
    ReadAvailable();
    cutter_.Finish();
    suspended_ = false;
    int code = exitCode;
    if (terminated_)
        code = kTerminatedExitCode;
    else if (status == QProcess::CrashExit)
        code = kCrashExitCode;
    pgid_ = 0;
    // Reported from the event loop, not from inside QProcess's own signal, so that a handler
    // may delete this runner (or start the next one) safely.
    QMetaObject::invokeMethod(
        this, [this, code] { emit finished(code); }, Qt::QueuedConnection);
}

void EncoderRunner::SignalGroup(int sig) {
    if (running_ && pgid_ > 0 && process_.state() != QProcess::NotRunning)
        ::kill(-static_cast<pid_t>(pgid_), sig);
}

// While the program is still being started, pause and stop are remembered and done once it
// runs (OnStarted): only then does its process group exist.

void EncoderRunner::Suspend() {
    if (!IsRunning()) return;
    SignalGroup(SIGSTOP);
    suspended_ = true;
}

void EncoderRunner::Resume() {
    if (!IsRunning()) return;
    SignalGroup(SIGCONT);
    suspended_ = false;
}

void EncoderRunner::Terminate() {
    if (!IsRunning()) return;
    terminated_ = true;
    // SIGKILL ends stopped processes too; no need to continue them first.
    SignalGroup(SIGKILL);
}

bool EncoderRunner::IsRunning() const {
    return started_ && !ended_ && !startFailed_ && process_.state() != QProcess::NotRunning;
}

}  // namespace vc
