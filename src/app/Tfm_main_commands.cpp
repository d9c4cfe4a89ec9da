// Command dispatch of the main window: skin objects, menus and hover hints.
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

#include <QApplication>
#include <QFileInfo>
#include <QSystemTrayIcon>

#include "core/appinfo.h"
#include "core/catalogue.h"
#include "core/siblings.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "jobs/EncoderRunner.h"
#include "shell/KeyFilter.h"
#include "shell/UpdateNotice.h"
#include "preview/Tfm_dvdcutter.h"
#include "shell/PictureButton.h"

#include "app/Tfm_main.h"

namespace vc {

namespace {
// Hover hints: skin object name -> language text id; any other name gives 25.
int HintIdFor(const QString& name) {
    static const std::map<QString, int> ids = {
        {"dvdopen", 1},        {"ifoopen", 2},        {"profiles", 3},       {"profilestext", 3},
        {"audio", 4},          {"subtitle", 5},       {"video_size", 6},     {"video_quality", 7},
        {"audio_quality", 8},  {"channels", 9},       {"play", 10},          {"pause", 11},
        {"stopplay", 12},      {"play_bar", 13},      {"play_time", 14},     {"chapter", 15},
        {"cutter", 16},        {"converter", 17},     {"stopconverter", 18}, {"browse", 19},
        {"open", 20},          {"openfolder", 21},    {"openfiles", 22},     {"remove", 23},
        {"clear", 24}};
    auto it = ids.find(name);
    return it == ids.end() ? 25 : it->second;
}
}  // namespace

void Tfm_main::Skin1MouseMove(skin::ISkinObject* source, int, int) {
    LanguageText(HintIdFor(source ? source->Name() : QString()));
}

void Tfm_main::PopupAt(QMenu* menu, const std::string& section) {
    layout_.Reload();
    QPoint p = mapToGlobal(QPoint(0, 0)) - (geometry().topLeft() - frameGeometry().topLeft());
    menu->popup(QPoint(p.x() + layout_.MenuLeft(section), p.y() + layout_.MenuTop(section)));
}

void Tfm_main::PopupDvdMenu() {
    QPoint p = mapToGlobal(QPoint(0, 0));
    const bool kavrin = QString::fromStdString(ExeFileName).toLower().contains("kavrin");
    pop_dvd->popup(kavrin ? QPoint(p.x() + 85, p.y() + 64) : QPoint(p.x() + 16, p.y() + 54));
}

void Tfm_main::WireCommands() {
    connect(Convert_used, &QTimer::timeout, this, &Tfm_main::Convert_usedTimer);
    connect(RunBackground1, &QAction::triggered, this, &Tfm_main::RunBackground);

    // One application-wide key filter; it never consumes a key.
    keys_ = new KeyFilter(this);
    keys_->SetBatchRunning([this] { return Converting; });
    keys_->SetFolderDialogActive([this] { return fm_dir_ && fm_dir_->isActiveWindow(); });
    keys_->SetSettingsDialogActive([this] { return fm_set_ && fm_set_->isActiveWindow(); });
    qApp->installEventFilter(keys_);
    // Queued: the actions open dialogs, which must not happen inside the key delivery.
    connect(keys_, &KeyFilter::shortcut, this, &Tfm_main::Shortcut, Qt::QueuedConnection);
    auto onClick = [this](const char* name, auto fn) {
        connect(button(name), &QAbstractButton::clicked, this, fn);
    };
    onClick("bt_dvdopen", &Tfm_main::AddFiles);
    onClick("bt_ifo", &Tfm_main::AddFolder);
    onClick("bt_remove", &Tfm_main::RemoveSelectedJobs);
    onClick("bt_clear", &Tfm_main::ClearJobs);
    onClick("bt_chapte", &Tfm_main::ShowProperties);
    onClick("bt_set", &Tfm_main::ShowSettingsDialog);
    onClick("bt_start", &Tfm_main::StartBatch);
    onClick("bt_pause", &Tfm_main::PauseToggle);
    onClick("Bt_Convertstop", &Tfm_main::StopBatch);
    onClick("bt_web", &Tfm_main::OpenWebsite);
    onClick("bt_play", &Tfm_main::PlaySelectedJob);
    onClick("bt_playpause", &Tfm_main::TogglePause);
    onClick("bt_playstop", &Tfm_main::StopPlayback);
    onClick("bt_back", &Tfm_main::PreviousJob);
    onClick("bt_next", &Tfm_main::NextJob);
    onClick("bt_cut", &Tfm_main::bt_cutClick);
    onClick("bt_images", &Tfm_main::bt_imagesClick);

    auto onItem = [this](QAction* a, auto fn) { connect(a, &QAction::triggered, this, fn); };
    onItem(AddFiles2, &Tfm_main::AddFiles);
    onItem(AddFolder2, &Tfm_main::AddFolder);
    onItem(Properties1, &Tfm_main::ShowProperties);
    connect(Exit1, &QAction::triggered, this, [this] { close(); });
    onItem(Remove1, &Tfm_main::RemoveSelectedJobs);
    onItem(Clear2, &Tfm_main::ClearJobs);
    onItem(Rename1, &Tfm_main::RenameJob);
    connect(SelectAll1, &QAction::triggered, this, [this] { CheckAll(true); });
    connect(UnselectAll1, &QAction::triggered, this, [this] { CheckAll(false); });
    onItem(Convert2, &Tfm_main::StartBatch);
    onItem(Pause1, &Tfm_main::PauseToggle);
    onItem(Stop2, &Tfm_main::StopBatch);
    onItem(settings, &Tfm_main::ShowSettingsDialog);
    onItem(Help1, &Tfm_main::ShowHelp);
    connect(Feedback1, &QAction::triggered, this,
            [this] { fx_->OpenUrl(QString::fromStdString(layout_.Text("Support", "web", kDefaultSupportUrl))); });
    connect(About1, &QAction::triggered, this,
            [this] { fx_->OpenUrl(QString::fromStdString(layout_.Text("About", "web", kDefaultAboutUrl))); });
    for (QAction* a : pop_dvd->actions()) {
        const QString t = a->text();
        if (t == "Select All") connect(a, &QAction::triggered, this, [this] { CheckAll(true); });
        if (t == "Unselect ALL") connect(a, &QAction::triggered, this, [this] { CheckAll(false); });
        if (t == "Convert") onItem(a, &Tfm_main::StartBatch);
        if (t == "Stop") onItem(a, &Tfm_main::StopBatch);
        if (t == "Exit") connect(a, &QAction::triggered, this, [this] { close(); });
    }

    connect(lv, &QTreeWidget::itemClicked, this, [this] { lvClick(); });
    connect(lv, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!Converting && !playing) UpdateCommandState();
    });
    connect(lv, &QWidget::customContextMenuRequested, this,
            [this](QPoint p) { zm_pop_edit->popup(lv->viewport()->mapToGlobal(p)); });
    connect(edt_tit, &QLineEdit::editingFinished, this, &Tfm_main::CommitRename);
    lv->viewport()->installEventFilter(this);

    // The profile picker's pictures.
    for (const auto& [k, pic] : categoryPictures) {
        const int index = k;
        connect(pic, &PictureLabel::mouseMoved, this, [this, index] { PointCategory(index); });
    }
    for (const auto& [id, pic] : btim) {
        const int n = id;
        if (n != 13 && n != 14 && n != 98 && n != 101 && n != 117 && n != 132)
            connect(pic, &PictureLabel::mouseMoved, this, [this, n] { PointButton(n); });
        connect(pic, &PictureLabel::clicked, this, [this, n] { ProfileButtonClick(n); });
    }
    connect(Image13, &PictureLabel::mouseMoved, this, [this] { PointButton(109); });
    for (PictureLabel* link : {Image94, Image93, Image2, Image5}) {
        const QString name = link->objectName();
        connect(link, &PictureLabel::clicked, this, [this, name] { PageLink(name); });
    }
    connect(im_mainico, &PictureLabel::clicked, this, &Tfm_main::OpenPicker);
    pl_play->installEventFilter(this);
}

