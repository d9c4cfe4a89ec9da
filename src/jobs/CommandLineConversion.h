#pragma once
// Converting from the command line, without a window: the files named are probed and added as
// the window adds them, the edition's saved settings (profile, format choices, output folder)
// are taken unless an option says otherwise, and the same batch converts every file. Each file
// gets one line on the error output; the exit status tells the caller how it went.
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <map>
#include <string>

#include "core/startargs.h"
#include "jobs/BatchRunner.h"
#include "jobs/ConversionSession.h"
#include "jobs/JobIntake.h"
#include "jobs/JobList.h"

namespace vc {

class CommandLineConversion : public QObject {
    Q_OBJECT
  public:
    // Exit statuses. A stop signal gives 128 + its number, as a shell reports a process the
    // signal ended: 130 for Ctrl+C, 143 for SIGTERM.
    static constexpr int kAllConverted = 0;
    static constexpr int kSomeFailed = 1;
    static constexpr int kUsageError = 2;

    struct Setup {
        std::string exeFileName;       // the name started under: the edition
        std::string programDirectory;  // profiles.pop and register.dat
        ConvertOptions options;
        QStringList paths;  // files and folders, absolute
    };

    // err: where the lines go; a terminal also shows the running files' progress in place.
    CommandLineConversion(Setup setup, std::FILE* err, QObject* parent = nullptr);

    // Checks what can be checked before anything runs (the files and folders exist and hold
    // media files, the subtitle file exists, the output folder is no file); the problems, one
    // sentence each, or none.
    QStringList Check();
    // Probes, adds and converts; finished() follows, from the event loop.
    void Start();
    // A stop signal arrived: adding ends, the running conversion is stopped and its output
    // removed; finished(128 + signal) follows.
    void Interrupt(int signal);

    ConversionSession& Session() { return session_; }
    BatchRunner& Batch() { return batch_; }

  signals:
    void finished(int exitCode);

  private:
    void OnAnswers(const std::vector<ProbeQueue::Answer>& answers);
    void OnAdded();
    // The track and subtitle options on every row; a row that cannot take them fails.
    void ApplyChoices();
    void OnJobEnded(int row, BatchRunner::Outcome outcome, const QString& reason);
    void OnBatchEnded();
    void Finish(int exitCode);
    QString FileName(int row) const;
    // A line of its own; on a terminal the running files' line is drawn again below it.
    void PrintLine(const QString& line);
    void DrawProgress();
    void ClearProgress();

    Setup setup_;
    std::FILE* err_;
    bool terminal_ = false;
    QStringList files_;  // the files that the paths stand for
    JobList jobs_;
    ConversionSession session_;
    JobIntake intake_;
    BatchRunner batch_;
    std::map<int, QString> running_;  // row -> its progress text, while it converts
    QString drawn_;                   // the progress line on the terminal now
    int failedBeforeBatch_ = 0;
    int stopSignal_ = 0;
    bool done_ = false;
};

// Runs a conversion in the application's event loop (the application object must exist) with
// Ctrl+C and SIGTERM caught; returns the exit status. commandName names the program in messages.
int RunCommandLineConversion(CommandLineConversion::Setup setup, const std::string& commandName);

}  // namespace vc
