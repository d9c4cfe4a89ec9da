#include "jobs/JobList.h"

#include <QFileInfo>
#include <QMimeData>
#include <algorithm>
#include <iterator>

#include "core/rates.h"
#include "core/timeutil.h"

namespace vc {

JobList::JobList(QObject* parent)
    : QAbstractTableModel(parent),
      headers_{QT_TR_NOOP("File Name"), QT_TR_NOOP("Width * Height"), QT_TR_NOOP("Time"),
               QT_TR_NOOP("Output Size"), QT_TR_NOOP("Status")} {}

bool JobList::FromProbe(const QString& path, const ProbeResult& pr, Job* job, QString* error) {
    CompletedRates rates =
        CompleteProbedRates({pr.totalRate, pr.videoRate, pr.audioRate, pr.pictureSize});
    if (!rates.ok()) {
        *error = QString::fromStdString(rates.error);
        return false;
    }
    job->caption = QFileInfo(path).fileName();
    if (int dot = job->caption.lastIndexOf('.'); dot > 0) job->caption = job->caption.left(dot);
    Toriginalinfo& info = job->info;
    info.sourcePath = path.toStdString();
    info.pictureSize = rates.pictureSize;
    info.videoRate = rates.video;
    info.audioRate = rates.audio;
    info.durationText = pr.durationText;
    info.exactDuration = pr.exactDuration;
    info.videoFormat = pr.videoFormat;
    info.audioFormat = pr.audioFormat;
    info.sampleRate = pr.sampleRate;
    info.channels = pr.channels;
    info.frameRate = pr.frameRate;
    info.sampleAspect = pr.sampleAspect == "1:1" ? std::string() : pr.sampleAspect;
    info.tracks = pr.tracks;
    const int32_t length = HmsToSeconds(pr.durationText);
    job->trim = {length, 0, length};
    return true;
}

QString JobList::Text(int row, int column) const {
    const Job* j = At(row);
    if (!j) return {};
    switch (column) {
        case CaptionColumn:
            return j->caption;
        case SizeColumn:
            return QString::fromStdString(j->info.pictureSize);
        case TimeColumn:
            return QString::fromStdString(j->info.durationText);
        case OutputColumn:
            return j->outputSize.isEmpty() ? j->sizeEstimate : j->outputSize;
        case StatusColumn:
            return j->previewStatus.isEmpty() ? j->status : j->previewStatus;
    }
    return {};
}

int JobList::NextChecked(int from) const {
    for (int i = std::max(from, 0); i < Count(); ++i)
        if (jobs_[static_cast<size_t>(i)].checked) return i;
    return -1;
}

int JobList::Append(Job job) {
    std::vector<Job> one;
    one.push_back(std::move(job));
    return AppendAll(std::move(one));
}

int JobList::AppendAll(std::vector<Job> jobs) {
    const int first = Count();
    if (jobs.empty()) return first;
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(jobs.size()) - 1);
    jobs_.insert(jobs_.end(), std::make_move_iterator(jobs.begin()),
                 std::make_move_iterator(jobs.end()));
    endInsertRows();
    return first;
}

std::vector<int> JobList::ValidRows(std::vector<int> rows) const {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return !Valid(r); }),
               rows.end());
    return rows;
}

void JobList::Remove(std::vector<int> rows) {
    rows = ValidRows(std::move(rows));
    std::vector<std::pair<int, Job>> removed;
    removed.reserve(rows.size());
    for (int row : rows) removed.emplace_back(row, jobs_[static_cast<size_t>(row)]);
    if (!removed.empty()) removed_ = std::move(removed);
    // From the last, so the earlier indexes stay valid.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        beginRemoveRows(QModelIndex(), *it, *it);
        jobs_.erase(jobs_.begin() + *it);
        endRemoveRows();
    }
}

void JobList::Clear() {
    if (!jobs_.empty()) {
        removed_.clear();
        for (size_t i = 0; i < jobs_.size(); ++i) removed_.emplace_back(int(i), jobs_[i]);
    }
    beginResetModel();
    jobs_.clear();
    endResetModel();
}

void JobList::Changed(int row, int first, int last) {
    emit dataChanged(index(row, first), index(row, last));
}

void JobList::SetCaption(int row, const QString& caption) {
    if (Job* j = Find(row)) {
        j->caption = caption;
        Changed(row, CaptionColumn, CaptionColumn);
    }
}

void JobList::SetStatus(int row, const QString& status, const QString& hint) {
    if (Job* j = Find(row)) {
        j->status = status;
        j->hint = hint;
        Changed(row, CaptionColumn, StatusColumn);
    }
}

void JobList::SetPreviewStatus(int row, const QString& status) {
    if (Job* j = Find(row); j && j->previewStatus != status) {
        j->previewStatus = status;
        Changed(row, StatusColumn, StatusColumn);
    }
}

void JobList::SetChecked(int row, bool checked) {
    if (Job* j = Find(row)) {
        j->checked = checked;
        Changed(row, CaptionColumn, CaptionColumn);
    }
}

void JobList::SetAllChecked(bool checked) {
    for (int i = 0; i < Count(); ++i) SetChecked(i, checked);
}

void JobList::SetTrim(int row, const TrimRecord& trim) {
    if (Job* j = Find(row)) j->trim = trim;
}

void JobList::SetChoice(int row, const TrackChoice& choice) {
    if (Job* j = Find(row); j && !(j->choice == choice)) {
        j->choice = choice;
        Changed(row, CaptionColumn, CaptionColumn);  // the kept list follows
    }
}

void JobList::SetTracks(int row, std::vector<MediaTrack> tracks) {
    if (Job* j = Find(row); j && j->info.tracks != tracks) {
        j->info.tracks = std::move(tracks);
        Changed(row, CaptionColumn, CaptionColumn);
    }
}

