// The job list: adding files and folders (each probed first), the rows and their records,
// removing, clearing, renaming, checking and the size estimates.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/Tfm_main.h"
#include "core/rates.h"
#include "core/timeutil.h"
#include "jobs/MediaProbe.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"

namespace vc {

namespace {
struct FilterEntry {
    const char* label;
    const char* patterns;
};
const FilterEntry kFilters[] = {
    {"All Support Format",
     "*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.asx;*.mov;*.dat;*.qt;*.vob;*.3gp;*.3g2;*.mp4;*.m4v;*.rm;*.rmvb;"
     "*.ram;*.mkv;*.flv;*.mjpg;*.mjpeg;*.ts;*.m2ts;*.h264;*.xwmv;*.yuv;*.qcp;"},
    {"WMV Format(*.wmv;*.asf;*.asx;)", "*.wmv;*.asf;*.asx;"},
    {"MPEG Format(*.mpg;*.mpeg;)", "*.mpg;*.mpeg;"},
    {"AVI Format(*.avi;)", "*.avi;"},
    {"Quick Time Format(*.qt;*.mov;)", "*.qt;*.mov;"},
    {"VCD Format(*.dat;)", "*.dat;"},
    {"MP4 Format(*.mp4;*.m4v;*.m4a)", "*.mp4;*.m4v;*.m4a;"},
    {"DVD Format(*.vob)", "*.vob;"},
    {"3GP Format(*.3gp)", "*.3gp;"},
    {"RM Format(*.rm;*.rmvb;*.ram;)", "*.rm;*.rmvb;*.ram;"},
    {"FLV Format(*.flv;)", "*.flv;"},
    {"QCP Format(*.qcp)", "*.qcp;"},
    {"All File(*.*)", "*;"},
};
const char* const kFolderExtensions[] = {".avi", ".mpg", ".vob", ".mpeg", ".3gp", ".mp4", ".flv",
                                         ".rm",  ".m4v", ".rmvb", ".wmv", ".asf", ".qt",  ".asx"};
}  // namespace

QString Tfm_main::OpenDialogFilter() const {
    // Qt separates patterns with blanks and wants them after the label in brackets.
    QStringList out;
    for (const auto& f : kFilters) {
        QString patterns = QString(f.patterns).split(';', Qt::SkipEmptyParts).join(' ');
        out << QString("%1 (%2)").arg(f.label, patterns);
    }
    return out.join(";;");
}

bool Tfm_main::AddMediaFile(const QString& path, QString* error) {
    ProbeResult pr;
    QString err;
    Probing = true;
    const bool ok = probe_->ProbeAndWait(QString::fromStdString(EncoderPath),
                                         QString::fromStdString(ProgramDirectory), path, pr, &err);
    Probing = false;
    if (!ok) {
        if (error) *error = err;
        return false;
    }
    QString caption = QFileInfo(path).fileName();
    if (int dot = caption.lastIndexOf('.'); dot > 0) caption = caption.left(dot);

    CompletedRates rates = CompleteProbedRates({pr.totalRate, pr.videoRate, pr.audioRate, pr.pictureSize});
    if (!rates.ok()) {
        if (error) *error = QString::fromStdString(rates.error);
        return false;
    }
    Toriginalinfo info;
    info.sourcePath = path.toStdString();
    info.pictureSize = rates.pictureSize;
    info.videoRate = rates.video;
    info.audioRate = rates.audio;
    info.durationText = pr.durationText;
    info.videoFormat = pr.videoFormat;
    info.audioFormat = pr.audioFormat;
    info.sampleRate = pr.sampleRate;
    info.channels = pr.channels;
    info.frameRate = pr.frameRate;
    TrimRecord trim;
    trim.begin = 0;
    trim.end = trim.total = HmsToSeconds(pr.durationText);
    AppendJob(caption, info, trim);
    return true;
}

void Tfm_main::AppendJob(const QString& caption, const Toriginalinfo& info, const TrimRecord& trim) {
    auto* item = new QTreeWidgetItem(lv);
    JobIndex = lv->indexOfTopLevelItem(item);
    const int rows = lv->topLevelItemCount();
    jobs.resize(rows);
    trims.resize(rows);
    jobs[JobIndex] = info;
    trims[JobIndex] = trim;
    RateResult total = JobTotalRate(profile, fm_set_->Boxes(), info);
    item->setText(0, caption);
    item->setText(1, QString::fromStdString(info.pictureSize));
    item->setText(2, QString::fromStdString(info.durationText));
    item->setText(3, QString::fromStdString(FormatSizeEstimate(total.kbps, trim.total)));
    item->setText(4, "Status");
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
}

void Tfm_main::AddFiles() {
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    const QStringList files = fx_->OpenFiles(this, "Add File", OpenDialogFilter());
    if (!files.isEmpty()) {
        lv->setVisible(true);
        for (const QString& f : files) {
            QString err;
            if (!AddMediaFile(f, &err) && !AddMediaFile(f, &err))
                fx_->Information(this, QFileInfo(f).fileName() + " is not support!");
        }
    }
    if (lv->topLevelItemCount() > 0 && lv->selectedItems().isEmpty()) lv->topLevelItem(0)->setSelected(true);
    lvClick();
    UpdateCommandState();
}

void Tfm_main::AddFolder() {
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    fm_dir_->setWindowTitle("File Directory");
    fm_dir_->ChosenDirectory.clear();
    fx_->ExecDialog(fm_dir_);
    if (fm_dir_->ChosenDirectory.empty()) return;
    const QString folder = QString::fromStdString(fm_dir_->ChosenDirectory);
    lv->setVisible(true);
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& e : entries) {
        const QString name = e.fileName();
        const int dot = name.lastIndexOf('.');
        if (dot < 0) continue;
        const std::string ext = name.mid(dot).toLower().toStdString();
        bool wanted = false;
        for (const char* x : kFolderExtensions) wanted = wanted || ext == x;
        if (!wanted) continue;
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const QString path = folder + "/" + name;
        QString err;
        if (!AddMediaFile(path, &err) && !AddMediaFile(path, &err))
            fx_->Information(this, name + " is not support!");
    }
    if (lv->topLevelItemCount() > 0 && lv->selectedItems().isEmpty()) lv->topLevelItem(0)->setSelected(true);
    UpdateCommandState();
}

