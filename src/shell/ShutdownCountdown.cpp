#include "shell/ShutdownCountdown.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vc {

ShutdownCountdown::ShutdownCountdown(QWidget* parent, int seconds)
    : QDialog(parent), left_(seconds) {
    setObjectName("fm_shutdown");
    setWindowTitle(tr("Shut down"));
    text_ = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(text_);
    lay->addWidget(buttons);
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &ShutdownCountdown::Tick);
    ShowLeft();
}

void ShutdownCountdown::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    timer_->start();
}

void ShutdownCountdown::ShowLeft() {
    text_->setText(
        tr("The conversion has finished. The computer shuts down in %1 seconds.").arg(left_));
}

void ShutdownCountdown::Tick() {
    if (left_ > 0) --left_;
    ShowLeft();
    if (left_ == 0) {
        timer_->stop();
        accept();
    }
}

}  // namespace vc
