#pragma once
// Properties of a job: what the probe found.
#include <QDialog>

namespace vc {

class Tfm_info : public QDialog {
    Q_OBJECT
public:
    explicit Tfm_info(QWidget* parent = nullptr);
};

}  // namespace vc
