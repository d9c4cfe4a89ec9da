#pragma once
// One run of the encoder: started hidden from one command-line text (never through a shell),
// its merged output cut into console lines on the window thread, and its end reported after
// the last line. Every conversion, probe and snapshot gets its own runner.
#include <sys/types.h>

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

    // The program runs at the lowest priority unless told otherwise before Start; at normal
    // priority it runs at the program's own.
    void SetLowPriority(bool low) { lowPriority_ = low; }
    bool LowPriority() const { return lowPriority_; }
    // The encoder server (EncoderServer) the run may hand a sound-only job to; set before
    // Start. Empty: none.
    void SetServer(const QString& socketPath) { server_ = socketPath; }

    // Splits the command line with the Windows rules and starts the program at the priority
    // chosen, in a process group of its own, with standard error merged into the output.
    // File names in it may carry stand-ins for bytes that are not UTF-8 (core/nativepath.h);
    // the program gets the real bytes. It dies with the thread that started it (call Start
    // on the window thread). Returns at once, without waiting for the program: started()
    // follows when it runs, or startFailed() with a readable message when it cannot be
    // started, and then nothing else is emitted.
    virtual void Start(const QString& commandLine, const QString& workingDirectory);

    // Pause, continue and stop act on the whole process group (the encoder and its helpers).
    virtual void Suspend();
    virtual void Resume();
    virtual void Terminate();

    // Started and not ended yet (also while the program is still being started).
    bool IsRunning() const;
    bool IsSuspended() const { return suspended_; }
    // The encoder's process id, which is also its process group id; 0 when not running.
    qint64 ProcessId() const { return pgid_; }

  signals:
    // The program runs; its process group exists from now on.
    void started();
    // The program could not be started; from the event loop (a handler may delete the
    // runner). No other signal of this run follows.
    void startFailed(const QString& error);
    // One delivery of the current line (a line may be delivered in part first, then whole).
    // Handlers must not delete the runner; use deleteLater.
    void lineRead(const QString& line);
    // Exactly once per started run, after the last delivery, from the event loop (a handler
    // may delete the runner). Non-zero when the run failed, crashed or was stopped
    // (kTerminatedExitCode after Terminate).
    void finished(int exitCode);

  private:
    void ReadAvailable();
    void OnStarted();
    void OnError(QProcess::ProcessError error);
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    // Reports a failed start once, from the event loop.
    void FailStart(const QString& message);
    void SignalGroup(int sig);
    // The child's side of a start, between fork and exec. QProcess may start the child the way
    // vfork does, on the program's own memory: the sanitizer must not mark stack there that
    // the program uses again once the child has gone.
    __attribute__((no_sanitize_address)) void InChild(pid_t parent) const;

    QProcess process_;
    LineCutter cutter_;
    // The exact bytes of the program, its arguments and working directory, for the child.
    std::vector<std::string> rawArgs_;
    std::vector<char*> rawArgv_;
    std::string rawProgram_;
    std::string rawWorkingDirectory_;
    // The environment of a raw exec that names the server, as execve takes it.
    std::vector<std::string> rawEnvironment_;
    std::vector<char*> rawEnvp_;
    QString server_;
    bool rawExec_ = false;
    QString program_;  // for the message of a failed start
    qint64 pgid_ = 0;
    bool started_ = false;
    bool running_ = false;  // the program runs: its process group exists
    bool startFailed_ = false;
    bool ended_ = false;
    bool terminated_ = false;
    bool suspended_ = false;
    bool lowPriority_ = true;
};

}  // namespace vc
