// Command dispatch of the main window: the one gate and the handler of every command, reached
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

#include "app/MainWindowExtras.h"
#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/appsettings.h"
#include "core/catalogue.h"
#include "core/commandstate.h"
#include "core/editions.h"
#include "core/languagefile.h"
#include "core/profilesettings.h"
#include "core/siblings.h"
#include "core/uilanguage.h"
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
#include "shell/WindowLayout.h"

namespace vc {

bool Tfm_main::Refused(Busy busy) {
    const bool both = busy == Busy::NotWhilePlayingOrConverting;
    if ((both || busy == Busy::NotWhilePlaying) && playing()) {
        fx_->Warning(this, LanguageText(27));
        return true;
    }
    if ((both || busy == Busy::NotWhileConverting) && Converting()) {
        fx_->Warning(this, LanguageText(26));
        return true;
    }
    return false;
}

bool Tfm_main::RunCommand(Command c, CommandSource from) {
    // A button or menu item that shows disabled sends nothing; some show a state of their own.
    if (from == CommandSource::Key && !CommandEnabled(c, Facts())) return false;
    progress_->ShowIdle();
    if (Refused(CommandInfo(c).busy)) return false;
    Handle(c);
    return true;
}

void Tfm_main::Handle(Command c) {
    using C = Command;
    using W = Tfm_main;
    struct Handler {
        Command command;
        void (*run)(W&);
    };
    // One handler for each command, in the registry's order: a command without one does not
    // build.
    static constexpr Handler kHandlers[] = {
        {C::AddFiles, [](W& w) { w.AddFiles(); }},
        {C::AddFolder, [](W& w) { w.AddFolder(); }},
        {C::Properties, [](W& w) { w.ShowProperties(); }},
        {C::RunBackground, [](W& w) { w.RunBackground(); }},
        {C::Exit, [](W& w) { w.close(); }},
        {C::Remove, [](W& w) { w.RemoveSelectedJobs(); }},
        {C::Clear, [](W& w) { w.ClearJobs(); }},
        {C::Rename, [](W& w) { w.RenameJob(); }},
        {C::CheckAll, [](W& w) { w.jobList_.SetAllChecked(true); }},
        {C::UncheckAll, [](W& w) { w.jobList_.SetAllChecked(false); }},
        {C::Convert, [](W& w) { w.StartBatch(); }},
        {C::Pause, [](W& w) { w.PauseToggle(); }},
        {C::Stop, [](W& w) { w.StopBatch(); }},
        {C::Settings, [](W& w) { w.ShowSettingsDialog(); }},
        {C::Help, [](W& w) { w.ShowHelpPage("index.html"); }},
        {C::Feedback, [](W& w) { w.ShowHelpPage("feedback.html"); }},
        {C::About, [](W& w) { w.ShowHelpPage("about.html"); }},
        {C::Website,
         [](W& w) {
             w.fx_->OpenUrl(
                 QString::fromStdString(w.layout_.Text("website", "web", kDefaultWebsiteUrl)));
         }},
        {C::Play, [](W& w) { w.PlaySelectedJob(); }},
        {C::PlayPause, [](W& w) { w.TogglePause(); }},
        {C::PlayStop, [](W& w) { w.StopPlayback(); }},
        {C::Previous, [](W& w) { w.PreviousJob(); }},
        {C::Next, [](W& w) { w.NextJob(); }},
        {C::Cut, [](W& w) { w.bt_cutClick(); }},
        {C::Snapshot, [](W& w) { w.bt_imagesClick(); }},
        {C::OpenPicker, [](W& w) { w.OpenPicker(); }},
        {C::Browse, [](W& w) { w.BrowseOutput(); }},
        {C::OpenOutput, [](W& w) { w.OpenOutput(); }},
        {C::SpaceToggle, [](W& w) { w.SpaceKey(); }},
        {C::CutPlay, [](W& w) { w.CutPlay(); }},
        {C::BeginMark, [](W& w) { w.SetBeginMark(); }},
        {C::EndMark, [](W& w) { w.SetEndMark(); }},
        {C::PopupFile, [](W& w) { w.PopupAt(w.zm_popup_file, "file"); }},
        {C::PopupEdit, [](W& w) { w.PopupAt(w.zm_pop_edit, "Edit"); }},
        {C::PopupActions, [](W& w) { w.PopupAt(w.zm_pop_actions, "actions"); }},
        {C::PopupTools, [](W& w) { w.PopupAt(w.zm_pop_tools, "Tools"); }},
        {C::PopupHelp, [](W& w) { w.PopupAt(w.zm_pop_help, "help"); }},
        {C::PopupDvd, [](W& w) { w.PopupDvdMenu(); }},
        {C::CloseMain,
         [](W& w) {
             if (w.playing()) w.StopPlayback();
             w.close();
         }},
        {C::CloseCut,
         [](W& w) {
             w.StopPlayback();
             if (w.fm_dvdcutter_) w.fm_dvdcutter_->close();
         }},
        {C::JumpBack, [](W& w) { w.JumpCut(-30); }},
        {C::JumpForward, [](W& w) { w.JumpCut(30); }},
        {C::CutterNote, [](W&) {}},  // the busy rule's refusal is all it does
        {C::MoveUp, [](W& w) { MoveSelectedJobs(w, -1); }},
        {C::MoveDown, [](W& w) { MoveSelectedJobs(w, +1); }},
        {C::UndoRemoval, [](W& w) { UndoJobRemoval(w); }},
        {C::QuitNow,
         [](W& w) {
             // At once, without the close question; the encoder's group goes with us.
             w.batch_->Stop();
             if (w.keeper_) w.keeper_->Discard();
             w.closing_ = true;
             QApplication::exit(0);
         }},
    };
    static_assert(OnePerCommandInOrder(kHandlers));
    kHandlers[static_cast<std::size_t>(c)].run(*this);
}

void Tfm_main::WireUnits() {
    connect(ed_output, &QLineEdit::textChanged, &session_, &ConversionSession::SetOutputFolderText);
    connect(&session_, &ConversionSession::changed, this, [this](ConversionSession::Change what) {
        if (what == ConversionSession::Change::OutputFolder &&
            ed_output->text() != session_.OutputFolderText())
            ed_output->setText(session_.OutputFolderText());
        if (what == ConversionSession::Change::Profile)
            ShowText("profilestext", QString::fromStdString(session_.Profile().displayName));
    });
    connect(batch_.get(), &BatchRunner::stateChanged, this, [this](BatchRunner::State s) {
        const bool paused = s == BatchRunner::State::Paused;
        Pause1->setText(paused ? tr("Continue") : tr("Pause"));
        button("bt_pause")->SetHint(paused ? tr("Continue conversion") : tr("Pause conversion"));
        UpdateCommandState();
    });
    connect(batch_.get(), &BatchRunner::cannotStart, this,
            [this](int, const QString& error) { fx_->Error(this, error); });
    connect(batch_.get(), &BatchRunner::batchEnded, this, &Tfm_main::UpdateCommandState);
    new BatchEndActions(batch_.get(), &session_, this, fx_, [this] { return trayIcon(); });

    connect(player_, &PreviewPlayer::stateChanged, this, &Tfm_main::UpdateCommandState);
    connect(picker_, &ProfilePicker::profileChosen, this, &Tfm_main::SelectProfile);
    connect(snapshot_, &Snapshot::done, this, [this](bool ok, const QString& file) {
        if (ok) ShowText("hint", tr("Snapshot saved: %1").arg(file));
        if (!ok) fx_->Warning(this, tr("The snapshot %1 could not be saved.").arg(file));
    });
    connect(snapshot_, &Snapshot::cannotStart, this,
            [this](const QString& error) { fx_->Error(this, error); });
}

void Tfm_main::WireCommands() {
    for (const ButtonSpec& item : PictureButtonSpecs()) {
        const Command c = item.command;
        connect(button(item.name), &QAbstractButton::clicked, this,
                [this, c] { RunCommand(c, CommandSource::Widget); });
        // A press on any picture button first closes the profile picker.
        connect(button(item.name), &PictureButton::mousePressed, this, &Tfm_main::ClosePicker);
    }
    for (const auto& [item, command] : ItemCommands()) {
        const Command c = command;
        connect(item, &QAction::triggered, this,
                [this, c] { RunCommand(c, CommandSource::Widget); });
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
    connect(
        keys_, &KeyFilter::shortcut, this, [this](Command c) { RunCommand(c); },
        Qt::QueuedConnection);

    auto* drops = new FileDropTarget({this, lv->viewport()}, this);
    connect(drops, &FileDropTarget::dropped, this, &Tfm_main::OpenPaths);

    connect(lv, &QTreeView::clicked, this, [this] { lvClick(); });
    connect(lv->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        trackBoxes_->Refresh();
        if (!Converting() && !playing()) UpdateCommandState();
    });
    connect(&jobList_, &JobList::rowsInserted, trackBoxes_, &TrackChoiceBoxes::Refresh);
    connect(&session_, &ConversionSession::changed, trackBoxes_, &TrackChoiceBoxes::Refresh);
    connect(lv, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        JobListContextMenu(lv, jobList_, zm_pop_edit->actions(), at, fx_);
    });
    connect(edt_tit, &RenameEditor::renamed, &jobList_, &JobList::SetCaption);
    lv->viewport()->installEventFilter(this);
    connect(im_mainico, &PictureLabel::clicked, this,
            [this] { RunCommand(Command::OpenPicker, CommandSource::SkinObject); });
    pl_play->installEventFilter(this);
}