void Tfm_main::Shortcut(int action) {
    using A = KeyFilter::Action;
    switch (static_cast<A>(action)) {
        case A::Help: ShowHelp(); break;
        case A::OpenPicker: OpenPicker(); break;
        case A::QuitNow:
            // At once, without the close question; the encoder's group goes with us.
            if (runner_) runner_->Terminate();
            closing_ = true;
            QApplication::exit(0);
            break;
        case A::SpaceToggle: SpaceKey(); break;
        case A::Remove: RemoveSelectedJobs(); break;
        case A::Snapshot: bt_imagesClick(); break;
        case A::PopupFile: PopupAt(zm_popup_file, "file"); break;
        case A::PopupEdit: PopupAt(zm_pop_edit, "Edit"); break;
        case A::PopupActions: PopupAt(zm_pop_actions, "actions"); break;
        case A::PopupTools: PopupAt(zm_pop_tools, "Tools"); break;
        case A::PopupHelp: PopupAt(zm_pop_help, "help"); break;
        case A::AddFiles: AddFiles(); break;
        case A::AddFolder: AddFolder(); break;
        case A::Properties: ShowProperties(); break;
        case A::RunBackground: RunBackground(); break;
        case A::Clear: ClearJobs(); break;
        case A::Rename: RenameJob(); break;
        case A::CheckAll: CheckAll(true); break;
        case A::UncheckAll: CheckAll(false); break;
        case A::Convert: StartBatch(); break;
        case A::Pause: PauseToggle(); break;
        case A::Stop: StopBatch(); break;
        case A::Settings: ShowSettingsDialog(); break;
        case A::Feedback: fx_->OpenUrl(QString::fromStdString(layout_.Text("Support", "web", kDefaultSupportUrl))); break;
    }
}

