#include "profiles/Tfm_dir.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vc {

Tfm_dir::Tfm_dir(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_dir");
    setWindowTitle("Output Directory");
    setModal(true);
    resize(380, 420);
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    ShellTreeView1 = new QTreeView(this);
    ShellTreeView1->setObjectName("ShellTreeView1");
    ShellTreeView1->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c) ShellTreeView1->hideColumn(c);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setRootIsDecorated(true);
    btn_ok = new QPushButton("Ok", this);
    btn_ok->setObjectName("btn_ok");
    btn_ok->setDefault(true);
    btn_cancel = new QPushButton("Cancel", this);
    btn_cancel->setObjectName("btn_cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_ok);
    buttons->addWidget(btn_cancel);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(ShellTreeView1);
    lay->addLayout(buttons);
    connect(btn_ok, &QPushButton::clicked, this, &Tfm_dir::btn_okClick);
    connect(btn_cancel, &QPushButton::clicked, this, &Tfm_dir::btn_cancelClick);
}

void Tfm_dir::SelectFolder(const QString& path) {
    QModelIndex idx = model_->index(path);
    if (!idx.isValid()) return;
    ShellTreeView1->setCurrentIndex(idx);
    ShellTreeView1->scrollTo(idx);
}

void Tfm_dir::showEvent(QShowEvent* e) {
    if (!ShellTreeView1->currentIndex().isValid()) SelectFolder(QDir::homePath());
    QDialog::showEvent(e);
}

void Tfm_dir::btn_okClick() {
    QModelIndex idx = ShellTreeView1->currentIndex();
    ChosenDirectory = idx.isValid() ? model_->filePath(idx).toStdString() : std::string();
    if (!ChosenDirectory.empty()) accept();
}

void Tfm_dir::btn_cancelClick() {
    ChosenDirectory.clear();
    QDialog::reject();
}

// The window's close box and Escape count as Cancel, so an earlier choice is never reused.
void Tfm_dir::reject() {
    btn_cancelClick();
}

}  // namespace vc
