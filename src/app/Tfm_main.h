#pragma once
// The main window: owns the workflow state, the bound skin objects, the job list, the timers,
// and wires every command to its operation.
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/SideEffects.h"
#include "core/invocation.h"
#include "core/jobrecords.h"
#include "core/layoutfile.h"
#include "core/profilefile.h"
#include "skin/skin.h"

class QTreeWidget;
class QLineEdit;
class QComboBox;
class QMenu;
class QAction;
class QTimer;
class QSystemTrayIcon;

namespace vc {

class PictureButton;
class PictureLabel;
class Tfm_dir;
class Tfm_set;
class Tfm_info;
class Tfm_dvdcutter;
class EncoderRunner;
class KeyFilter;
class MediaProbe;

class Tfm_main : public QWidget {
    Q_OBJECT
public:
    explicit Tfm_main(SideEffects* effects, QWidget* parent = nullptr);
    ~Tfm_main() override;

    // The secondary windows, created after the main window in the program body.
    void AttachWindows(Tfm_dir* dir, Tfm_set* set, Tfm_info* info, Tfm_dvdcutter* cutter);

    // ---- lifecycle
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();

    // ---- display operations on skin objects
    void BindSkin();
    void ShowText(const QString& object, const QString& text);
    void SetPosFill(const QString& object, int value);
    void PlaceBackdrop(bool show, int left, int top, int width, int height);
    QString SkinText(const QString& object) const;
    void SetSkinVisible(const QString& object, bool visible);
    void SetSliderPosition(const QString& object, int pos);
    int SliderPosition(const QString& object) const;
    skin::SkinEngine* Skin() const { return Skin1; }
    bool SkinBound() const { return skinBound_; }

    // ---- language file, layout file, command state
    QString LanguageText(int id);
    void ReadLayout();
    void UpdateCommandState();
    const LayoutFile& Layout() const { return layout_; }

    // ---- global state of the workflow
    std::string ExeFileName;
    std::string ProgramDirectory;
    std::string EncoderPath;
    int ProfileId = -1;
    int CategoryIndex = -1;
    int JobIndex = 0;
    bool Converting = false;
    bool EncoderRunning = false;
    bool Probing = false;
    std::string EncoderStatusLine;
    int FinishAction = 0;
    std::string OutputDirectory;
    // player state
    bool playing = false;
    bool paused = false;
    bool dragging = false;
    bool cutShown = false;
    int previewRow = 0;

    std::string ProductName() const;

    // ---- components (named as in the window design)
    SideEffects* effects() const { return fx_; }
    QTreeWidget* lv = nullptr;
    QWidget* pl_play = nullptr;
    QLineEdit* ed_output = nullptr;
    QLineEdit* edt_tit = nullptr;
    QWidget* Panel1 = nullptr;
    PictureLabel* im_mainico = nullptr;
    QWidget* pl_appname = nullptr;
    PictureLabel* img_name = nullptr;
    QComboBox* cb_audio = nullptr;
    QComboBox* cb_subtitle = nullptr;
    QWidget* pl_main = nullptr;
    QWidget* pl_back = nullptr;
    PictureLabel* Image13 = nullptr;
    std::map<std::string, PictureButton*> buttons;   // the 17 picture buttons by name
    std::map<std::string, QWidget*> panels;          // the 19 profile panels by name
    std::map<int, PictureLabel*> btim;               // btim_1 .. btim_132
    std::map<int, PictureLabel*> categoryPictures;   // by CategoryIndex
    PictureLabel* Image94 = nullptr;  // video page 1 -> 2
    PictureLabel* Image93 = nullptr;  // video page 2 -> 1
    PictureLabel* Image2 = nullptr;   // audio page 1 -> 2
    PictureLabel* Image5 = nullptr;   // audio page 2 -> 1
    PictureButton* button(const std::string& name) const;