void Tfm_main::RunBackground() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a tray the window could not be brought back: minimise it instead.
        showMinimized();
        return;
    }
    if (!tray_) {
        tray_ = new QSystemTrayIcon(QIcon(PictureDir() + "main/icon.png"), this);
        tray_->setToolTip("Orvelle Software");
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
            if (r != QSystemTrayIcon::Trigger) return;
            showNormal();
            activateWindow();
            tray_->hide();
            tray_->deleteLater();
            tray_ = nullptr;
        });
    }
    tray_->show();
    hide();
}

void Tfm_main::StartupUpdateCheck() {
    const QString cfg = QString::fromStdString(ConfigDirectory("VideoConverter"));
    if (!UpdateNotice::IsFirstStart(cfg)) return;
    auto* notice = new UpdateNotice(this);
    connect(notice, &UpdateNotice::finished, notice, &QObject::deleteLater);
    notice->Start(QString::fromStdString(ExeFileName), UpdateNotice::NoticePath(cfg), UpdateNotice::Host());
    UpdateNotice::MarkStarted(cfg);
}

void Tfm_main::SiblingLaunch() {
    for (const std::string& path : SiblingsToLaunch(ProgramDirectory, [](const std::string& p) {
             return QFileInfo::exists(QString::fromStdString(p));
         }))
        fx_->StartDetached(QString::fromStdString(path), {});
}

bool Tfm_main::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && (o == lv->viewport() || o == pl_play)) {
        if (o == lv->viewport()) CommitRename();
        ClosePicker();
    }
    return QWidget::eventFilter(o, e);
}

void Tfm_main::ShowProperties() {
    if (lv->selectedItems().isEmpty()) {
        fx_->Information(this, LanguageText(30));
        return;
    }
    ShowPropertiesDialog();
}

void Tfm_main::OpenWebsite() {
    fx_->OpenUrl(QString::fromStdString(layout_.Text("website", "web", kDefaultWebsiteUrl)));
}

void Tfm_main::ShowHelp() {
    fx_->OpenUrl(QString::fromStdString(ProgramDirectory + "help/index.html"));
}

void Tfm_main::Skin1Click(skin::ISkinObject* source) {
    if (!source) return;
    const QString n = source->Name();
    if (n == "mainclose") {
        if (playing) StopPlayback();
        close();
    } else if (n == "cutclose") {
        StopPlayback();
        if (fm_dvdcutter_) fm_dvdcutter_->close();
    } else if (n == "profiles") {
        OpenPicker();
    } else if (n == "openfiles") {
        AddFiles();
    } else if (n == "chapter" || n == "ifoopen" || n == "dvdopen") {
        // decorative names: nothing to do
    } else if (n == "openfolder") {
        AddFolder();
    } else if (n == "converter") {
        StartBatch();
    } else if (n == "remove") {
        RemoveSelectedJobs();
    } else if (n == "clear") {
        ClearJobs();
    } else if (n == "stopconverter") {
        StopBatch();
    } else if (n == "browse") {
        BrowseOutput();
    } else if (n == "open") {
        OpenOutput();
    } else if (n == "help") {
        PopupAt(zm_pop_help, "help");
    } else if (n == "file") {
        PopupAt(zm_popup_file, "file");
    } else if (n == "dvdfile") {
        PopupDvdMenu();
    } else if (n == "register") {
        PopupAt(zm_pop_tools, "Tools");
    } else if (n == "settings") {
        PopupAt(zm_pop_edit, "Edit");
    } else if (n == "purchase") {
        PopupAt(zm_pop_actions, "actions");
    } else if (n == "play") {
        CutPlay();
    } else if (n == "stop") {
        StopPlayback();
    } else if (n == "pause") {
        TogglePause();
    } else if (n == "begin") {
        SetBeginMark();
    } else if (n == "end") {
        SetEndMark();
    } else if (n == "hou") {
        JumpCut(-30);
    } else if (n == "qian") {
        JumpCut(30);
    } else if (n == "cutter") {
        if (playing)
            fx_->Warning(this, LanguageText(27));
        else if (Converting)
            fx_->Warning(this, LanguageText(26));
    }
}


}  // namespace vc
