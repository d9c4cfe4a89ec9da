#include "preview/Tfm_dvdcutter.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace vc {

Tfm_dvdcutter::Tfm_dvdcutter(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_dvdcutter");
    setWindowTitle("Cut");
    setModal(true);
    resize(618, 501);
    pl_play = new QWidget(this);
    pl_play->setObjectName("pl_play");
    pl_play->setGeometry(99, 30, 344, 180);
    pl_play->setAttribute(Qt::WA_NativeWindow);
    pl_play->setStyleSheet("background:#000;");
    lv = new QTreeWidget(this);
    lv->setObjectName("lv");
    lv->setGeometry(12, 284, 523, 166);
    lv->setHeaderLabels({"Title", "Begin Time", "End Time"});
    lv->setColumnWidth(0, 120);
    lv->setColumnWidth(1, 90);
    lv->setColumnWidth(2, 90);
    lv->setRootIsDecorated(false);
    lv->header()->setSectionsClickable(false);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

}  // namespace vc
