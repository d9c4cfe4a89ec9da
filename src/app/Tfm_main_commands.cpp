// Command dispatch of the main window: one table from command names to actions, reached
// from skin objects, picture buttons, menu items and keys; the units' reports shown on the
// window; profiles, settings, tray and start-up notices.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>

#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/appsettings.h"
#include "core/catalogue.h"
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
#include "shell/FileDropTarget.h"
#include "shell/KeyFilter.h"
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
    batch_->SetInvocationBuilder([this](int row) {
        const Job* j = jobList_.At(row);
        InvocationInputs in;
        in.outputFolderText = ed_output->text().toStdString();
        in.caption = j->caption.toStdString();
        in.job = j->info;
        in.trim = j->trim;
        in.profile = profile;
        in.boxes = fm_set_->Boxes();
        in.encoderPath = EncoderPath;
        in.programDirectory = ProgramDirectory;
        return BuildInvocation(in);
    });
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
    connect(batch_.get(), &BatchRunner::batchEnded, this, &Tfm_main::OnBatchEnded);

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
        {"CheckAll", [this] { CheckAll(true); }},
        {"UncheckAll", [this] { CheckAll(false); }},
        {"Convert", [this] { StartBatch(); }},
        {"Pause", [this] { PauseToggle(); }},
        {"Stop", [this] { StopBatch(); }},
        {"Settings", [this] { ShowSettingsDialog(); }},
        {"Help", [this] { ShowHelp(); }},
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
        {"Nothing", [] {}},
    };
    const std::pair<const char*, const char*> buttonCommands[] = {
        {"bt_dvdopen", "AddFiles"},  {"bt_ifo", "AddFolder"},     {"bt_remove", "Remove"},
        {"bt_clear", "Clear"},       {"bt_chapte", "Properties"}, {"bt_set", "Settings"},
        {"bt_start", "Convert"},     {"bt_pause", "Pause"},       {"Bt_Convertstop", "Stop"},
        {"bt_web", "Website"},       {"bt_play", "Play"},         {"bt_playpause", "PlayPause"},
        {"bt_playstop", "PlayStop"}, {"bt_back", "Previous"},     {"bt_next", "Next"},
        {"bt_cut", "Cut"},           {"bt_images", "Snapshot"}};
    for (const auto& [name, command] : buttonCommands) {
        const QString c = command;
        connect(button(name), &QAbstractButton::clicked, this, [this, c] { RunCommand(c); });
        // A press on any picture button first closes the profile picker.
        connect(button(name), &PictureButton::mousePressed, this, &Tfm_main::ClosePicker);
    }
    const std::pair<QAction*, const char*> itemCommands[] = {{AddFiles2, "AddFiles"},
                                                             {AddFolder2, "AddFolder"},
                                                             {Properties1, "Properties"},
                                                             {RunBackground1, "RunBackground"},
                                                             {Exit1, "Exit"},
                                                             {Remove1, "Remove"},
                                                             {Clear2, "Clear"},
                                                             {Rename1, "Rename"},
                                                             {SelectAll1, "CheckAll"},
                                                             {UnselectAll1, "UncheckAll"},
                                                             {Convert2, "Convert"},
                                                             {Pause1, "Pause"},
                                                             {Stop2, "Stop"},
                                                             {settings, "Settings"},
                                                             {Help1, "Help"},
                                                             {Feedback1, "Feedback"},
                                                             {About1, "About"}};
    const std::map<QString, const char*> dvdItems = {{"Select All", "CheckAll"},
                                                     {"Unselect ALL", "UncheckAll"},
                                                     {"Convert", "Convert"},
                                                     {"Stop", "Stop"},
                                                     {"Exit", "Exit"}};
    auto onItem = [this](QAction* a, const QString& c) {
        connect(a, &QAction::triggered, this, [this, c] { RunCommand(c); });
    };
    for (const auto& [item, command] : itemCommands) onItem(item, command);
    for (QAction* a : pop_dvd->actions())
        if (auto it = dvdItems.find(a->text()); it != dvdItems.end()) onItem(a, it->second);

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
    connect(lv, &QWidget::customContextMenuRequested, this, &Tfm_main::ListContextMenu);
    connect(edt_tit, &QLineEdit::editingFinished, this, &Tfm_main::CommitRename);
    lv->viewport()->installEventFilter(this);
    connect(im_mainico, &PictureLabel::clicked, this, &Tfm_main::OpenPicker);
    pl_play->installEventFilter(this);
}