// ---------------------------------------------------------------- skin events

void Tfm_main::Skin1Click(skin::ISkinObject* source) {
    if (const auto c = source ? SkinObjectCommand(source->Name().toStdString()) : std::nullopt)
        RunCommand(*c, CommandSource::SkinObject);
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
    fx_->ShowHelp(
        QString::fromStdString(HelpPagePath(ProgramDirectory(), page, CurrentLanguage())));
}

void Tfm_main::StartupUpdateCheck() {
    UpdateNotice::FetchOnFirstStart(this, QString::fromStdString(ConfigDirectory("VideoConverter")),
                                    QString::fromStdString(ExeFileName));
}

void Tfm_main::SiblingLaunch() {
    for (const std::string& path : SiblingsToLaunch(ProgramDirectory(), [](const std::string& p) {
             return QFileInfo::exists(QString::fromStdString(p));
         }))
        fx_->StartDetached(QString::fromStdString(path), {});
}

// ---------------------------------------------------------------- profiles and settings

void Tfm_main::OpenPicker() {
    if (!playing() && IsKavrin(ExeFileName)) pl_play->hide();
    picker_->Open(session_.ProfileId());
}

void Tfm_main::SelectProfile(int n) {
    const int category = picker_->CategoryIndex;
    if (category >= 1 && category <= 14 &&
        !im_mainico->LoadPicture(PictureDir() + QString("main/%1.bmp").arg(category))) {
        fx_->Error(this, tr("The picture \"images/main/%1.bmp\" cannot be read.").arg(category));
        return;
    }
    const ConversionSession::ProfileSwitch done = session_.SelectProfile(n);
    for (const std::string& e : done.problems) fx_->Error(this, QString::fromStdString(e));
    if (done.profileFileRead) RefreshSizeEstimates();
}

