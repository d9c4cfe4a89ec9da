#pragma once
// The main window: builds the widgets, wires every command to the unit that carries it out
// (job list, batch, player, picker, skin display) and keeps the handler names of the window
// design as short forwards to them.
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "app/MainMenus.h"
#include "core/commandstate.h"
#include "core/invocation.h"
#include "core/jobrecords.h"
#include "core/layoutfile.h"
#include "jobs/BatchRunner.h"
#include "jobs/ConversionSession.h"
#include "jobs/JobList.h"
#include "preview/PreviewPlayer.h"
#include "profiles/ProfilePicker.h"
#include "shell/BackgroundTray.h"
#include "shell/ProgressDisplay.h"
#include "shell/SideEffects.h"
#include "shell/SkinDisplay.h"
#include "shell/TrackChoiceBoxes.h"

class QTreeView;
class QLineEdit;
class QComboBox;
class QMenu;
class QTimer;
class QSystemTrayIcon;

namespace vc {

class PictureButton;
class RenameEditor;
class PictureLabel;
class Tfm_dir;
class Tfm_set;
class Tfm_info;
class Tfm_dvdcutter;
class JobListKeeper;
class KeyFilter;
class WindowLayout;
class JobIntake;
class Snapshot;

class Tfm_main : public QWidget, public MainMenus {
    Q_OBJECT
  public:
    explicit Tfm_main(SideEffects* effects, QWidget* parent = nullptr);
    ~Tfm_main() override;

    // The secondary windows, created after the main window in the program body.
    void AttachWindows(Tfm_dir* dir, Tfm_set* set, Tfm_info* info, Tfm_dvdcutter* cutter);

    // ---- the units the window wires together
    ConversionSession& Session() { return session_; }
    JobList& Jobs() { return jobList_; }
    BatchRunner& Batch() { return *batch_; }
    PreviewPlayer& Player() { return *player_; }
    ProfilePicker& Picker() { return *picker_; }
    SkinDisplay& Display() { return display_; }
    Snapshot& Snap() { return *snapshot_; }
    WindowLayout& Frame() { return *windowLayout_; }

    // ---- lifecycle
    void FormCreate();
    void FormShow();
    // Offers the job list of a session that ended without closing; keeps the list on disk.
    void RestoreLeftBehindJobs();
    bool FormCloseQuery();

    // ---- display operations on skin objects
    void BindSkin();
    void ShowText(const QString& object, const QString& text) { display_.ShowText(object, text); }
    // Also shows the encoder's status line in "hint" for "convertpos".
    void SetPosFill(const QString& object, int value);
    void PlaceBackdrop(bool show, int l, int t, int w, int h) {
        picker_->PlaceBackdrop(show, l, t, w, h);
    }

    // ---- language file, layout file, command state
    QString LanguageText(int id);
    void ReadLayout();
    void UpdateCommandState();
    const LayoutFile& Layout() const { return layout_; }

    // ---- the edition this window runs as; what conversions are made with is the session's
    std::string ExeFileName;
    std::string ProductName() const;
    const std::string& ProgramDirectory() const { return session_.ProgramDirectory(); }
    bool Converting() const { return batch_->Converting(); }
    bool EncoderRunning() const { return batch_->EncoderRunning(); }
    int JobIndex() const { return batch_->CurrentRow(); }
    const intputrec& CurrentInvocation() const { return batch_->Invocation(); }
    QString EncoderStatusLine() const { return batch_->StatusLine(); }
    bool playing() const { return player_->Playing(); }
    bool paused() const { return player_->Paused(); }

    // ---- components (named as in the window design)
    QTreeView* lv = nullptr;
    QWidget* pl_play = nullptr;
    QLineEdit* ed_output = nullptr;
    RenameEditor* edt_tit = nullptr;
    QWidget* Panel1 = nullptr;
    PictureLabel* im_mainico = nullptr;
    QWidget* pl_appname = nullptr;
    PictureLabel* img_name = nullptr;
    QComboBox* cb_audio = nullptr;
    QComboBox* cb_subtitle = nullptr;
    std::map<std::string, PictureButton*> buttons;  // the 17 picture buttons by name
    PictureButton* button(const std::string& name) const;

    // timers
    QTimer* Timer1 = nullptr;
    QTimer* play_time = nullptr;
    QTimer* Convert_used = nullptr;

    Tfm_dir* fm_dir() const { return fm_dir_; }
    Tfm_set* fm_set() const { return fm_set_; }
    Tfm_info* fm_info() const { return fm_info_; }
    Tfm_dvdcutter* fm_dvdcutter() const { return fm_dvdcutter_; }

