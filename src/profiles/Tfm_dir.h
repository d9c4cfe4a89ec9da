#pragma once
// The folder dialog: a tree of folders only and a field to type a path in, with a way to make
// a new folder. OK gives the chosen folder (a typed one that does not exist yet is made after
// a second OK), Cancel or the window's close box gives nothing.
#include <QDialog>
#include <string>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace vc {

class Tfm_dir : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_dir(QWidget* parent = nullptr);
    std::string ChosenDirectory;
    // Opens on a folder: the field shows the path and the tree its nearest existing folder
    // (used to open on the current output folder, and by tests).
    void SelectFolder(const QString& path);

    QTreeView* ShellTreeView1 = nullptr;
    QLineEdit* ed_path = nullptr;
    QLabel* lb_note = nullptr;
    QPushButton* btn_new = nullptr;
    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;

    void btn_okClick();
    void btn_cancelClick();
    // Makes a folder in the selected one and lets the user name it.
    void btn_newClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void reject() override;

  private:
    // The field's path, absolute and clean; "~" is the home folder and a relative path lies in
    // it. Empty for an empty field.
    QString TypedPath() const;
    void ShowNote(const QString& text);
    void SelectInTree(const QString& folder);

    QFileSystemModel* model_ = nullptr;
    // A missing folder the user was told about: OK with the same path again makes it.
    QString missingAsked_;
    // Set while the field is typed into, so that the tree following it leaves the field alone.
    bool typing_ = false;
};

}  // namespace vc
