#include "preview/Tfm_dvdcutter.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "app/Tfm_main.h"
#include "core/timeutil.h"

namespace vc {

namespace {
QString Hms(int32_t s) {
    return QString::fromStdString(SecondsToHms(s));
}
}  // namespace

Tfm_dvdcutter::Tfm_dvdcutter(QWidget* parent)
    : QDialog(parent), main_(qobject_cast<Tfm_main*>(parent)) {
    setObjectName("fm_dvdcutter");
    setWindowTitle("Cut");
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint);
    resize(618, 501);
    pl_play = new QWidget(this);
    pl_play->setObjectName("pl_play");
    pl_play->setGeometry(99, 30, 344, 180);
    pl_play->setAttribute(Qt::WA_NativeWindow);
    pl_play->setStyleSheet("background:#000;");
    lv = new QTreeWidget(this);
    lv->setObjectName("lv");
    lv->setGeometry(12, 284, 523, 166);
    lv->setHeaderLabels({"Title", "Begin Time", "End Time"});
    lv->setColumnWidth(0, 120);
    lv->setColumnWidth(1, 90);
    lv->setColumnWidth(2, 90);
    lv->setRootIsDecorated(false);
    lv->header()->setSectionsClickable(false);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Keys move the selection as well as clicks do.
    connect(lv, &QTreeWidget::itemSelectionChanged, this, &Tfm_dvdcutter::lvClick);
}

int Tfm_dvdcutter::SelectedRow() const {
    const QList<QTreeWidgetItem*> sel = lv->selectedItems();
    return sel.isEmpty() ? -1 : lv->indexOfTopLevelItem(sel.first());
}

void Tfm_dvdcutter::FormShow() {
    if (!main_) return;
    main_->cutShown = true;
    move(main_->x() + 10, main_->y() + 80);
    lv->clear();
    QTreeWidget* mainList = main_->lv;
    const int rows =
        std::min<int>(mainList->topLevelItemCount(), static_cast<int>(main_->trims.size()));
    for (int i = 0; i < rows; ++i) {
        const TrimRecord& t = main_->trims[i];
        auto* item =
            new QTreeWidgetItem(lv, {mainList->topLevelItem(i)->text(0), Hms(t.begin), Hms(t.end)});
        item->setCheckState(0, Qt::Checked);
    }
    if (rows > 0) {
        const QSignalBlocker quiet(lv);
        lv->setCurrentItem(lv->topLevelItem(0));
        lv->topLevelItem(0)->setSelected(true);
    }
    if (rows > 0) {
        lvClick();
        main_->SetSkinVisible("cut_play_bar", false);
    }
}

void Tfm_dvdcutter::lvClick() {
    if (!main_ || main_->playing) return;
    const int row = SelectedRow();
    if (row < 0 || row >= static_cast<int>(main_->trims.size())) return;
    main_->previewRow = row;
    main_->SetSliderPosition("cut_play_bar", 0);
    main_->ShowText("cut_begin_time", Hms(main_->trims[row].begin));
    main_->ShowText("cut_end_time", Hms(main_->trims[row].end));
    main_->ShowText("cut_play_time", "00:00:00");
}

void Tfm_dvdcutter::FormClose() {
    if (!main_ || !main_->cutShown) return;
    if (main_->playing) main_->StopPlayback();
    // The window's rows are the main list's jobs in the same order; a list changed meanwhile
    // is only written as far as both still have rows.
    const int rows =
        std::min({lv->topLevelItemCount(), main_->lv->topLevelItemCount(),
                  static_cast<int>(main_->jobs.size()), static_cast<int>(main_->trims.size())});
    for (int i = 0; i < rows; ++i) {
        const TrimRecord& t = main_->trims[i];
        const std::string text = SecondsToHms(t.end - t.begin);
        main_->jobs[i].durationText = text;
        main_->lv->topLevelItem(i)->setText(2, QString::fromStdString(text));
    }
    main_->RefreshSizeEstimates();
    main_->cutShown = false;
}

void Tfm_dvdcutter::done(int result) {
    FormClose();
    QDialog::done(result);
}

}  // namespace vc
