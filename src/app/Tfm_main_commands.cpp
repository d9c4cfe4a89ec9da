// Command dispatch of the main window: one table from command names to actions, reached
// from skin objects, picture buttons, menu items and keys; the units' reports shown on the
// window; profiles, settings, tray and start-up notices.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMetaEnum>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>

#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/appsettings.h"
#include "core/catalogue.h"
#include "core/commandstate.h"
#include "core/editions.h"
#include "core/languagefile.h"
#include "core/profilesettings.h"
#include "core/siblings.h"
#include "jobs/EncoderRunner.h"
#include "jobs/JobListStore.h"
#include "preview/Snapshot.h"
#include "preview/Tfm_dvdcutter.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/BackgroundTray.h"
#include "shell/BatchEndActions.h"
#include "shell/FileDropTarget.h"
#include "shell/JobListView.h"
#include "shell/KeyFilter.h"
#include "shell/LogDialog.h"
#include "shell/PictureButton.h"
#include "shell/UpdateNotice.h"

namespace vc {

bool Tfm_main::Refused(int busy) {
    if ((busy & kNotWhilePlaying) && playing()) {
        fx_->Warning(this, LanguageText(27));
        return true;
    }
    if ((busy & kNotWhileConverting) && Converting()) {
        fx_->Warning(this, LanguageText(26));
        return true;
    }
    return false;
}

bool Tfm_main::RunCommand(const QString& name) {
    auto it = commands_.find(name);
    if (it == commands_.end()) return false;
    progress_->ShowIdle();
    it->second();
    return true;
}

void Tfm_main::WireUnits() {
    batch_->SetInvocationBuilder([this](int row) { return BuildInvocation(JobInputs(row)); });
    connect(batch_.get(), &BatchRunner::stateChanged, this, [this](BatchRunner::State s) {
        const bool paused = s == BatchRunner::State::Paused;
        Pause1->setText(paused ? "Continue" : "Pause");
        button("bt_pause")->SetHint(paused ? "Continue conversion" : "Pause conversion");
        UpdateCommandState();
    });
    connect(batch_.get(), &BatchRunner::jobStarted, this,
            [this](int) { OutputDirectory = batch_->OutputDirectory().toStdString(); });
    connect(batch_.get(), &BatchRunner::cannotStart, this,
            [this](int, const QString& error) { fx_->Error(this, error); });
    connect(batch_.get(), &BatchRunner::batchEnded, this, &Tfm_main::UpdateCommandState);
    new BatchEndActions(
        batch_.get(), this, fx_, [this] { return FinishAction; }, [this] { return trayIcon(); });

    connect(player_, &PreviewPlayer::stateChanged, this, &Tfm_main::UpdateCommandState);
    connect(picker_, &ProfilePicker::profileChosen, this, &Tfm_main::SelectProfile);
    connect(snapshot_, &Snapshot::done, this, [this](bool ok, const QString& file) {
        if (ok) ShowText("hint", "Snapshot saved: " + file);
        if (!ok) fx_->Warning(this, "The snapshot " + file + " could not be saved.");
    });
}

void Tfm_main::WireCommands() {
    auto close = [this] { this->close(); };
    auto web = [this](const char* section, const char* def) {
        return [this, section, def] {
            fx_->OpenUrl(QString::fromStdString(layout_.Text(section, "web", def)));
        };
    };
    // One name for each command, whatever reaches it.
    commands_ = {
        {"AddFiles", [this] { AddFiles(); }},
        {"AddFolder", [this] { AddFolder(); }},
        {"Properties", [this] { ShowProperties(); }},
        {"RunBackground", [this] { RunBackground(); }},
        {"Exit", close},
        {"Remove", [this] { RemoveSelectedJobs(); }},
        {"Clear", [this] { ClearJobs(); }},
        {"Rename", [this] { RenameJob(); }},
        {"CheckAll", [this] { jobList_.SetAllChecked(true); }},
        {"UncheckAll", [this] { jobList_.SetAllChecked(false); }},
        {"Convert", [this] { StartBatch(); }},
        {"Pause", [this] { PauseToggle(); }},
        {"Stop", [this] { StopBatch(); }},
        {"Settings", [this] { ShowSettingsDialog(); }},
        {"Help", [this] { ShowHelpPage("index.html"); }},
        {"Feedback", [this] { ShowHelpPage("feedback.html"); }},
        {"About", [this] { ShowHelpPage("about.html"); }},
        {"Website", web("website", kDefaultWebsiteUrl)},
        {"Play", [this] { PlaySelectedJob(); }},
        {"PlayPause", [this] { TogglePause(); }},
        {"PlayStop", [this] { StopPlayback(); }},
        {"Previous", [this] { PreviousJob(); }},
        {"Next", [this] { NextJob(); }},
        {"Cut", [this] { bt_cutClick(); }},
        {"Snapshot", [this] { bt_imagesClick(); }},
        {"OpenPicker", [this] { OpenPicker(); }},
        {"Browse", [this] { BrowseOutput(); }},
        {"OpenOutput", [this] { OpenOutput(); }},
        {"SpaceToggle", [this] { SpaceKey(); }},
        {"CutPlay", [this] { CutPlay(); }},
        {"BeginMark", [this] { SetBeginMark(); }},
        {"EndMark", [this] { SetEndMark(); }},
        {"PopupFile", [this] { PopupAt(zm_popup_file, "file"); }},
        {"PopupEdit", [this] { PopupAt(zm_pop_edit, "Edit"); }},
        {"PopupActions", [this] { PopupAt(zm_pop_actions, "actions"); }},
        {"PopupTools", [this] { PopupAt(zm_pop_tools, "Tools"); }},
        {"PopupHelp", [this] { PopupAt(zm_pop_help, "help"); }},
        {"PopupDvd", [this] { PopupDvdMenu(); }},
        {"CloseMain",
         [this] {
             if (playing()) StopPlayback();
             this->close();
         }},
        {"CloseCut",
         [this] {
             StopPlayback();
             if (fm_dvdcutter_) fm_dvdcutter_->close();
         }},
        {"JumpBack", [this] { JumpCut(-30); }},
        {"JumpForward", [this] { JumpCut(30); }},
        // The cut window's picture says why it is not there during a preview or a batch.
        {"CutterNote", [this] { Refused(kNotWhileBusy); }},
        {"Nothing", [] {}},
    };
    for (const ButtonSpec& item : PictureButtonSpecs()) {
        const QString c = item.command;
        connect(button(item.name), &QAbstractButton::clicked, this, [this, c] { RunCommand(c); });
        // A press on any picture button first closes the profile picker.
        connect(button(item.name), &PictureButton::mousePressed, this, &Tfm_main::ClosePicker);
    }
    for (const auto& [item, command] : ItemCommands()) {
        const QString c = command;
        connect(item, &QAction::triggered, this, [this, c] { RunCommand(c); });
    }

    // One application-wide key filter; it never consumes a key.
    keys_ = new KeyFilter(this);
    keys_->SetBatchRunning([this] { return Converting(); });
    keys_->SetFolderDialogActive([this] { return fm_dir_ && fm_dir_->isActiveWindow(); });
    keys_->SetSettingsDialogActive([this] { return fm_set_ && fm_set_->isActiveWindow(); });
    // Dialogs and other windows keep their keys; so do text fields (KeyFilter::IsTextField).
    keys_->SetShortcutWindow([this](const QWidget* w) { return w == this || w == fm_dvdcutter_; });
    qApp->installEventFilter(keys_);
    // Queued: the actions open dialogs, which must not happen inside the key delivery.
    connect(keys_, &KeyFilter::shortcut, this, &Tfm_main::Shortcut, Qt::QueuedConnection);

    auto* drops = new FileDropTarget({this, lv->viewport()}, this);
    connect(drops, &FileDropTarget::dropped, this, &Tfm_main::OpenPaths);

    connect(lv, &QTreeView::clicked, this, [this] { lvClick(); });
    connect(lv->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!Converting() && !playing()) UpdateCommandState();
    });
    connect(lv, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        JobListContextMenu(lv, jobList_, zm_pop_edit->actions(), at, fx_);
    });
    connect(edt_tit, &RenameEditor::renamed, &jobList_, &JobList::SetCaption);
    lv->viewport()->installEventFilter(this);
    connect(im_mainico, &PictureLabel::clicked, this, &Tfm_main::OpenPicker);
    pl_play->installEventFilter(this);
}