    // popup menus and their items
    QMenu* zm_popup_file = nullptr;
    QMenu* zm_pop_edit = nullptr;
    QMenu* zm_pop_actions = nullptr;
    QMenu* zm_pop_tools = nullptr;
    QMenu* zm_pop_help = nullptr;
    QMenu* pop_dvd = nullptr;
    QAction *AddFiles2 = nullptr, *AddFolder2 = nullptr, *Properties1 = nullptr,
            *RunBackground1 = nullptr, *Exit1 = nullptr;
    QAction *Remove1 = nullptr, *Clear2 = nullptr, *Rename1 = nullptr, *SelectAll1 = nullptr,
            *UnselectAll1 = nullptr;
    QAction *Convert2 = nullptr, *Pause1 = nullptr, *Stop2 = nullptr;
    QAction* settings = nullptr;
    QAction *Help1 = nullptr, *Feedback1 = nullptr, *About1 = nullptr;
    QAction* menuItem(const QString& caption) const;

    // timers
    QTimer* Timer1 = nullptr;
    QTimer* play_time = nullptr;
    QTimer* Convert_used = nullptr;

    Tfm_dir* fm_dir() const { return fm_dir_; }
    Tfm_set* fm_set() const { return fm_set_; }
    Tfm_info* fm_info() const { return fm_info_; }
    Tfm_dvdcutter* fm_dvdcutter() const { return fm_dvdcutter_; }

    // ---- skin events
    void Skin1Click(skin::ISkinObject* source);
    void Skin1MouseMove(skin::ISkinObject* source, int x, int y);
    void Skin1MouseDown(skin::ISkinObject* source, Qt::MouseButton button, int x, int y);
    void Skin1MouseUp(skin::ISkinObject* source, Qt::MouseButton button, int x, int y);
    void Skin1ScrollTrack(skin::ISkinObject* source, int newPos);

    // Closes the profile picker (hides backdrop, category list and every panel).
    void ClosePicker();
    void RestoreButtonPicture(int n);
    void RestoreCategoryPicture(int k);

    // ---- profiles: selection, picker, pointer states, settings files
    void SelectProfile(int n);
    void OpenPicker();
    void PointCategory(int k);
    void PointButton(int n);
    void FoldSubPanelHover();
    void PageLink(const QString& name);
    void ProfileButtonClick(int n);
    std::string SettingsFilePath() const;
    std::string ProfileSettingsFilePath() const;
    QString PictureDir() const;
    void BrowseOutput();
    void OpenOutput();
    void ShowSettingsDialog();
    ProfileState profile;
    bool VideoFirstPage = true;
    bool AudioFirstPage = true;
    int HoverButtonId = -1;

    // ---- job list
    void AddFiles();
    void AddFolder();
    bool AddMediaFile(const QString& path, QString* error = nullptr);
    // Appends a probed job as a row with its records.
    void AppendJob(const QString& caption, const Toriginalinfo& info, const TrimRecord& trim);
    void RemoveSelectedJobs();
    void ClearJobs();
    void RenameJob();
    void CommitRename();
    void CheckAll(bool checked);
    void lvClick();
    void RefreshSizeEstimates();
    QString OpenDialogFilter() const;
    std::vector<Toriginalinfo> jobs;
    std::vector<TrimRecord> trims;
    int renameRow = -1;

    // ---- batch
    void StartBatch();
    void StartJob();
    bool LaunchEncoder(const intputrec& r);
    void JvCreateProcessRead(const QString& line);
    void JvCreateProcessTerminate(int exitCode);
    void Convert_usedTimer();
    void PauseToggle();
    void ShowJobProgress(int v);
    void ShowRunDisplays();
    void BatchEnd();
    void MarkRowError(int row);
    intputrec CurrentInvocation;
    int ElapsedSeconds = 0;
    int ProgressValue = 0;
    int RemainingSeconds = 0;
    int64_t OutputKilobytes = 1;
    EncoderRunner* currentRunner() const { return runner_.get(); }
    MediaProbe* probe() const { return probe_.get(); }

