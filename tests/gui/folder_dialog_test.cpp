// The folder dialog: a typed path, a folder that does not exist yet, new folders, and Cancel.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include "profiles/Tfm_dir.h"

using namespace vc;

namespace {
QString Selected(const Tfm_dir& d) {
    auto* model = static_cast<QFileSystemModel*>(d.ShellTreeView1->model());
    return model->filePath(d.ShellTreeView1->currentIndex());
}
}  // namespace

TEST(FolderDialog, TypedPathsMissingFoldersNewFoldersAndCancel) {
    QTemporaryDir root;
    const QString base = QFileInfo(root.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(base).mkpath("Videos/holiday"));
    QFile file(base + "/notes.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Tfm_dir d;

    // Opens on the output folder as the window writes it, even before it exists.
    d.SelectFolder(base + "/Videos/later/");
    EXPECT_EQ(d.ed_path->text(), base + "/Videos/later");
    EXPECT_EQ(Selected(d), base + "/Videos") << "the tree shows the nearest folder there is";
    // OK on a missing folder first says so; OK again makes it.
    d.btn_okClick();
    EXPECT_TRUE(d.ChosenDirectory.empty());
    EXPECT_FALSE(d.lb_note->isHidden());
    EXPECT_FALSE(QFileInfo::exists(base + "/Videos/later"));
    d.btn_okClick();
    EXPECT_EQ(d.ChosenDirectory, QString(base + "/Videos/later").toStdString());
    EXPECT_TRUE(QFileInfo(base + "/Videos/later").isDir());

    struct Case {
        QString typed;
        QString chosen;  // empty: the dialog stays open, even after a second OK
    } cases[] = {
        {base + "/Videos/holiday/../holiday/", base + "/Videos/holiday"},
        {"~", QDir::homePath()},
        {base + "/notes.txt", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) {
        d.ChosenDirectory.clear();
        d.ed_path->setText(c.typed);
        d.btn_okClick();
        d.btn_okClick();
        EXPECT_EQ(QString::fromStdString(d.ChosenDirectory), c.chosen) << c.typed.toStdString();
    }
    EXPECT_TRUE(QFileInfo(base + "/notes.txt").isFile()) << "a file is never made a folder";

    // New Folder: made in the typed folder under a free name, selected and in the field.
    for (const char* name : {"New Folder", "New Folder 2"}) {
        d.ed_path->setText(base + "/Videos");
        d.btn_newClick();
        EXPECT_TRUE(QFileInfo(base + "/Videos/" + name).isDir()) << name;
        EXPECT_EQ(d.ed_path->text(), base + "/Videos/" + name);
    }
    // Naming it in the tree renames it, and the field follows.
    auto* model = static_cast<QFileSystemModel*>(d.ShellTreeView1->model());
    ASSERT_TRUE(model->setData(d.ShellTreeView1->currentIndex(), "Clips"));
    EXPECT_TRUE(QFileInfo(base + "/Videos/Clips").isDir());
    EXPECT_EQ(d.ed_path->text(), base + "/Videos/Clips");

    // Cancel, and the window's close box, give nothing.
    d.ChosenDirectory = "earlier";
    d.btn_cancelClick();
    EXPECT_TRUE(d.ChosenDirectory.empty());
    d.show();
    d.ChosenDirectory = "earlier";
    d.close();
    EXPECT_TRUE(d.ChosenDirectory.empty());
}
