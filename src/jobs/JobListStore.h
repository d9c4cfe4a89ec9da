#pragma once
// The job list kept on disk while the program runs, so that a crash or a kill does not lose
// it: paths, captions, checks, trims, statuses and the output being written. Removed on a
// normal close; found at the next start after a crash.
#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

class QTimer;

namespace vc {

class BatchRunner;
class JobList;

// Keeps the file up to date: every change of the list is written shortly after it happens.
class JobListKeeper : public QObject {
    Q_OBJECT
  public:
    JobListKeeper(JobList* jobs, BatchRunner* batch, QString path, QObject* parent = nullptr);
    // The job list file beside a settings file: "<name> jobs.json" for "<name>.ini".
    static QString PathBeside(const std::string& settingsFile);
    // A list left behind by a session that did not close normally.
    bool LeftBehind() const;
    // Adds the rows left behind; false when there were none or the file is damaged.
    bool Restore();
    // The session ends normally (or the user declines the old list): the file goes.
    void Discard();
    // Writes the list now.
    bool SaveNow();

  private:
    JobList* jobs_;
    BatchRunner* batch_;
    QString path_;
    QTimer* timer_;
    bool restoring_ = false;
};

namespace JobListStore {

// Writes the list and the output files being written; false when it cannot.
bool Save(const QString& path, const JobList& jobs, const QStringList& runningOutputs);
// Appends the stored rows to the list. The rows that were being converted read "Stop" and
// their incomplete outputs are removed. False (nothing added) when the file is missing or damaged.
bool Restore(const QString& path, JobList& jobs);

}  // namespace JobListStore
}  // namespace vc
