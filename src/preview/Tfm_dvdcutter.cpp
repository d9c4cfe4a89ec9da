#include "preview/Tfm_dvdcutter.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "core/timeutil.h"
#include "jobs/JobList.h"
#include "preview/PreviewPlayer.h"
#include "shell/JobListView.h"
#include "shell/SideEffects.h"
#include "shell/SkinDisplay.h"

namespace vc {

namespace {
QString Hms(int32_t s) {
    return QString::fromStdString(SecondsToHms(s));
}
}  // namespace

Tfm_dvdcutter::Tfm_dvdcutter(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_dvdcutter");
    setWindowTitle(tr("Cut"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint);
    resize(618, 501);
    pl_play = PreviewPlayer::MakeVideoPanel(this, "pl_play");
    pl_play->setGeometry(99, 30, 344, 180);
    lv = new QTreeWidget(this);
    lv->setObjectName("lv");
    lv->setGeometry(12, 284, 523, 166);
    lv->setHeaderLabels({tr("Title"), tr("Begin Time"), tr("End Time")});
    lv->setColumnWidth(0, 120);
    lv->setColumnWidth(1, 90);
    lv->setColumnWidth(2, 90);
    lv->setRootIsDecorated(false);
    lv->header()->setSectionsClickable(false);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KeepSpaceForPreview(lv);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Keys move the selection as well as clicks do.
    connect(lv, &QTreeWidget::itemSelectionChanged, this, &Tfm_dvdcutter::lvClick);
}

void Tfm_dvdcutter::Attach(JobList* jobs, PreviewPlayer* player, SkinDisplay* display,
                           SideEffects* effects) {
    jobs_ = jobs;
    player_ = player;
    display_ = display;
    fx_ = effects;
}

int Tfm_dvdcutter::SelectedRow() const {
    const QList<QTreeWidgetItem*> sel = lv->selectedItems();
    return sel.isEmpty() ? -1 : lv->indexOfTopLevelItem(sel.first());
}

void Tfm_dvdcutter::FormShow() {
    if (!jobs_) return;
    player_->SetCutShown(true);
    if (QWidget* main = parentWidget()) move(main->x() + 10, main->y() + 80);
    lv->clear();
    const int rows = jobs_->Count();
    for (int i = 0; i < rows; ++i) {
        const Job* j = jobs_->At(i);
        auto* item = new QTreeWidgetItem(lv, {j->caption, Hms(j->trim.begin), Hms(j->trim.end)});
        item->setCheckState(0, Qt::Checked);
    }
    if (rows > 0) {
        const QSignalBlocker quiet(lv);
        lv->setCurrentItem(lv->topLevelItem(0));
        lv->topLevelItem(0)->setSelected(true);
    }
    if (rows > 0) {
        lvClick();
        display_->SetVisible("cut_play_bar", false);
    }
}

void Tfm_dvdcutter::lvClick() {
    if (!jobs_ || player_->Playing()) return;
    const int row = SelectedRow();
    const Job* j = jobs_->At(row);
    if (!j) return;
    player_->SetPreviewRow(row);
    display_->SetSliderPosition("cut_play_bar", 0);
    display_->ShowText("cut_begin_time", Hms(j->trim.begin));
    display_->ShowText("cut_end_time", Hms(j->trim.end));
    display_->ShowText("cut_play_time", "00:00:00");
}

void Tfm_dvdcutter::FormClose() {
    if (!jobs_ || !player_->CutShown()) return;
    if (player_->Playing()) player_->Stop();
    // The window's rows are the list's jobs in the same order; a list changed meanwhile is
    // only written as far as both still have rows.
    const int rows = std::min(lv->topLevelItemCount(), jobs_->Count());
    for (int i = 0; i < rows; ++i) {
        const TrimRecord& t = jobs_->At(i)->trim;
        jobs_->SetDurationText(i, SecondsToHms(t.end - t.begin));
    }
    player_->SetCutShown(false);
    emit rangesChanged();
}

void Tfm_dvdcutter::done(int result) {
    FormClose();
    QDialog::done(result);
}

void Tfm_dvdcutter::CutPlay() {
    if (!jobs_) return;
    const int row = SelectedRow();
    if (row < 0) return;
    if (player_->Paused()) player_->TogglePause();
    if (player_->Playing()) return;
    QString error;
    if (!player_->Start(row, pl_play, &error, PreviewPlayer::Mode::Blocking) && !error.isEmpty())
        fx_->Error(this, error);
}

void Tfm_dvdcutter::SetBeginMark() {
    SetMark(true);
}

void Tfm_dvdcutter::SetEndMark() {
    SetMark(false);
}

void Tfm_dvdcutter::SetMark(bool begin) {
    const int row = player_ ? player_->PreviewRow() : -1;
    if (!jobs_ || !jobs_->Valid(row)) return;
    const QString text = display_->Text(PreviewPlayer::kCutSet.time);
    const int32_t t = HmsToSeconds(text.toStdString());
    TrimRecord trim = jobs_->At(row)->trim;
    // A range that ends before it begins would reach the encoder as a negative length.
    if (begin && t > trim.end) {
        fx_->Warning(this, tr("The begin time cannot be after the end time."));
        return;
    }
    if (!begin && t < trim.begin) {
        fx_->Warning(this, tr("The end time cannot be before the begin time."));
        return;
    }
    (begin ? trim.begin : trim.end) = t;
    jobs_->SetTrim(row, trim);
    display_->ShowText(begin ? "cut_begin_time" : "cut_end_time", text);
    if (QTreeWidgetItem* item = lv->topLevelItem(row)) item->setText(begin ? 1 : 2, text);
}

void Tfm_dvdcutter::JumpCut(int deltaSeconds) {
    if (!player_) return;
    const int t = HmsToSeconds(display_->Text(PreviewPlayer::kCutSet.time).toStdString());
    const int target = t + deltaSeconds;
    if (deltaSeconds < 0 && target <= 0) return;
    if (deltaSeconds > 0) {
        const Job* j = jobs_->At(player_->PreviewRow());
        if (!j || target >= j->trim.total) return;
    }
    player_->Jump(target);
}

}  // namespace vc