void JobList::SetDurationText(int row, const std::string& text) {
    if (Job* j = Find(row)) {
        j->info.durationText = text;
        Changed(row, TimeColumn, TimeColumn);
    }
}

void JobList::SetSizeEstimate(int row, const QString& text) {
    if (Job* j = Find(row)) {
        j->sizeEstimate = text;
        Changed(row, OutputColumn, OutputColumn);
    }
}

void JobList::SetOutputSize(int row, const QString& text) {
    if (Job* j = Find(row)) {
        j->outputSize = text;
        Changed(row, OutputColumn, OutputColumn);
    }
}

void JobList::SetLog(int row, const QStringList& log) {
    if (Job* j = Find(row)) j->log = log;
}

void JobList::SetHeader(int column, const QString& text) {
    if (column < 0 || column >= kColumns) return;
    headers_[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int JobList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int JobList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant JobList::data(const QModelIndex& index, int role) const {
    const Job* j = At(index.row());
    if (!j) return {};
    if (role == Qt::DisplayRole && index.column() == StatusColumn) {
        // The row keeps its status in English (the batch compares it); it shows translated.
        static const char* const kStatusWords[] = {QT_TR_NOOP("Status"), QT_TR_NOOP("Finish"),
                                                   QT_TR_NOOP("Error"),  QT_TR_NOOP("Stop"),
                                                   QT_TR_NOOP("Play"),   QT_TR_NOOP("Pause")};
        const QString text = Text(index.row(), index.column());
        for (const char* word : kStatusWords)
            if (text == QLatin1String(word)) return tr(word);
        return text;
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Text(index.row(), index.column());
    if (role == Qt::CheckStateRole && index.column() == CaptionColumn)
        return j->checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ToolTipRole && !j->hint.isEmpty()) return j->hint;
    return {};
}

bool JobList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != CaptionColumn || !Valid(index.row()))
        return false;
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

std::vector<int> JobList::UndoRemoval() {
    std::vector<int> rows;
    for (auto& [row, job] : removed_) {
        const int at = std::min(row, Count());
        beginInsertRows(QModelIndex(), at, at);
        jobs_.insert(jobs_.begin() + at, std::move(job));
        endInsertRows();
        rows.push_back(at);
    }
    removed_.clear();
    return rows;
}

std::vector<int> JobList::Move(std::vector<int> rows, int delta) {
    rows = ValidRows(std::move(rows));
    if (rows.empty() || delta == 0) return rows;
    const int step = delta < 0 ? -1 : 1;
    // Up: the first row first; down: the last first. A row stays when the place it would take
    // is the list's end or a moved row that stayed.
    std::vector<int> order = rows;
    if (step > 0) std::reverse(order.begin(), order.end());
    std::vector<int> moved;
    int blocked = step < 0 ? -1 : Count();
    for (int row : order) {
        const int target = row + step;
        if (target == blocked) {
            blocked = row;
            moved.push_back(row);
            continue;
        }
        // Qt's move names the place before which the row lands, counted before the move.
        beginMoveRows(QModelIndex(), row, row, QModelIndex(), step < 0 ? target : target + 1);
        std::swap(jobs_[static_cast<size_t>(row)], jobs_[static_cast<size_t>(target)]);
        endMoveRows();
        moved.push_back(target);
    }
    std::sort(moved.begin(), moved.end());
    return moved;
}

std::vector<int> JobList::MoveBefore(std::vector<int> rows, int before) {
    rows = ValidRows(std::move(rows));
    before = std::clamp(before, 0, Count());
    if (rows.empty()) return rows;
    std::vector<Job> taken;
    taken.reserve(rows.size());
    int dest = before;
    for (int row : rows) {
        taken.push_back(jobs_[static_cast<size_t>(row)]);
        if (row < before) --dest;
    }
    beginResetModel();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) jobs_.erase(jobs_.begin() + *it);
    jobs_.insert(jobs_.begin() + dest, taken.begin(), taken.end());
    endResetModel();
    std::vector<int> out(taken.size());
    for (size_t i = 0; i < out.size(); ++i) out[i] = dest + int(i);
    return out;
}

namespace {
constexpr const char* kRowsMime = "application/x-videoconverter-job-rows";
}

QStringList JobList::mimeTypes() const {
    return {QString::fromLatin1(kRowsMime)};
}

QMimeData* JobList::mimeData(const QModelIndexList& indexes) const {
    QStringList rows;
    for (const QModelIndex& i : indexes)
        if (i.column() == 0 && Valid(i.row())) rows << QString::number(i.row());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRowsMime), rows.join(',').toLatin1());
    return data;
}

bool JobList::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                           const QModelIndex& parent) {
    if (!data || action != Qt::MoveAction || !data->hasFormat(QString::fromLatin1(kRowsMime)))
        return false;
    std::vector<int> rows;
    for (const QByteArray& r : data->data(QString::fromLatin1(kRowsMime)).split(',')) {
        bool ok = false;
        const int v = r.toInt(&ok);
        if (ok) rows.push_back(v);
    }
    const int before = parent.isValid() ? parent.row() : row < 0 ? Count() : row;
    const std::vector<int> moved = MoveBefore(rows, before);
    if (!moved.empty()) emit rowsDropped(moved);
    return false;
}

Qt::ItemFlags JobList::flags(const QModelIndex& index) const {
    // Between rows (the root) takes a drop; rows themselves are dragged.
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    if (!Valid(index.row())) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == CaptionColumn) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant JobList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumns)
        return tr(headers_[section].toUtf8().constData());
    return {};
}

}  // namespace vc
