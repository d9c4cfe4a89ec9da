#include "app/Tfm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTreeView>

#include "app/MainStyle.h"
#include "app/MainWindowExtras.h"
#include "core/appinfo.h"
#include "core/commandstate.h"
#include "core/languagefile.h"
#include "core/profilesettings.h"
#include "core/uilanguage.h"
#include "jobs/JobIntake.h"
#include "jobs/JobListStore.h"
#include "preview/Snapshot.h"
#include "preview/Tfm_dvdcutter.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/JobListView.h"
#include "shell/PictureButton.h"
#include "shell/WindowLayout.h"
#include "skin/windowdrag.h"

namespace vc {

Tfm_main::Tfm_main(SideEffects* effects, QWidget* parent)
    : QWidget(parent), fx_(effects), Skin1(new skin::SkinEngine(this)), display_(Skin1) {
    setObjectName("fm_main");
    setWindowTitle(tr("Video Converter"));
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    resize(820, 562);
    setFocusPolicy(Qt::ClickFocus);  // Tab stops at the controls, not at the window itself
    connect(Skin1, &skin::SkinEngine::OnClick, this, &Tfm_main::Skin1Click);
    connect(Skin1, &skin::SkinEngine::OnMouseMove, this, &Tfm_main::Skin1MouseMove);
    connect(Skin1, &skin::SkinEngine::OnMouseDown, this, &Tfm_main::Skin1MouseDown);
    connect(Skin1, &skin::SkinEngine::OnMouseUp, this, &Tfm_main::Skin1MouseUp);
    connect(Skin1, &skin::SkinEngine::OnScrollTrack, this, &Tfm_main::Skin1ScrollTrack);
    setStyleSheet(MainStyleSheet());
    display_.SetLayout(&layout_);
    CreateComponents();
    CreateMenus(this);
    WireIntake();
    WireUnits();
    WireCommands();
    SetUpExtras(*this);
    FormCreate();
}

Tfm_main::~Tfm_main() = default;

void Tfm_main::AttachWindows(Tfm_dir* dir, Tfm_set* set, Tfm_info* info, Tfm_dvdcutter* cutter) {
    fm_dir_ = dir;
    fm_set_ = set;
    fm_info_ = info;
    fm_dvdcutter_ = cutter;
    if (fm_set_) {
        fm_set_->effects = fx_;
        fm_set_->Bind(&session_);
        connect(fm_set_, &QDialog::accepted, this, &Tfm_main::RefreshSizeEstimates);
    }
    if (fm_dvdcutter_) {
        fm_dvdcutter_->Attach(&jobList_, player_, &display_, fx_);
        connect(fm_dvdcutter_, &Tfm_dvdcutter::rangesChanged, this,
                &Tfm_main::RefreshSizeEstimates);
    }
}

std::string Tfm_main::ProductName() const {
    return ProductNameOf(ExeFileName);
}

PictureButton* Tfm_main::button(const std::string& name) const {
    auto it = buttons.find(name);
    return it == buttons.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- components

void Tfm_main::CreateComponents() {
    pl_appname = new QWidget(this);
    pl_appname->setObjectName("pl_appname");
    pl_appname->setGeometry(12, 6, 220, 28);
    img_name = new PictureLabel("img_name", pl_appname);
    new skin::WindowDrag(img_name);  // the title picture drags the window like the title bar

    for (const auto& item : PictureButtonSpecs()) {
        auto* b = new PictureButton(item.name, this);
        b->SetHint(Translate("PictureButtons", item.hint));
        b->setGeometry(6, 6, 6, 6);
        buttons[item.name] = b;
    }

    lv = new QTreeView(this);
    lv->setObjectName("lv");
    SetUpJobListView(lv, &jobList_);
    lv->setGeometry(12, 100, 488, 296);

    edt_tit = new RenameEditor(lv);

    pl_play = PreviewPlayer::MakeVideoPanel(this, "pl_play");
    pl_play->setGeometry(520, 108, 280, 158);

    ed_output = new QLineEdit(this);
    ed_output->setObjectName("ed_output");
    ed_output->setFrame(false);
    ed_output->setGeometry(88, 453, 536, 18);

    cb_audio = new QComboBox(this);
    cb_audio->setObjectName("cb_audio");
    cb_subtitle = new QComboBox(this);
    cb_subtitle->setObjectName("cb_subtitle");

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(22, 414, 16, 16);
    im_mainico = new PictureLabel("im_mainico", Panel1);
    im_mainico->resize(16, 16);

    picker_ = new ProfilePicker(this, &display_, pl_play);
    player_ = new PreviewPlayer(&jobList_, &display_, this);
    Timer1 = player_->EndTimer();
    play_time = player_->PlayTimer();
    batch_ = std::make_unique<BatchRunner>(&jobList_, &session_);
    progress_ = new ProgressDisplay(batch_.get(), &display_, pl_play, this);
    Convert_used = batch_->Clock();
    snapshot_ = new Snapshot(this);
    windowLayout_ = new WindowLayout(this, &display_);
    trackBoxes_ = new TrackChoiceBoxes(
        cb_audio, cb_subtitle, &jobList_, [this] { return SelectedRows(); },
        [this] { return session_.Profile().extension; }, this);
}

// ---------------------------------------------------------------- lifecycle

void Tfm_main::FormCreate() {
    ExeFileName.clear();
    picker_->CategoryIndex = -1;
    session_.SetProgramDirectory(vc::ProgramDirectory());
}

void Tfm_main::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FormShow();
}

void Tfm_main::FormShow() {
    // Once. Skinning shows the window again, which comes back here before the edition's name
    // is known; running the start twice asked twice to restore the job list and added it twice.
    if (formShown_ || !ExeFileName.empty()) return;
    formShown_ = true;
    BindSkin();
    ClosePicker();
    ExeFileName = StartedExeFileName();
    if (ExeFileName.empty()) ExeFileName = "VideoConverter";
    session_.SetProductName(ProductName());
    ReadLayout();
    FinishWindow(*this);
    picker_->Configure(ExeFileName, PictureDir(), leftMoveInt_);
    StartupUpdateCheck();
    picker_->LoadPictures();
    LoadSettings();
    RestoreLeftBehindJobs();
    lv->setFocus();
    lv->setVisible(jobList_.Count() > 0);
    player_->EndDrag(QString());
    PlaceBackdrop(false, 0, 0, 0, 0);
    UpdateCommandState();
    About1->setText(tr("About %1").arg(QString::fromStdString(ProductName())));
    if (auto* b = button("bt_dvdopen")) b->setFocus();
    pl_play->show();
    SetPosFill("cutplaypos", 0);
    SetPosFill("convertpos", 0);
    SetPosFill("playpos", 0);
    emit startupFinished();
}

void Tfm_main::closeEvent(QCloseEvent* e) {
    if (closing_ || FormCloseQuery()) {
        closing_ = true;
        intake_->Cancel();
        if (keeper_) keeper_->Discard();
        e->accept();
        QApplication::closeAllWindows();
    } else {
        e->ignore();
    }
}

bool Tfm_main::FormCloseQuery() {
    if (Converting()) {
        if (!fx_->AskYesNo(this, tr("The convertion is processing, are you sure to quit?")))
            return false;
        StopBatch();
    }
    SaveSettings();
    if (QFileInfo::exists(QString::fromStdString(ProgramDirectory() + "show.dat"))) SiblingLaunch();
    return true;
}

void Tfm_main::RestoreLeftBehindJobs() {
    keeper_ = new JobListKeeper(&jobList_, batch_.get(),
                                JobListKeeper::PathBeside(SettingsFilePath()), this);
    if (!keeper_->LeftBehind()) return;
    if (fx_->Confirm(this,
                     tr("The program did not close normally last time. Restore its job list?")) &&
        keeper_->Restore())
        RefreshSizeEstimates();
    else
        keeper_->Discard();
}

// ---------------------------------------------------------------- skin binding

void Tfm_main::BindSkin() {
    const QString error =
        display_.Bind(this, fm_dvdcutter_, QString::fromStdString(ProgramDirectory() + "skn.skn"));
    if (!error.isEmpty()) fx_->Error(this, error);
    display_.NameObjects(LanguageFilePath());
}

void Tfm_main::SetPosFill(const QString& object, int value) {
    if (object == "convertpos")
        progress_->ShowFill(value);
    else
        display_.SetPosFill(object, value);
}

// ---------------------------------------------------------------- language, layout, state

QString Tfm_main::LanguageText(int id) {
    if (Converting() && id != 26) return {};
    std::string line;
    if (ReadLanguageLine(LanguageFilePath(), id, line) == LanguageLookup::FileError) {
        // Reported once; hover events would otherwise raise it on every move.
        if (!languageErrorShown_)
            fx_->Error(
                this,
                tr("The language file \"language.info\" cannot be read. Please install again."));
        languageErrorShown_ = true;
        return {};
    }
    QString text = QString::fromStdString(line);
    display_.ShowLanguageText(id, text, QString::fromStdString(ProductName()));
    return text;
}

void Tfm_main::ReadLayout() {
    const std::string path = ProgramDirectory() + "Skin.ini";
    const QString pictures = PictureDir();
    if (!layout_.Load(path)) {
        fx_->Information(this, tr("The program file cannot be found, please install again."));
        return;
    }
    if (!layout_.Problem().empty()) fx_->Warning(this, QString::fromStdString(layout_.Problem()));
    PlacePictureButtons(layout_.Buttons(), buttons, pictures);
    auto geometry = [this](QWidget* w, const char* s, int defHeight) {
        w->setGeometry(
            layout_.Int(s, "Left", 6), layout_.Int(s, "Top", 6), layout_.Int(s, "Width", 6),
            defHeight ? layout_.Int(s, "Height", defHeight) : layout_.Int(s, "height", 6));
    };
    for (QComboBox* box : {cb_audio, cb_subtitle}) {
        const std::string s = box->objectName().toStdString();
        box->move(layout_.Int(s, "Left", 6), layout_.Int(s, "Top", 6));
        box->resize(layout_.Int(s, "Width", 6), box->height());
    }
    leftMoveInt_ = layout_.Int("Leftmoveint", "Leftmoveint", 6);
    geometry(ed_output, "ed_output", 15);
    ed_output->setVisible(layout_.Flag("ed_output", "Visible", true));
    Panel1->move(layout_.Int("Panel1", "Left", 6), layout_.Int("Panel1", "Top", 6));
    picker_->Place(layout_);
    geometry(pl_play, "pl_play", 6);
    geometry(lv, "lv", 0);
    jobList_.SetHeader(JobList::CaptionColumn, QT_TRANSLATE_NOOP("vc::JobList", "Title"));
    FitColumnsToCaptions(lv);
    display_.SetVisible("hint", true);
    img_name->ShowInParent(QRect(layout_.Int("Title", "Left", 6), layout_.Int("Title", "Top", 5),
                                 layout_.Int("Title", "Width", 5), 0),
                           pictures + "main/" + QString::fromStdString(ProductName()) + ".bmp");
}

CommandFacts Tfm_main::Facts() const {
    return {jobList_.Count(), !SelectedRows().empty(), playing(), Converting(),
            intake_ && intake_->Busy()};
}

void Tfm_main::UpdateCommandState() {
    for (const auto& [name, on] : ComputeCommandState(Facts())) {
        if (name == "play_bar" || name == "cut_play_bar" || name == "previewhint") {
            display_.SetVisible(QString::fromStdString(name), on);
        } else if (PictureButton* b = button(name)) {
            b->setEnabled(on);
        } else if (QAction* a = menuItem(QString::fromStdString(name))) {
            a->setEnabled(on);
        }
    }
}

}  // namespace vc
