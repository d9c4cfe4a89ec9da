#pragma once
// Two windows the program creates with the others but never shows.
#include <QDialog>

namespace vc {

class Tfm_about : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_about(QWidget* parent = nullptr) : QDialog(parent) { setObjectName("fm_about"); }
};

class Tfm_show : public QWidget {
    Q_OBJECT
  public:
    explicit Tfm_show(QWidget* parent = nullptr) : QWidget(parent) { setObjectName("fm_show"); }
};

}  // namespace vc
