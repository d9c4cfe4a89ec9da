// The job list, the batch and the player as the main window shows them: adding files and
// folders (probed by JobIntake), removing, renaming, the batch's displays, previews and
// snapshots. The logic lives in JobList, BatchRunner, PreviewPlayer and Snapshot.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QStandardPaths>
#include <QTreeView>
#include <algorithm>

#include "app/Tfm_main.h"
#include "core/mediatypes.h"
#include "core/nativepath.h"
#include "core/timeutil.h"
#include "jobs/JobIntake.h"
#include "preview/Snapshot.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_dir.h"
#include "shell/JobListView.h"

namespace vc {

std::vector<int> Tfm_main::SelectedRows() const {
    return vc::SelectedRows(lv);
}

void Tfm_main::SelectRow(int row) {
    vc::SelectRow(lv, row);
}

// ---------------------------------------------------------------- adding

void Tfm_main::WireIntake() {
    intake_ = new JobIntake(&jobList_, &session_, this);
    connect(intake_, &JobIntake::rowsAppended, this, [this] {
        if (SelectedRows().empty()) SelectRow(0);
        UpdateCommandState();
    });
    connect(intake_, &JobIntake::finished, this, [this](const QStringList& notSupported) {
        if (jobList_.Count() > 0 && SelectedRows().empty()) SelectRow(0);
        lvClick();
        UpdateCommandState();
        QStringList lines;
        for (const QString& name : notSupported) lines << name + " is not support!";
        if (!lines.isEmpty()) fx_->Information(this, lines.join('\n'));
    });
}

void Tfm_main::AddMediaFiles(const QStringList& paths) {
    intake_->Add(paths);
    UpdateCommandState();
}

void Tfm_main::AppendJob(const QString& caption, const Toriginalinfo& info,
                         const TrimRecord& trim) {
    std::vector<Job> jobs(1);
    jobs[0].caption = caption;
    jobs[0].info = info;
    jobs[0].trim = trim;
    intake_->Append(std::move(jobs));
}

void Tfm_main::AddFiles() {
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const QString start = OpenDialogStartFolder(QString::fromStdString(session_.LastAddFolder()),
                                                videos, QDir::homePath());
    const QStringList files = fx_->OpenFiles(this, tr("Add File"), MediaOpenFilter(), start);
    if (!files.isEmpty()) {
        session_.SetLastAddFolder(QFileInfo(files.front()).absolutePath().toStdString());
        lv->setVisible(true);
    }
    AddMediaFiles(files);
}

void Tfm_main::AddFolder() {
    fm_dir_->setWindowTitle(tr("File Directory"));
    fm_dir_->ChosenDirectory.clear();
    fx_->ExecDialog(fm_dir_);
    if (fm_dir_->ChosenDirectory.empty()) return;
    lv->setVisible(true);
    AddMediaFiles(FolderMediaEntries(QString::fromStdString(fm_dir_->ChosenDirectory)));
}

void Tfm_main::OpenPaths(const QStringList& paths) {
    Tray()->Restore();
    if (paths.isEmpty() || Refused(Busy::NotWhileConverting)) return;
    progress_->ShowIdle();
    lv->setVisible(true);
    AddMediaFiles(ExpandMediaPaths(paths));
}

// ---------------------------------------------------------------- rows

void Tfm_main::lvClick() {
    if (Converting() || playing()) return;
    UpdateCommandState();
    const std::vector<int> sel = SelectedRows();
    if (sel.empty()) return;
    const QModelIndex cur = lv->currentIndex();
    const int row =
        cur.isValid() && lv->selectionModel()->isRowSelected(cur.row(), {}) ? cur.row() : sel[0];
    const Job* j = jobList_.At(row);
    if (!j) return;
    ShowText("alltime", QString::fromStdString(j->info.durationText));
    player_->SetPreviewRow(row);
}

void Tfm_main::RemoveSelectedJobs() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    jobList_.Remove(rows);
    UpdateCommandState();
    SelectAfterRemoval(lv, rows);
    lvClick();  // the player's length and row follow the new selection
}