    // ---- commands: skin objects, buttons, menu items and keys all end in RunCommand
    enum class CommandSource {
        Key,         // held back by the command's enable rule, as its menu item is
        Widget,      // a button or menu item: held back by the state it shows
        SkinObject,  // skin objects and the category picture: no enabled state
    };
    // Nothing when the source holds the command back, the refusal when its busy rule says so;
    // otherwise runs its handler and answers true.
    bool RunCommand(Command c, CommandSource from = CommandSource::Key);
    void Skin1Click(skin::ISkinObject* source);
    void Skin1MouseMove(skin::ISkinObject* source, int x, int y);
    void Skin1MouseDown(skin::ISkinObject* source, Qt::MouseButton button, int x, int y);
    void Skin1MouseUp(skin::ISkinObject* source, Qt::MouseButton button, int x, int y);
    void Skin1ScrollTrack(skin::ISkinObject* source, int newPos);

    // ---- profiles and settings
    void SelectProfile(int n);
    void OpenPicker();
    void ClosePicker() { picker_->Close(); }
    std::string SettingsFilePath() const { return session_.SettingsFilePath(); }
    QString PictureDir() const { return QString::fromStdString(ProgramDirectory()) + "images/"; }
    void BrowseOutput();
    void OpenOutput();
    void ShowSettingsDialog();
    void LoadSettings();
    void SaveSettings();

    // ---- job list
    void AddFiles();
    void AddFolder();
    // Probes the files and appends their rows in this order while the window keeps working;
    // files that cannot be taken are named when the add ends. Stop and close end an add.
    void AddMediaFiles(const QStringList& paths);
    // Files and folders from the desktop (command line, a later start, a drop): added like
    // Add File and Add Folder, and the window comes forward.
    void OpenPaths(const QStringList& paths);
    void AppendJob(const QString& caption, const Toriginalinfo& info, const TrimRecord& trim);
    void RemoveSelectedJobs();
    void ClearJobs();
    void RenameJob();
    void CommitRename();
    void lvClick();
    void RefreshSizeEstimates() { session_.RefreshSizeEstimates(jobList_); }
    // Rows selected in the list view, ascending.
    std::vector<int> SelectedRows() const;
    void SelectRow(int row);

    // ---- batch
    void StartBatch();
    void StopBatch();
    void PauseToggle();
    void Convert_usedTimer() { batch_->Tick(); }
    void ShowRunDisplays() { progress_->ShowRunDisplays(); }
    ProgressDisplay& Progress() { return *progress_; }

    // ---- preview player, cut window, snapshot, properties
    void PlaySelectedJob();
    void StopPlayback() { player_->Stop(); }
    void TogglePause() { player_->TogglePause(); }
    void PreviousJob() { PreviewStep(-1); }
    void NextJob() { PreviewStep(+1); }
    // Plays the job delta rows away from the previewed one.
    void PreviewStep(int delta);
    void bt_cutClick();
    void CutPlay();
    void SetBeginMark();
    void SetEndMark();
    void JumpCut(int deltaSeconds);
    void bt_imagesClick();
    void SpaceKey();
    void play_timeTimer() { player_->play_timeTimer(); }
    void ShowProperties();

    // ---- shell
    void RunBackground();
    void PopupAt(QMenu* menu, const std::string& section);
    void PopupDvdMenu();
    void StartupUpdateCheck();
    void SiblingLaunch();
    KeyFilter* keyFilter() const { return keys_; }
    QSystemTrayIcon* trayIcon() const { return tray_ ? tray_->Icon() : nullptr; }
    static constexpr const char* kDefaultWebsiteUrl = "https://www.orvelle-software.example/";

  signals:
    void startupFinished();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    // The one refusal check: shows the refusal and answers true when the command may not run.
    bool Refused(Busy busy);
    CommandFacts Facts() const;
    // The command's handler, with no check.
    void Handle(Command c);
    void CreateComponents();
    void WireIntake();
    void WireCommands();
    void WireUnits();
    BackgroundTray* Tray();
    void ShowHelpPage(const char* page);

    SideEffects* fx_;
    skin::SkinEngine* Skin1 = nullptr;
    SkinDisplay display_;
    ConversionSession session_;
    JobList jobList_;
    std::unique_ptr<BatchRunner> batch_;
    PreviewPlayer* player_ = nullptr;
    ProfilePicker* picker_ = nullptr;
    ProgressDisplay* progress_ = nullptr;
    Snapshot* snapshot_ = nullptr;
    TrackChoiceBoxes* trackBoxes_ = nullptr;
    JobListKeeper* keeper_ = nullptr;
    JobIntake* intake_ = nullptr;
    LayoutFile layout_;
    Tfm_dir* fm_dir_ = nullptr;
    Tfm_set* fm_set_ = nullptr;
    Tfm_info* fm_info_ = nullptr;
    Tfm_dvdcutter* fm_dvdcutter_ = nullptr;
    bool closing_ = false;
    bool formShown_ = false;
    int leftMoveInt_ = 6;
    bool languageErrorShown_ = false;
    KeyFilter* keys_ = nullptr;
    BackgroundTray* tray_ = nullptr;
    WindowLayout* windowLayout_ = nullptr;
};

}  // namespace vc