void Tfm_main::Shortcut(int action) {
    using A = KeyFilter::Action;
    static const std::map<A, const char*> commandOf = {{A::Help, "Help"},
                                                       {A::OpenPicker, "OpenPicker"},
                                                       {A::SpaceToggle, "SpaceToggle"},
                                                       {A::Remove, "Remove"},
                                                       {A::Snapshot, "Snapshot"},
                                                       {A::AddFiles, "AddFiles"},
                                                       {A::AddFolder, "AddFolder"},
                                                       {A::Properties, "Properties"},
                                                       {A::RunBackground, "RunBackground"},
                                                       {A::Clear, "Clear"},
                                                       {A::Rename, "Rename"},
                                                       {A::CheckAll, "CheckAll"},
                                                       {A::UncheckAll, "UncheckAll"},
                                                       {A::Convert, "Convert"},
                                                       {A::Pause, "Pause"},
                                                       {A::Stop, "Stop"},
                                                       {A::Settings, "Settings"},
                                                       {A::Feedback, "Feedback"},
                                                       {A::PopupFile, "PopupFile"},
                                                       {A::PopupEdit, "PopupEdit"},
                                                       {A::PopupActions, "PopupActions"},
                                                       {A::PopupTools, "PopupTools"},
                                                       {A::PopupHelp, "PopupHelp"}};
    const A a = static_cast<A>(action);
    if (auto it = commandOf.find(a); it != commandOf.end()) {
        RunCommand(it->second);
        return;
    }
    if (a == A::QuitNow) {
        // At once, without the close question; the encoder's group goes with us.
        batch_->Stop();
        if (keeper_) keeper_->Discard();
        closing_ = true;
        QApplication::exit(0);
    }
}

// ---------------------------------------------------------------- skin events

void Tfm_main::Skin1Click(skin::ISkinObject* source) {
    if (!source) return;
    const QString n = source->Name();
    static const std::map<QString, const char*> commandOf = {
        {"profiles", "OpenPicker"}, {"openfiles", "AddFiles"}, {"openfolder", "AddFolder"},
        {"converter", "Convert"},   {"remove", "Remove"},      {"clear", "Clear"},
        {"stopconverter", "Stop"},  {"browse", "Browse"},      {"open", "OpenOutput"},
        {"play", "CutPlay"},        {"stop", "PlayStop"},      {"pause", "PlayPause"},
        {"help", "PopupHelp"},      {"file", "PopupFile"},     {"dvdfile", "PopupDvd"},
        {"register", "PopupTools"}, {"settings", "PopupEdit"}, {"purchase", "PopupActions"},
        {"begin", "BeginMark"},     {"end", "EndMark"}};
    if (auto it = commandOf.find(n); it != commandOf.end()) {
        RunCommand(it->second);
    } else if (n == "mainclose") {
        if (playing()) StopPlayback();
        close();
    } else if (n == "cutclose") {
        StopPlayback();
        if (fm_dvdcutter_) fm_dvdcutter_->close();
    } else if (n == "hou" || n == "qian") {
        JumpCut(n == "hou" ? -30 : 30);
    } else if (n == "cutter") {
        Refused(kNotWhileBusy);
    }
}

void Tfm_main::Skin1MouseMove(skin::ISkinObject* source, int, int) {
    LanguageText(HintIdFor(source ? source->Name().toStdString() : std::string()));
}

void Tfm_main::Skin1MouseDown(skin::ISkinObject* source, Qt::MouseButton, int, int) {
    CommitRename();
    ClosePicker();
    if (Converting() || !source || !PreviewPlayer::SetOfBar(source->Name())) return;
    player_->BeginDrag();
}

