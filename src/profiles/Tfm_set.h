#pragma once
// The format settings dialog. Its four boxes are the live format settings of the selected
// profile: they exist for the whole run and conversions read them directly.
#include <QDialog>
#include <functional>
#include <memory>

#include "core/choicebox.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QButtonGroup;
class QRadioButton;

namespace vc {

class SideEffects;

class Tfm_set : public QDialog {
    Q_OBJECT
  public:
    explicit Tfm_set(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QComboBox* cb_size = nullptr;
    QComboBox* cb_videobitrate = nullptr;
    QComboBox* cb_audiobitrate = nullptr;
    QComboBox* cb_channel = nullptr;
    QGroupBox* rg_finish = nullptr;
    QButtonGroup* rg_finishGroup = nullptr;
    QPushButton* Button1 = nullptr;  // OK
    QPushButton* Button2 = nullptr;  // Cancel

    // Chosen item of the finish group (0 nothing, 1 open folder, 2 shut down).
    int FinishItem() const;
    void SetFinishItem(int item);

    // Set by the main window: the finish action in force, what OK does, and the
    // side-effect interface for the size warning.
    std::function<int()> currentFinishAction;
    std::function<void(int finishItem)> onOk;
    SideEffects* effects = nullptr;

    // The four boxes as the live format settings.
    FormatBoxes Boxes();

    void Button1Click();
    void Button2Click();
    // The size check when the focus leaves cb_size; returns the number of warnings shown.
    int CheckSize();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    std::unique_ptr<ChoiceBox> size_, video_, audio_, channel_;
    bool checkingSize_ = false;
};

}  // namespace vc
