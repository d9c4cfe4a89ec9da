#pragma once
// The cut window: a begin and an end mark per job, with its own preview.
#include <QDialog>

class QTreeWidget;

namespace vc {

class Tfm_main;

class Tfm_dvdcutter : public QDialog {
    Q_OBJECT
  public:
    // The parent is the main window, whose jobs and player this window works on.
    explicit Tfm_dvdcutter(QWidget* parent = nullptr);

    // Places the window, lists every job with its marks and selects the first one.
    void FormShow();
    // Shows the marks of the selected job; nothing while a preview plays.
    void lvClick();
    // Stops a playback, writes every job's range length back into the main list. Runs once
    // per showing, however the window is closed.
    void FormClose();
    // Index of the selected row of the window's list, or -1.
    int SelectedRow() const;

    QTreeWidget* lv = nullptr;
    QWidget* pl_play = nullptr;

    void done(int result) override;

  private:
    Tfm_main* main_ = nullptr;
};

}  // namespace vc
