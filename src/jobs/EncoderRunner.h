#pragma once
// One run of the encoder: started hidden from one command-line text (never through a shell),
// its merged output cut into console lines on the window thread, and its end reported after
// the last line. Every conversion, probe and snapshot gets its own runner.
#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "core/failurereason.h"
#include "core/linecutter.h"

namespace vc {

class EncoderRunner : public QObject {
    Q_OBJECT
  public:
    // Exit code reported after Terminate, as the program has always used for a stopped run.
    static constexpr int kTerminatedExitCode = kStoppedEncoderExitCode;

    explicit EncoderRunner(QObject* parent = nullptr);
    ~EncoderRunner() override;

    // Splits the command line with the Windows rules and starts the program at its lowest
    // priority, in a process group of its own, with standard error merged into the output.
    // File names in it may carry stand-ins for bytes that are not UTF-8 (core/nativepath.h);
    // the program gets the real bytes. It dies with the thread that started it (call Start
    // on the window thread). Returns false with a readable message when it cannot be
    // started; then nothing is emitted.
    virtual bool Start(const QString& commandLine, const QString& workingDirectory, QString* error);

    // Pause, continue and stop act on the whole process group (the encoder and its helpers).
    virtual void Suspend();
    virtual void Resume();
    virtual void Terminate();

    bool IsRunning() const;
    bool IsSuspended() const { return suspended_; }
    // The encoder's process id, which is also its process group id; 0 when not running.
    qint64 ProcessId() const { return pgid_; }

  signals:
    // One delivery of the current line (a line may be delivered in part first, then whole).
    // Handlers must not delete the runner; use deleteLater.
    void lineRead(const QString& line);
    // Exactly once per started run, after the last delivery, from the event loop (a handler
    // may delete the runner). Non-zero when the run failed, crashed or was stopped
    // (kTerminatedExitCode after Terminate).
    void finished(int exitCode);

  private:
    void ReadAvailable();
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void SignalGroup(int sig);

    QProcess process_;
    LineCutter cutter_;
    // The exact bytes of the program, its arguments and working directory, for the child.
    std::vector<std::string> rawArgs_;
    std::vector<char*> rawArgv_;
    std::string rawProgram_;
    std::string rawWorkingDirectory_;
    bool rawExec_ = false;
    qint64 pgid_ = 0;
    bool started_ = false;
    bool ended_ = false;
    bool terminated_ = false;
    bool suspended_ = false;
};

}  // namespace vc
