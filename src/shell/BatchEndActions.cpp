#include "shell/BatchEndActions.h"

#include <QSystemTrayIcon>
#include <QWidget>

#include "jobs/BatchRunner.h"
#include "jobs/ConversionSession.h"
#include "shell/ShutdownCountdown.h"
#include "shell/SideEffects.h"

namespace vc {

BatchEndActions::BatchEndActions(BatchRunner* batch, ConversionSession* session, QWidget* window,
                                 SideEffects* effects, std::function<QSystemTrayIcon*()> trayIcon)
    : QObject(window),
      batch_(batch),
      session_(session),
      window_(window),
      fx_(effects),
      trayIcon_(std::move(trayIcon)) {
    connect(batch_, &BatchRunner::batchEnded, this, &BatchEndActions::OnBatchEnded);
}

void BatchEndActions::OnBatchEnded(bool ranToEnd) {
    if (!ranToEnd) return;
    const int done = batch_->FinishedCount(), failed = batch_->FailedCount();
    // Nobody watches a hidden or covered window: the desktop says the batch is over.
    if (!window_->isVisible() || window_->isMinimized() || !window_->isActiveWindow()) {
        const QString text = tr("%1 converted, %2 failed").arg(done).arg(failed);
        const QString folder = done > 0 ? batch_->OutputDirectory() : QString();
        // The desktop's notification service, with "Open folder"; the tray's balloon without.
        QSystemTrayIcon* tray = trayIcon_();
        if (!fx_->Notify(tr("Conversion finished"), text, folder) && tray && tray->isVisible())
            tray->showMessage(tr("Conversion finished"), text);
    }
    if (failed > 0) {
        QStringList lines;
        for (const BatchRunner::Failure& f : batch_->Failures())
            lines << f.caption + ": " + f.reason;
        fx_->Warning(
            window_,
            tr("%1 of the jobs could not be converted:\n\n%2").arg(failed).arg(lines.join('\n')));
    }
    using Finish = ConversionSession::FinishAction;
    const Finish action = session_->Finish();
    if (action == Finish::OpenFolder) {
        fx_->OpenFolder(batch_->OutputDirectory());
    } else if (action == Finish::ShutDown) {
        // A way back: the machine goes down only when nobody cancels within a minute.
        ShutdownCountdown countdown(window_);
        if (fx_->ExecDialog(&countdown) == QDialog::Accepted) fx_->Shutdown();
    }
}

}  // namespace vc
