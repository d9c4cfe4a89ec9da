#pragma once
// The cut window: a begin and an end mark per job, with its own preview.
#include <QDialog>

class QTreeWidget;

namespace vc {

class JobList;
class PreviewPlayer;
class SkinDisplay;
class SideEffects;

class Tfm_dvdcutter : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_dvdcutter(QWidget* parent = nullptr);

    // The jobs, the player and the displays this window works on.
    void Attach(JobList* jobs, PreviewPlayer* player, SkinDisplay* display, SideEffects* effects);

    // Places the window, lists every job with its marks and selects the first one.
    void FormShow();
    // Shows the marks of the selected job; nothing while a preview plays.
    void lvClick();
    // Stops a playback, writes every job's range length back into the job list. Runs once
    // per showing, however the window is closed.
    void FormClose();
    // Index of the selected row of the window's list, or -1.
    int SelectedRow() const;

    // Plays the selected job in this window's panel.
    void CutPlay();
    // The begin or end mark of the previewed job := the position shown.
    void SetBeginMark();
    void SetEndMark();
    // Jumps the playback by deltaSeconds, within the file.
    void JumpCut(int deltaSeconds);

    QTreeWidget* lv = nullptr;
    QWidget* pl_play = nullptr;

    void done(int result) override;

  signals:
    // The ranges were written back: the job list's lengths changed.
    void rangesChanged();

  private:
    // Sets the begin or end mark to the shown position, refusing a range that ends first.
    void SetMark(bool begin);

    JobList* jobs_ = nullptr;
    PreviewPlayer* player_ = nullptr;
    SkinDisplay* display_ = nullptr;
    SideEffects* fx_ = nullptr;
};

}  // namespace vc