void Tfm_main::LoadSettings() {
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const int def = DefaultProfileFor(ExeFileName);
    const AppSettings s = session_.LoadSettings(
        def, (movies.isEmpty() ? QDir::homePath() : movies).toStdString() + "/");
    picker_->TakeSettings(s);
    windowLayout_->Restore(s);
    // A stored number that names no selectable profile falls back to the edition's default.
    const ProfileEntry* e = CatalogueEntry(s.profileId);
    SelectProfile(!e || e->displayName[0] == '\0' ? def : s.profileId);
}

void Tfm_main::SaveSettings() {
    AppSettings s;
    picker_->PutSettings(s);
    windowLayout_->Remember(s);
    if (!session_.SaveSettings(s))
        fx_->Error(this, tr("The settings cannot be written to \"%1\".")
                             .arg(QString::fromStdString(SettingsFilePath())));
}

void Tfm_main::BrowseOutput() {
    fm_dir_->setWindowTitle(LanguageText(37));
    fm_dir_->ChosenDirectory.clear();
    fm_dir_->SelectFolder(ed_output->text());
    fx_->ExecDialog(fm_dir_);
    session_.ChooseOutputDirectory(fm_dir_->ChosenDirectory);
}

void Tfm_main::OpenOutput() {
    fx_->OpenFolder(QString::fromStdString(session_.OutputDirectory()));
}

void Tfm_main::ShowSettingsDialog() {
    fx_->ExecDialog(fm_set_);
}

}  // namespace vc