void Tfm_main::Skin1ScrollTrack(skin::ISkinObject* source, int) {
    if (!source || jobList_.Count() == 0) return;
    if (const PreviewPlayer::DisplaySet* set = PreviewPlayer::SetOfBar(source->Name()))
        player_->DragTo(*set);
}

void Tfm_main::Skin1MouseUp(skin::ISkinObject* source, Qt::MouseButton, int, int) {
    const PreviewPlayer::DisplaySet* set =
        source ? PreviewPlayer::SetOfBar(source->Name()) : nullptr;
    if (!Converting() && set)
        player_->EndDrag(*set);
    else
        player_->dragging = false;
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

void Tfm_main::OpenWebsite() {
    RunCommand("Website");
}

void Tfm_main::ShowHelp() {
    ShowHelpPage("index.html");
}

void Tfm_main::ShowHelpPage(const char* page) {
    fx_->OpenUrl(QString::fromStdString(ProgramDirectory + "help/" + page));
}

void Tfm_main::StartupUpdateCheck() {
    const QString cfg = QString::fromStdString(ConfigDirectory("VideoConverter"));
    if (!UpdateNotice::IsFirstStart(cfg)) return;
    auto* notice = new UpdateNotice(this);
    connect(notice, &UpdateNotice::finished, notice, &QObject::deleteLater);
    notice->Start(QString::fromStdString(ExeFileName), UpdateNotice::NoticePath(cfg),
                  UpdateNotice::Host());
    UpdateNotice::MarkStarted(cfg);
}

void Tfm_main::SiblingLaunch() {
    for (const std::string& path : SiblingsToLaunch(ProgramDirectory, [](const std::string& p) {
             return QFileInfo::exists(QString::fromStdString(p));
         }))
        fx_->StartDetached(QString::fromStdString(path), {});
}

// ---------------------------------------------------------------- profiles and settings

QString Tfm_main::PictureDir() const {
    return QString::fromStdString(ProgramDirectory) + "images/";
}

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
    if (ProfileId >= 1) {
        std::string err = StoreRememberedSettings(ProfileSettingsFilePath(), ProfileId, boxes);
        if (!err.empty()) fx_->Error(this, QString::fromStdString(err));
    }
    SetSelectedProfile(profile, n);
    ShowText("profilestext", QString::fromStdString(profile.displayName));
    ProfileId = n;
    GroupReadResult r = ReadProfileGroup(ProgramDirectory + kProfileFileName, profile, boxes);
    if (!r.complete) {
        fx_->Error(this, QString::fromStdString(r.error));
        // An unreadable file ends the selection here; a short one keeps what it could read.
        if (r.error.rfind("Cannot ", 0) == 0) return;
    }
    std::string err = LoadRememberedSettings(ProfileSettingsFilePath(), n, boxes);
    if (!err.empty()) fx_->Error(this, QString::fromStdString(err));
    RefreshSizeEstimates();
}

std::string Tfm_main::SettingsFilePath() const {
    return SettingsFilePathFor(ProductName());
}

std::string Tfm_main::ProfileSettingsFilePath() const {
    return ProfileSettingsFilePathFor(ProductName());
}

void Tfm_main::LoadSettings() {
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const int def = DefaultProfileFor(ExeFileName);
    const AppSettings s =
        LoadAppSettings(SettingsFilePath(), def,
                        (movies.isEmpty() ? QDir::homePath() : movies).toStdString() + "/");
    picker_->VideoFirstPage = s.videoFirstPage;
    picker_->AudioFirstPage = s.audioFirstPage;
    OutputDirectory = s.outputPath;
    ed_output->setText(QString::fromStdString(OutputDirectory));
    picker_->CategoryIndex = s.categoryIndex;
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
    s.categoryIndex = picker_->CategoryIndex;
    s.finishAction = FinishAction;
    s.videoFirstPage = picker_->VideoFirstPage;
    s.audioFirstPage = picker_->AudioFirstPage;
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