void Tfm_main::Shortcut(int action) {
    if (action != KeyFilter::QuitNow) {
        // The key filter's actions carry the names of the commands they run.
        RunCommand(QMetaEnum::fromType<KeyFilter::Action>().valueToKey(action));
        return;
    }
    // At once, without the close question; the encoder's group goes with us.
    batch_->Stop();
    if (keeper_) keeper_->Discard();
    closing_ = true;
    QApplication::exit(0);
}

// ---------------------------------------------------------------- skin events

void Tfm_main::Skin1Click(skin::ISkinObject* source) {
    if (const char* command = source ? SkinObjectCommand(source->Name().toStdString()) : nullptr)
        RunCommand(command);
}

void Tfm_main::Skin1MouseMove(skin::ISkinObject* source, int, int) {
    LanguageText(HintIdFor(source ? source->Name().toStdString() : std::string()));
}

void Tfm_main::Skin1MouseDown(skin::ISkinObject* source, Qt::MouseButton, int, int) {
    CommitRename();
    ClosePicker();
    if (!Converting() && source) player_->BeginDrag(source->Name());
}

void Tfm_main::Skin1ScrollTrack(skin::ISkinObject* source, int) {
    if (source && jobList_.Count() > 0) player_->DragTo(source->Name());
}

void Tfm_main::Skin1MouseUp(skin::ISkinObject* source, Qt::MouseButton, int, int) {
    player_->EndDrag(source && !Converting() ? source->Name() : QString());
}

