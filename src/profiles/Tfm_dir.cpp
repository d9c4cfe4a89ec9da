#include "profiles/Tfm_dir.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vc {

Tfm_dir::Tfm_dir(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_dir");
    setWindowTitle(tr("Output Directory"));
    setModal(true);
    resize(420, 460);
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    // Writable only so that a new folder can be named; the tree starts no edit by itself.
    model_->setReadOnly(false);
    ShellTreeView1 = new QTreeView(this);
    ShellTreeView1->setObjectName("ShellTreeView1");
    ShellTreeView1->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c) ShellTreeView1->hideColumn(c);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setRootIsDecorated(true);
    ShellTreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* label = new QLabel(tr("Folder:"), this);
    ed_path = new QLineEdit(this);
    ed_path->setObjectName("ed_path");
    ed_path->setClearButtonEnabled(true);
    label->setBuddy(ed_path);
    lb_note = new QLabel(this);
    lb_note->setObjectName("lb_note");
    lb_note->setWordWrap(true);
    lb_note->setStyleSheet("color: #f0a23b;");
    lb_note->hide();

    btn_new = new QPushButton(tr("New Folder"), this);
    btn_new->setObjectName("btn_new");
    btn_new->setAutoDefault(false);
    btn_ok = new QPushButton(tr("Ok"), this);
    btn_ok->setObjectName("btn_ok");
    btn_ok->setDefault(true);
    btn_cancel = new QPushButton(tr("Cancel"), this);
    btn_cancel->setObjectName("btn_cancel");
    btn_cancel->setAutoDefault(false);

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(ed_path, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_new);
    buttons->addStretch();
    buttons->addWidget(btn_ok);
    buttons->addWidget(btn_cancel);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(field);
    lay->addWidget(ShellTreeView1, 1);
    lay->addWidget(lb_note);
    lay->addLayout(buttons);

    connect(btn_ok, &QPushButton::clicked, this, &Tfm_dir::btn_okClick);
    connect(btn_cancel, &QPushButton::clicked, this, &Tfm_dir::btn_cancelClick);
    connect(btn_new, &QPushButton::clicked, this, &Tfm_dir::btn_newClick);
    connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!typing_ && index.isValid()) ed_path->setText(model_->filePath(index));
            });
    connect(ed_path, &QLineEdit::textEdited, this, [this] {
        ShowNote(QString());
        typing_ = true;
        if (QFileInfo(TypedPath()).isDir()) SelectInTree(TypedPath());
        typing_ = false;
    });
    // A new folder named in the tree: the field follows its name.
    connect(model_, &QFileSystemModel::fileRenamed, this,
            [this](const QString& folder, const QString& oldName, const QString& newName) {
                if (TypedPath() == QDir(folder).filePath(oldName))
                    ed_path->setText(QDir(folder).filePath(newName));
            });
    // The tree fills in as folders are read; keep the chosen one in sight.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this] {
        if (ShellTreeView1->currentIndex().isValid())
            ShellTreeView1->scrollTo(ShellTreeView1->currentIndex());
    });
}

QString Tfm_dir::TypedPath() const {
    QString text = ed_path->text().trimmed();
    if (text.isEmpty()) return {};
    if (text == "~" || text.startsWith("~/")) text = QDir::homePath() + text.mid(1);
    return QDir::cleanPath(QDir(QDir::homePath()).absoluteFilePath(text));
}

void Tfm_dir::ShowNote(const QString& text) {
    lb_note->setText(text);
    lb_note->setVisible(!text.isEmpty());
    if (text.isEmpty()) missingAsked_.clear();
}

void Tfm_dir::SelectInTree(const QString& folder) {
    const QModelIndex idx = model_->index(folder);
    if (!idx.isValid()) return;
    ShellTreeView1->setCurrentIndex(idx);
    ShellTreeView1->scrollTo(idx);
}

void Tfm_dir::SelectFolder(const QString& path) {
    const QString wanted = QDir::cleanPath(path);
    // The output folder may not exist yet: the tree shows the nearest folder that does.
    QString existing = wanted;
    while (!existing.isEmpty() && !QFileInfo(existing).isDir()) {
        const QString up = QFileInfo(existing).path();
        existing = up == existing ? QString() : up;
    }
    if (!existing.isEmpty()) SelectInTree(existing);
    ed_path->setText(wanted);
    ShowNote(QString());
}

void Tfm_dir::showEvent(QShowEvent* e) {
    if (ed_path->text().isEmpty()) SelectFolder(QDir::homePath());
    QDialog::showEvent(e);
    ed_path->setFocus();
}

void Tfm_dir::btn_okClick() {
    const QString path = TypedPath();
    if (path.isEmpty()) return;
    const QFileInfo info(path);
    if (!info.isDir()) {
        if (info.exists()) {
            ShowNote(tr("\"%1\" is a file, not a folder.").arg(path));
            return;
        }
        if (missingAsked_ != path) {
            ShowNote(tr("There is no folder \"%1\". Press Ok again to make it.").arg(path));
            missingAsked_ = path;
            return;
        }
        if (!QDir().mkpath(path)) {
            ShowNote(tr("The folder \"%1\" cannot be made.").arg(path));
            return;
        }
    }
    ChosenDirectory = path.toStdString();
    ShowNote(QString());
    accept();
}

void Tfm_dir::btn_cancelClick() {
    ChosenDirectory.clear();
    ShowNote(QString());
    QDialog::reject();
}

void Tfm_dir::btn_newClick() {
    QString parent = TypedPath();
    if (!QFileInfo(parent).isDir()) {
        const QModelIndex cur = ShellTreeView1->currentIndex();
        parent = cur.isValid() ? model_->filePath(cur) : QDir::homePath();
    }
    QString name = tr("New Folder");
    for (int n = 2; QFileInfo::exists(QDir(parent).filePath(name)); ++n)
        name = tr("New Folder %1").arg(n);
    const QModelIndex made = model_->mkdir(model_->index(parent), name);
    if (!made.isValid()) {
        ShowNote(tr("A folder cannot be made in \"%1\".").arg(parent));
        return;
    }
    ShowNote(QString());
    ShellTreeView1->setCurrentIndex(made);
    ShellTreeView1->scrollTo(made);
    ShellTreeView1->edit(made);
}

// The window's close box and Escape count as Cancel, so an earlier choice is never reused.
void Tfm_dir::reject() {
    btn_cancelClick();
}

}  // namespace vc
