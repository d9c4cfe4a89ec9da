#pragma once
// The progress area of the main window: what the batch reports, shown on the skin's
// displays. It only shows: the batch keeps the figures and its own clock. Each job's figures
// start from zero; a finished job shows its file's real size and a failed one its reason until
// the next job shows its own; a paused batch says so; after a batch, what it did and wrote,
// until the next command. While jobs run side by side it shows the batch as a whole.
#include <QObject>
#include <QString>

#include "jobs/BatchRunner.h"

class QWidget;

namespace vc {

class SkinDisplay;

class ProgressDisplay : public QObject {
    Q_OBJECT
  public:
    ProgressDisplay(BatchRunner* batch, SkinDisplay* display, QWidget* videoPanel,
                    QObject* parent = nullptr);

    // Shows the figures of the batch's latest tick, and the batch's time left.
    void ShowTick();
    // Shows the current figures: file name, size, elapsed and remaining time.
    void ShowRunDisplays();
    // Jobs side by side: how many run, are done and are left, what they wrote, and the
    // batch's progress.
    void ShowBatchDisplays();
    // Jobs side by side: the batch's time so far, the time until the running jobs end, and
    // the batch's time left.
    void ShowBatchTimes();
    // The fill of "convertpos" with the encoder's line in "hint".
    void ShowFill(int value);
    // The line under the bar's right end: "Paused" or the batch's time left.
    QString Info() const { return info_; }
    // After a batch: the area goes back to how the skin shows it before any batch.
    void ShowIdle();

  private:
    void ShowInfo(const QString& text);
    void ShowSummary(bool ranToEnd);
    void OnJobEnded(int row, BatchRunner::Outcome outcome, const QString& reason);

    BatchRunner* batch_;
    SkinDisplay* display_;
    QWidget* videoPanel_;
    QString info_;
    bool summaryShown_ = false;
    QString lastError_;  // why the last job (side by side: the last failed one) failed
};

}  // namespace vc
