#pragma once
// The cut window: a begin and an end mark per job, with its own preview.
#include <QDialog>

class QTreeWidget;

namespace vc {

class Tfm_dvdcutter : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_dvdcutter(QWidget* parent = nullptr);
    QTreeWidget* lv = nullptr;
    QWidget* pl_play = nullptr;
};

}  // namespace vc
