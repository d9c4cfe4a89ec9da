#pragma once
// Properties of a job: what the probe found, read-only. A stream the file does not have
// shows no values, and a trimmed job's duration says how much of the whole it keeps.
#include <QDialog>

#include "core/jobrecords.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vc {

class Tfm_info : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_info(QWidget* parent = nullptr);
    // Fills the nine edit boxes from one job.
    void FormShow(const Toriginalinfo& info, const TrimRecord& trim);
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
    QListWidget* lb_tracks = nullptr;  // every sound track and subtitle
    QPushButton* Button1 = nullptr;
};

}  // namespace vc
