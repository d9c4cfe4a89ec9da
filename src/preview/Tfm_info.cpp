#include "preview/Tfm_info.h"

namespace vc {

Tfm_info::Tfm_info(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_info");
    setWindowTitle("Properties");
    setModal(true);
}

}  // namespace vc
