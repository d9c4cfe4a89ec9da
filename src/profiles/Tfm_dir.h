#pragma once
// The folder dialog: a tree of folders only; OK gives the chosen folder, Cancel or the
// window's close box gives nothing.
#include <QDialog>
#include <string>

class QTreeView;
class QFileSystemModel;
class QPushButton;

namespace vc {

class Tfm_dir : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_dir(QWidget* parent = nullptr);
    std::string ChosenDirectory;
    // Selects a folder in the tree (used to open on the current folder, and by tests).
    void SelectFolder(const QString& path);

    QTreeView* ShellTreeView1 = nullptr;
    QPushButton* btn_ok = nullptr;
    QPushButton* btn_cancel = nullptr;

    void btn_okClick();
    void btn_cancelClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void reject() override;

  private:
    QFileSystemModel* model_ = nullptr;
};

}  // namespace vc
