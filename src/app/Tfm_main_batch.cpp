// The batch: every checked job in turn through the encoder, with progress, elapsed and
// remaining time, output size, pause, stop and the finish action.
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/Tfm_main.h"
#include "core/progress.h"
#include "core/timeutil.h"
#include "jobs/EncoderRunner.h"
#include "profiles/Tfm_set.h"

namespace vc {

namespace {
bool RowChecked(QTreeWidget* lv, int row) {
    QTreeWidgetItem* it = lv->topLevelItem(row);
    return it && it->checkState(0) == Qt::Checked;
}
}  // namespace

void Tfm_main::StartBatch() {
    if (playing) {
        fx_->Warning(this, LanguageText(27));
        return;
    }
    const int rows = lv->topLevelItemCount();
    if (rows == 0) return;
    int first = -1;
    for (int i = 0; i < rows && first < 0; ++i)
        if (RowChecked(lv, i)) first = i;
    if (first < 0) {
        fx_->Information(this, "Please select one file.");
        return;
    }
    JobIndex = first;
    failedRows_.clear();
    Converting = true;
    UpdateCommandState();
    StartJob();
}

void Tfm_main::StartJob() {
    // Unchecked rows are skipped in a loop rather than by recursion, so a long list of
    // unchecked rows cannot exhaust the stack.
    for (;;) {
        pl_play->hide();
        if (JobIndex > 0 && RowChecked(lv, JobIndex - 1) && !failedRows_.count(JobIndex - 1))
            lv->topLevelItem(JobIndex - 1)->setText(4, "Finish");
        if (RowChecked(lv, JobIndex) && JobIndex < static_cast<int>(jobs.size())) {
            InvocationInputs in;
            in.outputFolderText = ed_output->text().toStdString();
            in.caption = lv->topLevelItem(JobIndex)->text(0).toStdString();
            in.job = jobs[JobIndex];
            in.trim = trims[JobIndex];
            in.profile = profile;
            in.boxes = fm_set_->Boxes();
            in.encoderPath = EncoderPath;
            in.programDirectory = ProgramDirectory;
            InvocationResult r = BuildInvocation(in);
            QString error = QString::fromStdString(r.error);
            if (r.ok()) {
                OutputDirectory = r.rec.outputFile.substr(0, r.rec.outputFile.rfind('/') + 1);
                CurrentInvocation = r.rec;
                if (LaunchEncoder(CurrentInvocation)) return;
                error = lastLaunchError_;
            }
            // The job cannot run: say why once, mark it and go on with the next one.
            fx_->Error(this, error);
            MarkRowError(JobIndex);
        }
        ++JobIndex;
        if (JobIndex >= lv->topLevelItemCount()) {
            BatchEnd();
            return;
        }
    }
}

void Tfm_main::MarkRowError(int row) {
    if (QTreeWidgetItem* it = lv->topLevelItem(row)) it->setText(4, "Error");
    failedRows_.insert(row);
}

bool Tfm_main::LaunchEncoder(const intputrec& r) {
    if (Converting) pl_play->hide();
    ElapsedSeconds = 0;
    Convert_used->start();
    EncoderRunning = true;
    runner_ = std::make_unique<EncoderRunner>();
    connect(runner_.get(), &EncoderRunner::lineRead, this, &Tfm_main::JvCreateProcessRead);
    connect(runner_.get(), &EncoderRunner::finished, this, &Tfm_main::JvCreateProcessTerminate,
            Qt::QueuedConnection);
    QString error;
    if (!runner_->Start(QString::fromStdString(JoinCommandLine(r)),
                        QString::fromStdString(r.workingDirectory), &error)) {
        lastLaunchError_ = error.isEmpty() ? "The encoder cannot be started." : error;
        EncoderRunning = false;
        Convert_used->stop();
        return false;
    }
    return true;
}

void Tfm_main::JvCreateProcessRead(const QString& line) {
    const std::string text = line.toStdString();
    const int64_t t = ParseProgressSeconds(text);
    if (t == 0) return;
    const int64_t length = CurrentInvocation.lengthSeconds;
    // A job of unknown length shows no percentage rather than a division by zero.
    if (length > 0) {
        const int64_t num = t * 10000;
        ProgressValue = static_cast<int>((num + length / 2) / length);
    }
    EncoderStatusLine = text;
    ShowJobProgress(ProgressValue);
    ShowRunDisplays();
}

void Tfm_main::ShowJobProgress(int v) {
    SetPosFill("convertpos", v);
    if (Converting && JobIndex >= 0 && JobIndex < lv->topLevelItemCount()) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%05.2f%%", v / 100.0);
        lv->topLevelItem(JobIndex)->setText(4, buf);
    }
}