void Tfm_main::lvClick() {
    if (Converting || playing) return;
    UpdateCommandState();
    QList<QTreeWidgetItem*> sel = lv->selectedItems();
    if (sel.isEmpty()) return;
    QTreeWidgetItem* item = lv->currentItem() && lv->currentItem()->isSelected() ? lv->currentItem() : sel.first();
    const int row = lv->indexOfTopLevelItem(item);
    if (row < 0 || row >= static_cast<int>(jobs.size())) return;
    ShowText("alltime", QString::fromStdString(jobs[row].durationText));
    previewRow = row;
}

void Tfm_main::RemoveSelectedJobs() {
    if (playing) {
        fx_->Warning(this, LanguageText(27));
        return;
    }
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (lv->selectedItems().isEmpty()) return;
    int last = -1;
    int i = 0;
    const int steps = lv->topLevelItemCount();
    for (int step = 0; step < steps && i < lv->topLevelItemCount(); ++step) {
        if (lv->topLevelItem(i)->isSelected()) {
            jobs.erase(jobs.begin() + i);
            trims.erase(trims.begin() + i);
            delete lv->takeTopLevelItem(i);
            last = i;
        } else {
            ++i;
        }
    }
    UpdateCommandState();
    const int rows = lv->topLevelItemCount();
    if (rows > 0) {
        lv->clearSelection();
        QTreeWidgetItem* item = lv->topLevelItem(std::min(last, rows - 1));
        item->setSelected(true);
        lv->setCurrentItem(item);
        lv->setFocus();
    }
}

void Tfm_main::ClearJobs() {
    if (playing) {
        fx_->Warning(this, LanguageText(27));
        return;
    }
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (lv->topLevelItemCount() > 0 && fx_->Confirm(this, LanguageText(29))) {
        lv->clear();
        jobs.clear();
        trims.clear();
    }
    UpdateCommandState();
}

void Tfm_main::RenameJob() {
    QTreeWidgetItem* cur = lv->currentItem();
    if (!cur || !isActiveWindow()) return;
    const QRect r = lv->visualItemRect(cur);
    edt_tit->setGeometry(0, r.top() - 1, lv->columnWidth(0), 18);
    edt_tit->setText(cur->text(0));
    renameRow = lv->indexOfTopLevelItem(cur);
    edt_tit->show();
    edt_tit->setFocus();
}

void Tfm_main::CommitRename() {
    if (!edt_tit->isVisible()) return;
    edt_tit->hide();
    const QString text = edt_tit->text();
    if (!text.isEmpty() && renameRow >= 0 && renameRow < lv->topLevelItemCount())
        lv->topLevelItem(renameRow)->setText(0, text);
}

void Tfm_main::CheckAll(bool checked) {
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        lv->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void Tfm_main::RefreshSizeEstimates() {
    const int rows = std::min<int>(lv->topLevelItemCount(), static_cast<int>(jobs.size()));
    // The row being estimated is passed directly: the batch's JobIndex must not move.
    for (int i = 0; i < rows; ++i) {
        RateResult total = JobTotalRate(profile, fm_set_->Boxes(), jobs[i]);
        lv->topLevelItem(i)->setText(
            3, QString::fromStdString(FormatSizeEstimate(total.kbps, HmsToSeconds(jobs[i].durationText))));
    }
}

}  // namespace vc
