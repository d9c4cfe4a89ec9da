#pragma once
// Ctrl+C (SIGINT) and SIGTERM as a Qt signal. The handler only writes the signal's number into
// a pipe: nothing else is safe inside it. The event loop reads the pipe and reports.
#include <QObject>

class QSocketNotifier;

namespace vc {

class StopSignals : public QObject {
    Q_OBJECT
  public:
    // Catches both signals from now on; one object at a time.
    explicit StopSignals(QObject* parent = nullptr);
    // The signals end the process again, as before.
    ~StopSignals() override;

  signals:
    // From the event loop, once per signal that arrived.
    void received(int signal);

  private:
    void Read();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vc
