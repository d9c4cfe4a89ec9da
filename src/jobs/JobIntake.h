#pragma once
// Adding files to the job list: the files are probed together (ProbeQueue) and each one that
// makes a job becomes a row, in the order the files were given, while the window keeps
// working. Rows that arrive together are appended together, with their size estimates
// computed once for the lot; while many files come in, at most a few times a second, since
// every append makes the window follow the list, refill its track boxes and repaint.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

#include "jobs/JobList.h"
#include "jobs/ProbeQueue.h"

namespace vc {

class ConversionSession;

class JobIntake : public QObject {
    Q_OBJECT
  public:
    // The session gives the encoder that probes and the size estimates of the new rows.
    JobIntake(JobList* jobs, ConversionSession* session, QObject* parent = nullptr);

    ProbeQueue& Queue() { return queue_; }

    // Probes the files and appends a row for each that makes a job. Files given while an add
    // runs join it. finished() follows, also for an empty list.
    void Add(const QStringList& paths);
    // Appends ready jobs as rows at once (no rowsAppended: that tells of probed files).
    void Append(std::vector<Job> jobs);
    // Stops probing; rows of the files already read stay. finished() follows when an add was
    // running.
    void Cancel();
    bool Busy() const { return queue_.Busy(); }

  signals:
    // Rows of probed files were appended.
    void rowsAppended(int first, int count);
    // The add has ended. notSupported: the names (without folder) of the files that could not
    // be taken, in order; empty after a cancel.
    void finished(const QStringList& notSupported);

  private:
    void OnAnswers(const std::vector<ProbeQueue::Answer>& answers);
    // Appends the rows read since the last append.
    void AppendRead();

    // The first rows of an add come at once; later ones wait until this long after the last
    // append.
    static constexpr int kAppendIntervalMs = 100;

    JobList* jobs_;
    ConversionSession* session_;
    ProbeQueue queue_;
    QStringList notSupported_;
    std::vector<Job> read_;  // probed, not appended yet
    QElapsedTimer lastAppend_;
    QTimer appendTimer_;
};

}  // namespace vc
