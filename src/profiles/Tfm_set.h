#pragma once
// The format settings dialog. Its four boxes show the session's format choices and change
// them as the user picks or types (Cancel undoes nothing); OK takes the finish action and how
// a batch runs, and remembers the profile's choices.
#include <QDialog>
#include <memory>

#include "core/choicebox.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace vc {

class ConversionSession;
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
    // How a batch runs: jobs at once and the encoders' priority.
    QGroupBox* gb_run = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cb_jobs = nullptr;  // "Auto", then 1 .. the number of cores
    QCheckBox* chk_lowpriority = nullptr;
    // The interface language: "System", English, then each shipped language by its own name;
    // the item's data is the stored setting ("" for the system's).
    QGroupBox* gb_language = nullptr;
    QComboBox* cb_language = nullptr;
    QLabel* lb_languagenote = nullptr;
    QPushButton* Button1 = nullptr;  // OK
    QPushButton* Button2 = nullptr;  // Cancel

    // Chosen item of the finish group (0 nothing, 1 open folder, 2 shut down).
    int FinishItem() const;
    void SetFinishItem(int item);
    // Jobs at once as chosen (0 automatic), and shown.
    int JobsItem() const;
    void SetJobsItem(int simultaneous);

    // Set by the main window: the side-effect interface for the warnings.
    SideEffects* effects = nullptr;

    // Shows the session's choices from now on and changes them as the user does.
    void Bind(ConversionSession* session);

    void Button1Click();
    void Button2Click();
    // The size check when the focus leaves cb_size; returns the number of warnings shown.
    int CheckSize();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // The four boxes seen through the box model.
    FormatBoxes Boxes();
    void ShowSessionFormats();
    void TakeFormats();

    ConversionSession* session_ = nullptr;
    std::unique_ptr<ChoiceBox> size_, video_, audio_, channel_;
    bool checkingSize_ = false;
    bool showing_ = false;  // the boxes are being filled from the session
};

}  // namespace vc
