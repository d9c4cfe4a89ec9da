#pragma once
// Properties of a job: what the probe found, read-only.
#include <QDialog>

#include "core/jobrecords.h"

class QLineEdit;
class QPushButton;

namespace vc {

class Tfm_info : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_info(QWidget* parent = nullptr);
    // Copies the nine values of one job into the edit boxes, as stored.
    void FormShow(const Toriginalinfo& info);
    void Button1Click();

    QLineEdit* ed_duration = nullptr;
    QLineEdit* ed_videobit = nullptr;
    QLineEdit* ed_videoformat = nullptr;
    QLineEdit* ed_resolution = nullptr;
    QLineEdit* ed_frame = nullptr;
    QLineEdit* ed_audioformat = nullptr;
    QLineEdit* ed_audiobit = nullptr;
    QLineEdit* ed_sample = nullptr;
    QLineEdit* ed_channels = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace vc
