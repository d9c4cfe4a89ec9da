#include "jobs/MediaProbe.h"

#include <QEventLoop>
#include <QTimer>

#include "core/cmdline.h"
#include "jobs/EncoderRunner.h"

namespace vc {

namespace {
// A finished runner may still be inside its own signal; let the event loop delete it.
void DeleteLater(EncoderRunner* r) {
    if (r) r->deleteLater();
}
}  // namespace

MediaProbe::MediaProbe(QObject* parent) : QObject(parent), runner_(nullptr, &DeleteLater) {}

MediaProbe::~MediaProbe() {
    // Destroying a live runner stops its process; do it now rather than later.
    if (runner_) {
        EncoderRunner* r = runner_.release();
        r->disconnect(this);
        delete r;
    }
}

bool MediaProbe::StartProbe(const QString& encoderPath, const QString& programDirectory,
                            const QString& sourcePath, QString* error) {
    // Probes run one after the other; a second one would steal the first one's results.
    if (Probing) {
        if (error) *error = tr("Another file is being examined.");
        return false;
    }
    Probing = true;
    lastLine_.clear();
    lastExitCode_ = 0;
    runner_.reset(new EncoderRunner());
    const std::string commandLine = QuoteIfBlank(encoderPath.toStdString()) + " -vormek -vormin " +
                                    QuoteIfBlank(sourcePath.toStdString());
    connect(runner_.get(), &EncoderRunner::lineRead, this, &MediaProbe::MyJvCreateProcessRead);
    connect(runner_.get(), &EncoderRunner::finished, this, &MediaProbe::MyJvCreateProcessTerminate);
    connect(runner_.get(), &EncoderRunner::startFailed, this, [this](const QString& why) {
        Probing = false;
        runner_.reset();
        emit cannotStart(why);
    });
    runner_->Start(QString::fromStdString(commandLine), programDirectory);
    return true;
}

void MediaProbe::MyJvCreateProcessRead(const QString& line) {
    const std::string text = line.toStdString();
    ProbeReadLine(Result, text);
    if (!line.trimmed().isEmpty()) lastLine_ = line.trimmed();
}

void MediaProbe::MyJvCreateProcessTerminate(int exitCode) {
    lastExitCode_ = exitCode;
    Probing = false;
    emit probeFinished();
}

bool MediaProbe::ProbeAndWait(const QString& encoderPath, const QString& programDirectory,
                              const QString& sourcePath, ProbeResult& out, QString* error) {
    Result.Clear();
    if (!StartProbe(encoderPath, programDirectory, sourcePath, error)) {
        out = Result;
        return false;
    }
    QEventLoop loop;
    QTimer safety;
    safety.setSingleShot(true);
    EncoderRunner* runner = runner_.get();
    connect(&safety, &QTimer::timeout, runner, &EncoderRunner::Terminate);
    connect(this, &MediaProbe::probeFinished, &loop, &QEventLoop::quit);
    QString startError;
    connect(this, &MediaProbe::cannotStart, &loop, [&](const QString& why) {
        startError = why;
        loop.quit();
    });
    safety.start(kSafetyTimeoutMs);
    if (Probing) loop.exec();
    out = Result;
    if (!startError.isEmpty()) {
        if (error) *error = startError;
        return false;
    }
    if (lastExitCode_ != 0) {
        if (error) {
            if (lastExitCode_ == EncoderRunner::kTerminatedExitCode)
                *error = tr("The file could not be read in time: %1").arg(sourcePath);
            else
                *error = lastLine_.isEmpty() ? tr("The encoder could not read %1").arg(sourcePath)
                                             : lastLine_;
        }
        return false;
    }
    return true;
}

}  // namespace vc
