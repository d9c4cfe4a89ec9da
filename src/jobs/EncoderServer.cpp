#include "jobs/EncoderServer.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

namespace vc {

namespace {
// Between fork and exec, perhaps on the program's own memory (QProcess may start children the
// way vfork does): only async-signal-safe calls, and nothing the sanitizer marks. The server
// dies with us, and a Ctrl+C at the terminal, meant for us, does not end it under its running
// jobs: their runs are stopped the program's way, and the server ends with the batch.
__attribute__((no_sanitize_address)) void InServerChild(pid_t parent) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
}
}  // namespace

EncoderServer::EncoderServer(QObject* parent) : QObject(parent) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(QProcess::nullDevice());
    const pid_t self = ::getpid();
    process_.setChildProcessModifier([self] { InServerChild(self); });
}

EncoderServer::~EncoderServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

void EncoderServer::Start(const QString& encoderPath) {
    if (IsRunning() && !stopping_) return;
    // One asked to end moments ago ends at once: wait for it rather than share its socket.
    if (IsRunning() && !process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
    stopping_ = false;
    // A folder only we may enter: nobody else can hand the server a job.
    dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vc-encoder-XXXXXX");
    if (!dir_->isValid()) {
        dir_.reset();
        return;
    }
    // Its standard input is how it learns that the batch has ended.
    process_.start(encoderPath, {"-vormserve", dir_->filePath("server")}, QIODevice::ReadWrite);
}

void EncoderServer::Stop() {
    if (!IsRunning() || stopping_) return;
    stopping_ = true;
    process_.closeWriteChannel();
}

QString EncoderServer::SocketPath() const {
    return IsRunning() && !stopping_ && dir_ ? dir_->filePath("server") : QString();
}

}  // namespace vc