bool Tfm_main::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && (o == lv->viewport() || o == pl_play)) {
        if (o == lv->viewport()) CommitRename();
        ClosePicker();
    }
    return QWidget::eventFilter(o, e);
}

// ---------------------------------------------------------------- menus, tray, help

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

BackgroundTray* Tfm_main::Tray() {
    if (!tray_) tray_ = new BackgroundTray(this, QIcon(PictureDir() + "main/icon.png"));
    return tray_;
}

void Tfm_main::RunBackground() {
    Tray()->Hide();
}

void Tfm_main::ShowHelpPage(const char* page) {
    fx_->ShowHelp(QString::fromStdString(ProgramDirectory + "help/" + page));
}

void Tfm_main::StartupUpdateCheck() {
    UpdateNotice::FetchOnFirstStart(this, QString::fromStdString(ConfigDirectory("VideoConverter")),
                                    QString::fromStdString(ExeFileName));
}

void Tfm_main::SiblingLaunch() {
    for (const std::string& path : SiblingsToLaunch(ProgramDirectory, [](const std::string& p) {
             return QFileInfo::exists(QString::fromStdString(p));
         }))
        fx_->StartDetached(QString::fromStdString(path), {});
}

// ---------------------------------------------------------------- profiles and settings

void Tfm_main::OpenPicker() {
    if (Refused(kNotWhileConverting)) return;
    if (!playing() && IsKavrin(ExeFileName)) pl_play->hide();
    picker_->Open(ProfileId);
}

void Tfm_main::SelectProfile(int n) {
    const int category = picker_->CategoryIndex;
    if (category >= 1 && category <= 14 &&
        !im_mainico->LoadPicture(PictureDir() + QString("main/%1.bmp").arg(category))) {
        fx_->Error(this,
                   QString("The picture \"images/main/%1.bmp\" cannot be read.").arg(category));
        return;
    }
    FormatBoxes boxes = fm_set_->Boxes();
    std::vector<std::string> errors;
    const bool read = SwitchProfile(ProgramDirectory + kProfileFileName, ProfileSettingsFilePath(),
                                    ProfileId, n, profile, boxes, &errors);
    ShowText("profilestext", QString::fromStdString(profile.displayName));
    ProfileId = n;
    for (const std::string& e : errors) fx_->Error(this, QString::fromStdString(e));
    if (read) RefreshSizeEstimates();
}

void Tfm_main::LoadSettings() {
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const int def = DefaultProfileFor(ExeFileName);
    const AppSettings s =
        LoadAppSettings(SettingsFilePath(), def,
                        (movies.isEmpty() ? QDir::homePath() : movies).toStdString() + "/");
    picker_->TakeSettings(s);
    OutputDirectory = s.outputPath;
    ed_output->setText(QString::fromStdString(OutputDirectory));
    // A stored number that names no selectable profile falls back to the edition's default.
    const ProfileEntry* e = CatalogueEntry(s.profileId);
    SelectProfile(!e || e->displayName[0] == '\0' ? def : s.profileId);
    FinishAction = s.finishAction;
    LastAddFolder = s.lastAddFolder;
}

void Tfm_main::SaveSettings() {
    AppSettings s = LoadAppSettings(SettingsFilePath(), ProfileId, OutputDirectory);
    s.outputPath = OutputDirectory;
    s.profileId = ProfileId;
    s.finishAction = FinishAction;
    picker_->PutSettings(s);
    s.lastAddFolder = LastAddFolder;
    if (!SaveAppSettings(SettingsFilePath(), s))
        fx_->Error(this, QString("The settings cannot be written to \"%1\".")
                             .arg(QString::fromStdString(SettingsFilePath())));
}

void Tfm_main::BrowseOutput() {
    fm_dir_->setWindowTitle(LanguageText(37));
    fm_dir_->ChosenDirectory.clear();
    fm_dir_->SelectFolder(ed_output->text());
    fx_->ExecDialog(fm_dir_);
    if (!fm_dir_->ChosenDirectory.empty()) {
        OutputDirectory = fm_dir_->ChosenDirectory;
        if (OutputDirectory.back() != '/') OutputDirectory += '/';
        ed_output->setText(QString::fromStdString(OutputDirectory));
    }
}

void Tfm_main::OpenOutput() {
    fx_->OpenFolder(QString::fromStdString(OutputDirectory));
}

void Tfm_main::ShowSettingsDialog() {
    fx_->ExecDialog(fm_set_);
}

}  // namespace vc
