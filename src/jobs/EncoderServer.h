#pragma once
// The encoder server of a batch of sound-only jobs ("register.dat -vormserve"): it keeps
// FFmpeg's libraries loaded so that each job's encoder need not load them again. It is started
// with such a batch and ended with it. Encoders that do not find it (not started yet, or
// gone) convert on their own, so it only ever saves time.
#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>

class QTemporaryDir;

namespace vc {

class EncoderServer : public QObject {
    Q_OBJECT
  public:
    explicit EncoderServer(QObject* parent = nullptr);
    ~EncoderServer() override;

    // Starts the server of the encoder at that path, unless it runs already. Returns at once.
    void Start(const QString& encoderPath);
    // Asks the server to end; it ends at once, as no job of the batch runs any more.
    void Stop();
    bool IsRunning() const { return process_.state() != QProcess::NotRunning; }
    // Where the encoders find the server; empty when it is not running.
    QString SocketPath() const;

  private:
    QProcess process_;
    std::unique_ptr<QTemporaryDir> dir_;
    bool stopping_ = false;
};

}  // namespace vc