void Tfm_main::ClearJobs() {
    if (jobList_.Count() > 0 && fx_->Confirm(this, LanguageText(29))) jobList_.Clear();
    UpdateCommandState();
}

void Tfm_main::RenameJob() {
    if (isActiveWindow()) edt_tit->Begin();
}

void Tfm_main::CommitRename() {
    edt_tit->Finish();
}

void Tfm_main::StartBatch() {
    if (jobList_.Count() == 0 || Converting()) return;
    if (jobList_.NextChecked(0) < 0) {
        fx_->Information(this, tr("Please select one file."));
        return;
    }
    batch_->Start();
}

void Tfm_main::StopBatch() {
    intake_->Cancel();
    batch_->Stop();
}

void Tfm_main::PauseToggle() {
    batch_->TogglePause();
}

// ---------------------------------------------------------------- preview

void Tfm_main::PlaySelectedJob() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    if (paused()) TogglePause();
    if (playing()) return;
    QString error;
    if (!player_->Start(rows.front(), pl_play, &error) && !error.isEmpty()) fx_->Error(this, error);
}

void Tfm_main::SpaceKey() {
    if (playing())
        StopPlayback();
    else if (player_->CutShown())
        CutPlay();
    else
        PlaySelectedJob();
}

void Tfm_main::PreviewStep(int delta) {
    lv->clearSelection();
    const int row = player_->PreviewRow() + delta;
    if (!jobList_.Valid(row)) return;
    StopPlayback();
    player_->SetPreviewRow(row);
    SelectRow(row);
    lvClick();
    // The stop is complete when StopPlayback returns (the library has let go of the panel):
    // the next row plays from the event loop, after what the stop left queued, without a wait.
    QMetaObject::invokeMethod(this, &Tfm_main::PlaySelectedJob, Qt::QueuedConnection);
}

void Tfm_main::bt_cutClick() {
    if (!fm_dvdcutter_) return;
    fm_dvdcutter_->FormShow();
    fx_->ExecDialog(fm_dvdcutter_);
    // Every way of closing runs the close step once; this covers a dialog that ended without
    // being closed through the window.
    fm_dvdcutter_->FormClose();
}

void Tfm_main::CutPlay() {
    if (!fm_dvdcutter_ || fm_dvdcutter_->SelectedRow() < 0) return;
    fm_dvdcutter_->CutPlay();
}

void Tfm_main::SetBeginMark() {
    if (fm_dvdcutter_) fm_dvdcutter_->SetBeginMark();
}

void Tfm_main::SetEndMark() {
    if (fm_dvdcutter_) fm_dvdcutter_->SetEndMark();
}

void Tfm_main::JumpCut(int deltaSeconds) {
    if (fm_dvdcutter_) fm_dvdcutter_->JumpCut(deltaSeconds);
}

void Tfm_main::bt_imagesClick() {
    if (jobList_.Count() == 0) {
        fx_->Information(
            this,
            tr("Add a file to the job list first: a snapshot is taken from the previewed file."));
        return;
    }
    if (snapshot_->Busy()) {
        fx_->Information(
            this, tr("The previous snapshot is still being saved. Please try again in a moment."));
        return;
    }
    const int row = jobList_.Valid(player_->PreviewRow()) ? player_->PreviewRow() : 0;
    Snapshot::Request r;
    static_cast<InvocationInputs&>(r) = session_.JobInputs(*jobList_.At(row));
    r.at = display_.Text(PreviewPlayer::kMainSet.time);
    QString error;
    if (!snapshot_->Take(r, &error)) {
        fx_->Error(this, error);
        return;
    }
    const std::string& out = snapshot_->Invocation().outputFile;
    session_.SetOutputDirectory(out.substr(0, out.rfind('/') + 1));
}

void Tfm_main::ShowProperties() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) {
        fx_->Information(this, LanguageText(30));
        return;
    }
    if (!fm_info_) return;
    fm_info_->FormShow(jobList_.At(rows.front())->info, jobList_.At(rows.front())->trim);
    fx_->ExecDialog(fm_info_);
}

}  // namespace vc
