#include "shell/ProgressDisplay.h"

#include <QFileInfo>
#include <QWidget>

#include "core/timeutil.h"
#include "shell/SkinDisplay.h"

namespace vc {

namespace {
QString Hms(int s) {
    return QString::fromStdString(SecondsToHms(s));
}
}  // namespace

ProgressDisplay::ProgressDisplay(BatchRunner* batch, SkinDisplay* display, QWidget* videoPanel,
                                 QObject* parent)
    : QObject(parent), batch_(batch), display_(display), videoPanel_(videoPanel) {
    connect(batch_, &BatchRunner::ticked, this, &ProgressDisplay::ShowTick);
    connect(batch_, &BatchRunner::jobStarted, this, [this](int) {
        summaryShown_ = false;
        ShowInfo(QString());  // the last job's "Batch ... left" is not this job's
        videoPanel_->hide();
        if (batch_->SideBySide()) {
            ShowBatchDisplays();
            ShowBatchTimes();
            return;
        }
        ShowFill(0);
        ShowRunDisplays();
    });
    connect(batch_, &BatchRunner::progressed, this, [this](int, int value) {
        if (batch_->SideBySide()) {
            ShowBatchDisplays();
            return;
        }
        ShowFill(value);
        ShowRunDisplays();
    });
    connect(batch_, &BatchRunner::jobEnded, this, &ProgressDisplay::OnJobEnded);
    connect(batch_, &BatchRunner::stateChanged, this, [this](BatchRunner::State s) {
        if (s == BatchRunner::State::Paused) ShowInfo(tr("Paused"));
        if (s == BatchRunner::State::Running) ShowTick();
        if (s == BatchRunner::State::Stopping) {
            videoPanel_->show();
            ShowFill(0);
        }
    });
    connect(batch_, &BatchRunner::batchEnded, this, [this](bool ranToEnd) {
        videoPanel_->show();
        ShowFill(0);
        ShowSummary(ranToEnd);
    });
}

void ProgressDisplay::ShowSummary(bool ranToEnd) {
    // The last job's name and figures would read as if it were still the subject.
    QString summary = tr("%1 converted").arg(batch_->FinishedCount());
    if (batch_->FailedCount() > 0) summary += tr(", %1 failed").arg(batch_->FailedCount());
    if (!ranToEnd) summary = tr("Stopped: %1").arg(summary);
    display_->ShowText("filename", summary);
    for (const char* figure : {"filesize", "usedtime", "resttime"}) display_->RestoreText(figure);
    // What the batch left stays in sight: the size it wrote, and why its last job failed.
    if (batch_->FinishedCount() > 0)
        display_->ShowText("filesize", QString::number(batch_->WrittenBytes() / 1024) + " KB");
    display_->ShowText("filepath", batch_->FinishedCount() > 0
                                       ? tr("Saved in %1").arg(batch_->OutputDirectory())
                                       : QString());
    display_->ShowText("hint", lastError_.isEmpty() ? QString() : tr("Error: %1").arg(lastError_));
    lastError_.clear();  // the next batch starts with none
    ShowInfo(QString());
    summaryShown_ = true;
}

void ProgressDisplay::ShowIdle() {
    if (!summaryShown_) return;
    summaryShown_ = false;
    for (const char* o : {"filename", "filesize", "usedtime", "resttime", "filepath", "hint"})
        display_->RestoreText(o);
}

void ProgressDisplay::ShowFill(int value) {
    display_->SetPosFill("convertpos", value);
    // A job's result ("Error: reason") stays until the next job has a line of its own.
    if (!batch_->StatusLine().isEmpty()) display_->ShowText("hint", batch_->StatusLine());
}

void ProgressDisplay::ShowInfo(const QString& text) {
    info_ = text;
    display_->ShowText("convertinfo", text);
}

void ProgressDisplay::ShowRunDisplays() {
    const QString out = QString::fromStdString(batch_->Invocation().outputFile);
    display_->ShowText("filename", QFileInfo(out).fileName());
    display_->ShowText("filesize", QString::number(batch_->OutputKilobytes()) + " KB");
    display_->ShowText("filepath", out);
    display_->ShowText("usedtime", Hms(batch_->ElapsedSeconds()));
    display_->ShowText("resttime", Hms(batch_->RemainingSeconds()));
}

void ProgressDisplay::ShowBatchDisplays() {
    ShowFill(batch_->BatchProgress());
    display_->ShowText("filename", tr("%1 running, %2 done, %3 left")
                                       .arg(batch_->RunningCount())
                                       .arg(batch_->DoneCount())
                                       .arg(batch_->WaitingCount()));
    const int64_t kb = batch_->WrittenBytes() / 1024 + batch_->RunningKilobytes();
    display_->ShowText("filesize", QString::number(kb) + " KB");
    display_->ShowText("filepath", batch_->OutputDirectory());
}

void ProgressDisplay::ShowBatchTimes() {
    // Once a second, as the figures they come from: progress lines between ticks would make
    // them jump.
    display_->ShowText("usedtime", Hms(batch_->BatchElapsedSeconds()));
    display_->ShowText("resttime", Hms(batch_->RunningRemainingSeconds()));
    if (batch_->state() != BatchRunner::State::Running) return;  // "Paused" stays
    const int left = batch_->BatchRemainingSeconds();
    ShowInfo(left > 0 ? "Batch " + Hms(left) + " left" : QString());
}

void ProgressDisplay::ShowTick() {
    if (batch_->state() != BatchRunner::State::Running) return;
    if (batch_->SideBySide()) {
        ShowBatchDisplays();
        ShowBatchTimes();
        return;
    }
    ShowRunDisplays();
    if (batch_->ProgressKnown() && batch_->Progress() > 0)
        ShowInfo(tr("Batch %1 left").arg(Hms(batch_->BatchRemainingSeconds())));
    else
        ShowInfo(QString());
}

void ProgressDisplay::OnJobEnded(int, BatchRunner::Outcome outcome, const QString& reason) {
    if (batch_->SideBySide()) {
        // Which job ends last is chance when several run: a failure's reason stays for the
        // summary whatever ends after it.
        if (outcome == BatchRunner::Outcome::Failed) lastError_ = reason;
        // The others go on: the batch stays the subject, a failure's reason in sight.
        if (!batch_->Converting()) return;
        ShowBatchDisplays();
        if (outcome == BatchRunner::Outcome::Failed)
            display_->ShowText("hint", tr("Error: %1").arg(reason));
        return;
    }
    lastError_ = outcome == BatchRunner::Outcome::Failed ? reason : QString();
    ShowFill(0);
    // The job is over: no time remains, and the size is the finished file's.
    display_->ShowText("resttime", Hms(0));
    if (outcome == BatchRunner::Outcome::Finished) {
        ShowRunDisplays();
        display_->ShowText("resttime", Hms(0));
    } else if (outcome == BatchRunner::Outcome::Failed && !batch_->Failures().empty()) {
        display_->ShowText("filename", batch_->Failures().back().caption);
        display_->ShowText("filesize", QString());
        display_->ShowText("usedtime", Hms(0));
        display_->ShowText("hint", tr("Error: %1").arg(reason));
    }
}

}  // namespace vc
