#pragma once
// The last word before the machine is shut down after a batch: a count of seconds with a
// Cancel button. The dialog is accepted when the count runs out.
#include <QDialog>

class QLabel;
class QTimer;

namespace vc {

class ShutdownCountdown : public QDialog {
    Q_OBJECT
  public:
    explicit ShutdownCountdown(QWidget* parent, int seconds = 60);
    int SecondsLeft() const { return left_; }
    // One second passes (the dialog's own timer calls it).
    void Tick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void ShowLeft();
    QLabel* text_;
    QTimer* timer_;
    int left_;
};

}  // namespace vc
