#pragma once
// The job list: one row per added file with its caption, media information, trim marks,
// check mark and status. The main window's list view shows it as a table model; everything
// else reads and writes rows here, by index, with out-of-range rows ignored.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "core/jobrecords.h"
#include "core/probeparse.h"

namespace vc {

struct Job {
    QString caption;
    Toriginalinfo info;
    TrimRecord trim;
    TrackChoice choice;
    bool checked = true;
    // The conversion's status: "Status" before any run, a percentage, "Finish", "Error", "Stop".
    QString status = QStringLiteral("Status");
    // While the job is previewed, "Play" or "Pause" shows over the conversion's status.
    QString previewStatus;
    QString sizeEstimate;
    // The size of the file the row's last run wrote; shown instead of the estimate while set.
    QString outputSize;
    // Why the last run failed, shown as the row's hint; empty otherwise.
    QString hint;
    // The encoder's output of the row's last conversion run.
    QStringList log;
};

class JobList : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { CaptionColumn, SizeColumn, TimeColumn, OutputColumn, StatusColumn, kColumns };

    explicit JobList(QObject* parent = nullptr);

    // The job of a probed file: caption from the file name, completed rates, whole length.
    // False with the reason when the probe's figures make no job.
    static bool FromProbe(const QString& path, const ProbeResult& probe, Job* job, QString* error);

    int Count() const { return static_cast<int>(jobs_.size()); }
    bool Valid(int row) const { return row >= 0 && row < Count(); }
    // The row's job; null when there is no such row.
    const Job* At(int row) const { return Valid(row) ? &jobs_[static_cast<size_t>(row)] : nullptr; }
    // The text a column shows for a row; empty for no such row.
    QString Text(int row, int column) const;
    bool Checked(int row) const { return Valid(row) && jobs_[static_cast<size_t>(row)].checked; }
    // First checked row at or after `from`, or -1.
    int NextChecked(int from) const;

    // Appends a row and returns its index.
    int Append(Job job);
    // Appends the rows in one insertion (one update of the view); returns the first's index.
    int AppendAll(std::vector<Job> jobs);
    // Removes the given rows (any order, duplicates ignored). The last Remove or Clear can be
    // undone once.
    void Remove(std::vector<int> rows);
    void Clear();
    bool CanUndoRemoval() const { return !removed_.empty(); }
    // Puts the rows of the last Remove or Clear back where they were (as far as the list now
    // reaches) and answers their indexes; nothing when there is nothing to undo.
    std::vector<int> UndoRemoval();
    // Moves the rows one place up (delta < 0) or down, each keeping its neighbours among the
    // moved rows; a block at the list's end stays. Answers the rows' new indexes.
    std::vector<int> Move(std::vector<int> rows, int delta);
    // Moves the rows, in their order, to stand before the row `before` (Count(): at the end).
    std::vector<int> MoveBefore(std::vector<int> rows, int before);

    void SetCaption(int row, const QString& caption);
    void SetStatus(int row, const QString& status, const QString& hint = QString());
    // Shows a preview's state in the row; an empty text shows the conversion's status again.
    void SetPreviewStatus(int row, const QString& status);
    void SetChecked(int row, bool checked);
    void SetAllChecked(bool checked);
    void SetTrim(int row, const TrimRecord& trim);
    void SetChoice(int row, const TrackChoice& choice);
    // The job's sound tracks and subtitles, as a subtitle file the user names joins them.
    void SetTracks(int row, std::vector<MediaTrack> tracks);
    void SetDurationText(int row, const std::string& text);
    void SetSizeEstimate(int row, const QString& text);
    // The written file's size after a finished run; empty when the row runs again.
    void SetOutputSize(int row, const QString& text);
    void SetLog(int row, const QStringList& log);
    void SetHeader(int column, const QString& text);

    // The table model the list view shows.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  signals:
    // Rows were dragged to a new place; their new indexes.
    void rowsDropped(const std::vector<int>& rows);

  public:
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Rows are dragged within the list to reorder them.
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // Moves the dragged rows itself and answers false, so the view removes nothing.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

  private:
    // The rows given that name a job, each once, in order.
    std::vector<int> ValidRows(std::vector<int> rows) const;
    Job* Find(int row) { return Valid(row) ? &jobs_[static_cast<size_t>(row)] : nullptr; }
    void Changed(int row, int first, int last);

    std::vector<Job> jobs_;
    std::vector<std::pair<int, Job>> removed_;  // ascending rows, for the undo
    QString headers_[kColumns];
};

}  // namespace vc