void Tfm_main::ShowRunDisplays() {
    const QString out = QString::fromStdString(CurrentInvocation.outputFile);
    ShowText("filename", QFileInfo(out).fileName());
    ShowText("filesize", QString::number(OutputKilobytes) + " KB");
    ShowText("filepath", out);
    ShowText("usedtime", QString::fromStdString(SecondsToHms(ElapsedSeconds)));
    ShowText("resttime", QString::fromStdString(SecondsToHms(RemainingSeconds)));
}

void Tfm_main::Convert_usedTimer() {
    ++ElapsedSeconds;
    const double speed = static_cast<double>(ProgressValue) / ElapsedSeconds;
    if (speed > 0) RemainingSeconds = static_cast<int>(RoundHalfEven((10000 - ProgressValue) / speed));
    QFileInfo fi(QString::fromStdString(CurrentInvocation.outputFile));
    OutputKilobytes = fi.exists() ? fi.size() / 1024 : 1;
}

void Tfm_main::JvCreateProcessTerminate(int exitCode) {
    pl_play->show();
    EncoderStatusLine.clear();
    SetPosFill("convertpos", 0);
    Convert_used->stop();
    EncoderRunning = false;
    if (!Converting) {
        // A stopped batch or a snapshot: nothing more to do.
        BatchEnd();
        return;
    }
    // A run that failed (not through Stop) reads "Error", and the batch goes on.
    if (exitCode != 0) MarkRowError(JobIndex);
    ++JobIndex;
    if (JobIndex < lv->topLevelItemCount())
        StartJob();
    else
        BatchEnd();
}

void Tfm_main::BatchEnd() {
    const bool ranToEnd = Converting && JobIndex <= lv->topLevelItemCount();
    Converting = false;
    UpdateCommandState();
    pl_play->show();
    if (!ranToEnd) return;
    const int last = lv->topLevelItemCount() - 1;
    if (last >= 0 && RowChecked(lv, last) && !failedRows_.count(last))
        lv->topLevelItem(last)->setText(4, "Finish");
    SetPosFill("convertpos", 0);
    if (FinishAction == 1)
        fx_->OpenFolder(QString::fromStdString(OutputDirectory));
    else if (FinishAction == 2)
        fx_->Shutdown();
}

void Tfm_main::StopBatch() {
    if (!Converting) return;
    if (runner_) runner_->Terminate();
    if (QTreeWidgetItem* it = lv->topLevelItem(JobIndex)) it->setText(4, "Stop");
    pl_play->show();
    SetPosFill("convertpos", 0);
    JobIndex = lv->topLevelItemCount() + 1;
    Converting = false;
    EncoderRunning = false;
    Pause1->setText("Pause");
    UpdateCommandState();
}

void Tfm_main::PauseToggle() {
    if (!Converting || !runner_) return;
    if (EncoderRunning) {
        runner_->Suspend();
        Pause1->setText("Continue");
        EncoderRunning = false;
    } else {
        runner_->Resume();
        Pause1->setText("Pause");
        EncoderRunning = true;
    }
}

}  // namespace vc
