#pragma once
// What follows a batch that ran to its end: a word on the desktop when nobody watches the
// window, the failed jobs named with their reasons, then the finish action the user chose
// (open the output folder, or shut down once nobody cancels within a minute).
#include <QObject>
#include <functional>

class QSystemTrayIcon;
class QWidget;

namespace vc {

class BatchRunner;
class ConversionSession;
class SideEffects;

class BatchEndActions : public QObject {
    Q_OBJECT
  public:
    // The finish action is the session's as the batch ends.
    BatchEndActions(BatchRunner* batch, ConversionSession* session, QWidget* window,
                    SideEffects* effects, std::function<QSystemTrayIcon*()> trayIcon);

  private:
    void OnBatchEnded(bool ranToEnd);

    BatchRunner* batch_;
    ConversionSession* session_;
    QWidget* window_;
    SideEffects* fx_;
    std::function<QSystemTrayIcon*()> trayIcon_;
};

}  // namespace vc