    // ---- preview player, cut window, snapshot, properties (Tfm_main_player.cpp)
    void PlaySelectedJob();
    void StopPlayback();
    void TogglePause();
    void PreviousJob();
    void NextJob();
    void bt_cutClick();
    void CutPlay();
    void SetBeginMark();
    void SetEndMark();
    void JumpCut(int deltaSeconds);
    void bt_imagesClick();
    void SpaceKey();
    void StartPlayback(const std::string& path);
    void play_timeTimer();
    void Timer1Timer();
    // Called by the preview library on its own thread: only stores the position.
    static void OnPreviewPosition(double position);
    bool awaitingFirstReport = false;
    std::atomic<double> reportedPosition{0.0};
    int startOffset = 0;
    int playedSeconds = 0;
    double previousDifference = -1.0;
    double displayFloor = 0.0;
    int barPosition = 0;
    int stallCount = 0;
    std::string fileToPlay;

private:
    class TVideoplay;
    // Connects the two player timers once.
    void WirePlayer();
    void SetPreviewStatus(const QString& text);
    bool PreviewRowValid() const;
    bool playerWired_ = false;
    // Counts playbacks, so that the end of an earlier one never stops a later one.
    int playGeneration_ = 0;
    // The playback thread of the main window; releasing it ends a playback still running.
    std::shared_ptr<QThread> videoplay_;

public:

    // ---- commands
    void ShowProperties();
    void ShowPropertiesDialog();
    void OpenWebsite();
    void ShowHelp();
    void RunBackground();
    void Shortcut(int action);
    KeyFilter* keyFilter() const { return keys_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    static constexpr const char* kDefaultSupportUrl = "https://www.orvelle-software.example/support";
    static constexpr const char* kDefaultAboutUrl = "https://www.orvelle-software.example/about";
    static constexpr const char* kDefaultWebsiteUrl = "https://www.orvelle-software.example/";
    void PopupAt(QMenu* menu, const std::string& section);
    void PopupDvdMenu();
    void LoadSettings();
    void SaveSettings();
    void StartupUpdateCheck();
    void SiblingLaunch();
    void StopBatch();
    int LeftMoveInt() const { return leftMoveInt_; }
    bool ShowsCheckBoxes() const { return showChecks_; }

signals:
    void startupFinished();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct Bound {
        skin::ISkinPlacement* placement = nullptr;
        skin::ISkinCaption* caption = nullptr;
        skin::ISkinSlider* slider = nullptr;
        skin::SkinRect fillRect;
    };
    void CreateComponents();
    void CreateMenus();
    void WireCommands();
    void BindObject(skin::ISkinObject* root, const QString& name, bool slider);
    Bound* bound(const QString& name);
    const Bound* bound(const QString& name) const;
    void TitleMouseDown(QPoint p);
    void TitleMouseMove(QPoint p, Qt::MouseButtons b);

    SideEffects* fx_;
    skin::SkinEngine* Skin1 = nullptr;
    bool skinBound_ = false;
    std::map<QString, Bound> bound_;
    LayoutFile layout_;
    bool titleReleased_ = true;
    QPoint titleAnchor_;
    Tfm_dir* fm_dir_ = nullptr;
    Tfm_set* fm_set_ = nullptr;
    Tfm_info* fm_info_ = nullptr;
    Tfm_dvdcutter* fm_dvdcutter_ = nullptr;
    bool closing_ = false;
    int leftMoveInt_ = 6;
    bool showChecks_ = false;
    bool languageErrorShown_ = false;
    std::unique_ptr<EncoderRunner> runner_;
    std::unique_ptr<MediaProbe> probe_;
    std::set<int> failedRows_;
    std::map<QString, QAction*> menuByCaption_;
    QString lastLaunchError_;
    KeyFilter* keys_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
};

}  // namespace vc
