#pragma once
// Probing many files quickly: a few encoder runs side by side (one per core), each probing a
// share of the files in one run, so the encoder's libraries are loaded once per run instead of
// once per file. The answers are handed on in the order the files were given, whichever run
// gets there first; the window thread is never made to wait.
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

#include "core/probeparse.h"

class QTimer;

namespace vc {

class EncoderRunner;

class ProbeQueue : public QObject {
    Q_OBJECT
  public:
    struct Answer {
        QString path;
        bool ok = false;  // the encoder read the file
        ProbeResult result;
        QString error;  // when not ok: the encoder's last line, or why it gave no answer
    };

    // How long one file may keep its run busy before the run is stopped and the file counts
    // as unreadable; the run's other files are probed again in a new run.
    static constexpr int kInputTimeLimitMs = 15000;
    // Few, long runs: each run loads the encoder's libraries once. A run takes files until
    // their names fill kMaxArgumentBytes, which stays far below the system's limit on
    // arguments (64 paths of the longest length).
    static constexpr int kMaxInputsPerRun = 4096;
    static constexpr std::size_t kMaxArgumentBytes = 256 * 1024;

    explicit ProbeQueue(QObject* parent = nullptr);
    ~ProbeQueue() override;

    void SetEncoder(const QString& encoderPath, const QString& programDirectory);
    // Runs side by side (default: one per core), files per run, time limit per file.
    void SetRuns(int runs);
    void SetInputsPerRun(int inputs);
    void SetInputTimeLimit(int ms);

    // Queues the files behind those queued before. The runs start from the event loop, so
    // files given by several calls in a row share them.
    void Add(const QStringList& paths);
    // Stops every run and forgets every file not answered yet; nothing more is emitted.
    void Cancel();
    // Files are queued or being probed.
    bool Busy() const { return !items_.empty(); }

  signals:
    // Answers in the order of the files, as many at a time as are ready together.
    void answered(const std::vector<vc::ProbeQueue::Answer>& answers);
    // Every file given so far has been answered.
    void idle();

  private:
    struct Item {
        QString path;
        bool done = false;
        bool retried = false;
        Answer answer;
    };
    struct Run;

    void Schedule();
    void StartRun(std::size_t lane, std::vector<std::size_t> items);
    Run* RunOfLane(std::size_t lane) const;
    void OnLine(Run* run, const QString& line);
    void OnFinished(Run* run, int exitCode);
    void OnStartFailed(Run* run, const QString& error);
    void OnTimeLimit(Run* run);
    // Answers the file the run is at and moves the run to its next file.
    void AnswerCurrent(Run& run, bool ok, const QString& error);
    void DeliverLater();
    // Runs step once from the event loop however often it is asked for before then (pending
    // says it is asked for), unless Cancel comes first.
    void Later(bool& pending, void (ProbeQueue::*step)());
    void Deliver();
    void Forget(Run* run);

    QString encoderPath_;
    QString programDirectory_;
    int maxRuns_;
    int inputsPerRun_ = kMaxInputsPerRun;
    int timeLimitMs_ = kInputTimeLimitMs;

    std::vector<Item> items_;  // every file since the queue was last idle
    std::size_t next_ = 0;     // the first item not handed on yet
    // Item i waits in lane i % lanes; each lane has at most one run, so the runs move down
    // the list side by side and the answers can be handed on in order without long waits.
    std::vector<std::deque<std::size_t>> lanes_;
    std::vector<std::unique_ptr<Run>> runs_;
    bool scheduled_ = false;
    bool deliverScheduled_ = false;
    unsigned generation_ = 0;  // counts cancels, so that calls queued before one do nothing
};

}  // namespace vc
