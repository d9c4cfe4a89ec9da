#pragma once
// Learning a media file's duration, picture size, rates and formats by running the encoder on
// it without an output file and reading what it prints.
#include <QObject>
#include <QString>
#include <memory>

#include "core/probeparse.h"

namespace vc {

class EncoderRunner;

class MediaProbe : public QObject {
    Q_OBJECT
  public:
    explicit MediaProbe(QObject* parent = nullptr);
    ~MediaProbe() override;

    ProbeResult Result;    // filled line by line while the probe runs
    bool Probing = false;  // true from StartProbe until the run has ended

    // Starts the probe run and returns at once; probeFinished() follows, or cannotStart()
    // when the encoder cannot be started. Result is not emptied here (the caller does it).
    // False with a message while another probe runs.
    bool StartProbe(const QString& encoderPath, const QString& programDirectory,
                    const QString& sourcePath, QString* error);

    // Empties Result, probes and waits in a local event loop (the window keeps working) until
    // the run has ended; a run that does not end within the safety time is stopped. Returns
    // false when the encoder cannot start or reports the file unreadable (error holds its
    // message); out receives what was found either way.
    bool ProbeAndWait(const QString& encoderPath, const QString& programDirectory,
                      const QString& sourcePath, ProbeResult& out, QString* error);

    // Exit code and last non-empty line of the latest finished run.
    int LastExitCode() const { return lastExitCode_; }
    QString LastLine() const { return lastLine_; }

    void MyJvCreateProcessRead(const QString& line);
    void MyJvCreateProcessTerminate(int exitCode = 0);

    static constexpr int kSafetyTimeoutMs = 30000;

  signals:
    void probeFinished();
    // The encoder could not be started: no probeFinished() follows.
    void cannotStart(const QString& error);

  private:
    std::unique_ptr<EncoderRunner, void (*)(EncoderRunner*)> runner_;
    int lastExitCode_ = 0;
    QString lastLine_;
};

}  // namespace vc
