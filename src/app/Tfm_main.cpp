#include "app/Tfm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeWidget>

#include "core/appinfo.h"
#include "core/catalogue.h"
#include "core/commandstate.h"
#include "core/languagefile.h"
#include "core/profilesettings.h"
#include "core/timeutil.h"
#include "preview/Tfm_dvdcutter.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/PictureButton.h"
#include "jobs/EncoderRunner.h"
#include "jobs/MediaProbe.h"

namespace vc {

namespace {
bool IsSubPanel(const char* name) {
    for (const char* s : SubPanels())
        if (std::string(s) == name) return true;
    return false;
}

// Objects bound on the main window, in binding order; then those of the cut window.
const char* const kMainObjects[] = {"profilestext", "play_time", "hint",     "play_bar",
                                    "di",           "alltime",   "playpos",  "convertpos",
                                    "convertinfo",  "filename",  "filesize", "filepath",
                                    "usedtime",     "resttime"};
const char* const kCutObjects[] = {"cut_begin_time", "cut_end_time", "cut_play_time",
                                   "cut_play_bar", "cutplaypos"};
constexpr int kPanelWidth = 250;
constexpr int kPanelHeight = 388;
constexpr int kSlotTops[] = {-1, 52, 100, 148, 196, 244, 292, 340};
}  // namespace

Tfm_main::Tfm_main(SideEffects* effects, QWidget* parent) : QWidget(parent), fx_(effects) {
    setObjectName("fm_main");
    setWindowTitle("Video Converter");
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint);
    resize(820, 562);
    setFocusPolicy(Qt::StrongFocus);
    Skin1 = new skin::SkinEngine(this);
    connect(Skin1, &skin::SkinEngine::OnClick, this, &Tfm_main::Skin1Click);
    connect(Skin1, &skin::SkinEngine::OnMouseMove, this, &Tfm_main::Skin1MouseMove);
    connect(Skin1, &skin::SkinEngine::OnMouseDown, this, &Tfm_main::Skin1MouseDown);
    connect(Skin1, &skin::SkinEngine::OnMouseUp, this, &Tfm_main::Skin1MouseUp);
    connect(Skin1, &skin::SkinEngine::OnScrollTrack, this, &Tfm_main::Skin1ScrollTrack);
    setStyleSheet(QStringLiteral(
        "QLineEdit { background: #2d333d; color: #e8ebf0; border: none; selection-background-color: #3d9bf4; }"
        "QTreeView::item { height: 24px; }"
        "QTreeWidget { background: #252a32; alternate-background-color: #2a3039; color: #e8ebf0;"
        "  border: none; border-radius: 6px; gridline-color: #3a414d; selection-background-color: #2f7fce; }"
        "QHeaderView::section { background: #2d333d; color: #9aa4b2; border: none;"
        "  border-right: 1px solid #3a414d; padding: 4px 6px; }"
        "QMenu { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d; padding: 4px; }"
        "QMenu::item { padding: 5px 22px 5px 14px; border-radius: 4px; }"
        "QMenu::item:selected { background: #3d9bf4; color: white; }"
        "QMenu::item:disabled { color: #6b7480; }"
        "QMenu::separator { height: 1px; background: #3a414d; margin: 4px 6px; }"
        "QScrollBar:vertical { background: #252a32; width: 10px; }"
        "QScrollBar::handle:vertical { background: #3a414d; border-radius: 4px; min-height: 24px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
        "QComboBox { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d; border-radius: 4px;"
        "  padding: 2px 6px; }"
        "QComboBox:disabled { color: #6b7480; }"
        "QComboBox QAbstractItemView { background: #2d333d; color: #e8ebf0; selection-background-color: #3d9bf4; }"
        // The dialogs are children of the main window and share its palette.
        "QDialog { background: #1d2127; color: #e8ebf0; }"
        "QDialog QLabel, QDialog QRadioButton, QDialog QCheckBox { color: #e8ebf0; }"
        "QGroupBox { color: #9aa4b2; border: 1px solid #3a414d; border-radius: 6px; margin-top: 18px;"
        "  padding: 10px 8px 8px 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
        "QDialog QPushButton { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d;"
        "  border-radius: 6px; padding: 5px 18px; }"
        "QDialog QPushButton:hover { background: #3a414d; }"
        "QDialog QPushButton:default { background: #3d9bf4; border-color: #3d9bf4; color: white; }"
        "QDialog QTreeView { background: #252a32; color: #e8ebf0; border: 1px solid #3a414d; }"
        "QDialog QLineEdit { padding: 3px 6px; border-radius: 4px; }"));
    CreateComponents();
    CreateMenus();
    probe_ = std::make_unique<MediaProbe>();
    WireCommands();
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
        fm_set_->currentFinishAction = [this] { return FinishAction; };
        fm_set_->onOk = [this](int item) {
            FinishAction = item;
            RefreshSizeEstimates();
            std::string err = StoreRememberedSettings(ProfileSettingsFilePath(), ProfileId, fm_set_->Boxes());
            if (!err.empty()) fx_->Error(this, QString::fromStdString(err));
        };
    }
}

std::string Tfm_main::ProductName() const { return ProductNameOf(ExeFileName); }

PictureButton* Tfm_main::button(const std::string& name) const {
    auto it = buttons.find(name);
    return it == buttons.end() ? nullptr : it->second;
}

QAction* Tfm_main::menuItem(const QString& caption) const {
    // Items are known by the captions they were created with ("&Pause(P)" reads "Continue"
    // while a batch is paused).
    auto it = menuByCaption_.find(caption);
    if (it != menuByCaption_.end()) return it->second;
    for (QMenu* m : {zm_popup_file, zm_pop_edit, zm_pop_actions, zm_pop_tools, zm_pop_help, pop_dvd})
        for (QAction* a : m->actions())
            if (a->text() == caption) return a;
    return nullptr;
}

// ---------------------------------------------------------------- components

void Tfm_main::CreateComponents() {
    pl_appname = new QWidget(this);
    pl_appname->setObjectName("pl_appname");
    pl_appname->setGeometry(12, 6, 220, 28);
    img_name = new PictureLabel("img_name", pl_appname);
    connect(img_name, &PictureLabel::mousePressed, this, &Tfm_main::TitleMouseDown);
    connect(img_name, &PictureLabel::mouseMoved, this, &Tfm_main::TitleMouseMove);
    connect(img_name, &PictureLabel::mouseReleased, this, [this](QPoint) { titleReleased_ = true; });

    for (const auto& item : PictureButtonSpecs()) {
        auto* b = new PictureButton(item.name, this);
        b->setToolTip(item.hint);
        b->setGeometry(6, 6, 6, 6);
        buttons[item.name] = b;
        connect(b, &PictureButton::mousePressed, this, &Tfm_main::ClosePicker);
    }

    lv = new QTreeWidget(this);
    lv->setObjectName("lv");
    lv->setGeometry(12, 100, 488, 296);
    lv->setHeaderLabels({"File Name", "Width * Height", "Time", "Output Size", "Status"});
    lv->setRootIsDecorated(false);
    lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->header()->setSectionsClickable(false);
    lv->setContextMenuPolicy(Qt::CustomContextMenu);
    lv->setColumnWidth(0, 146);
    lv->setColumnWidth(1, 96);
    lv->setColumnWidth(2, 68);
    lv->setColumnWidth(3, 84);
    lv->header()->setStretchLastSection(true);
    lv->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lv->setUniformRowHeights(true);

    edt_tit = new QLineEdit(lv->viewport());
    edt_tit->setObjectName("edt_tit");
    edt_tit->hide();

    pl_play = new QWidget(this);
    pl_play->setObjectName("pl_play");
    pl_play->setGeometry(520, 108, 280, 158);
    pl_play->setAttribute(Qt::WA_NativeWindow);
    pl_play->setAutoFillBackground(true);
    QPalette pal = pl_play->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pl_play->setPalette(pal);

    ed_output = new QLineEdit(this);
    ed_output->setObjectName("ed_output");
    ed_output->setFrame(false);
    ed_output->setGeometry(88, 453, 536, 18);

    cb_audio = new QComboBox(this);
    cb_audio->setObjectName("cb_audio");
    cb_audio->hide();
    cb_subtitle = new QComboBox(this);
    cb_subtitle->setObjectName("cb_subtitle");
    cb_subtitle->hide();

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(22, 414, 16, 16);
    im_mainico = new PictureLabel("im_mainico", Panel1);
    im_mainico->resize(16, 16);

    // The profile picker: backdrop, category list and one panel per category page.
    pl_back = new QWidget(this);
    pl_back->setObjectName("pl_back");
    pl_back->setGeometry(174, 100, kPanelWidth, kPanelHeight);
    Image13 = new PictureLabel("Image13", pl_back);
    Image13->setGeometry(0, 0, kPanelWidth, kPanelHeight);
    Image13->SetFixedPictureSize(true);

    pl_main = new QWidget(this);
    pl_main->setObjectName("pl_main");
    pl_main->setGeometry(20, 100, 150, 26 * 13);
    pl_main->setAutoFillBackground(true);
    {
        QPalette mp = pl_main->palette();
        mp.setColor(QPalette::Window, QColor("#2d333d"));
        pl_main->setPalette(mp);
    }
    for (const auto& c : Categories()) {
        auto* pic = new PictureLabel(c.picture, pl_main);
        pic->setGeometry(0, (c.index - 1) * 26, 150, 26);
        pic->SetFixedPictureSize(true);
        categoryPictures[c.index] = pic;
    }
    for (const char* name : ProfilePanels()) {
        auto* panel = new QWidget(this);
        panel->setObjectName(name);
        panel->setGeometry(174, 100, kPanelWidth, kPanelHeight);
        panel->setAutoFillBackground(true);
        QPalette pp = panel->palette();
        pp.setColor(QPalette::Window, QColor("#2d333d"));
        panel->setPalette(pp);
        panels[name] = panel;
        int slot = 0;
        for (int id : ButtonsOnPanel(name)) {
            auto* pic = new PictureLabel(QString("btim_%1").arg(id), panel);
            pic->setGeometry(0, kSlotTops[std::min(slot, 7)], kPanelWidth, 46);
            pic->SetFixedPictureSize(true);
            btim[id] = pic;
            ++slot;
        }
    }
    auto pageLink = [&](const char* name, const char* panel) {
        auto* pic = new PictureLabel(name, panels[panel]);
        pic->setGeometry(0, kPanelHeight - 24, kPanelWidth, 22);
        pic->SetFixedPictureSize(true);
        return pic;
    };
    Image94 = pageLink("Image94", "pl_video1");
    Image93 = pageLink("Image93", "pl_video2");
    Image2 = pageLink("Image2", "pl_audio1");
    Image5 = pageLink("Image5", "pl_audio2");
    ClosePicker();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    play_time = new QTimer(this);
    play_time->setObjectName("play_time");
    play_time->setInterval(1000);
    Convert_used = new QTimer(this);
    Convert_used->setObjectName("Convert_used");
    Convert_used->setInterval(1000);
}

void Tfm_main::CreateMenus() {
    auto add = [this](QMenu* m, const QString& caption, const char* name) {
        QAction* a = m->addAction(caption);
        a->setObjectName(name);
        menuByCaption_[caption] = a;
        return a;
    };
    zm_popup_file = new QMenu(this);
    zm_popup_file->setObjectName("zm_popup_file");
    AddFiles2 = add(zm_popup_file, "&Add File(A)", "AddFiles2");
    AddFolder2 = add(zm_popup_file, "A&dd Folder(D)", "AddFolder2");
    zm_popup_file->addSeparator();
    Properties1 = add(zm_popup_file, "Proper&ties(T)", "Properties1");
    RunBackground1 = add(zm_popup_file, "&Run Background(R)", "RunBackground1");
    zm_popup_file->addSeparator();
    Exit1 = add(zm_popup_file, "&Exit(E)", "Exit1");

    zm_pop_edit = new QMenu(this);
    zm_pop_edit->setObjectName("zm_pop_edit");
    Remove1 = add(zm_pop_edit, "&Remove(R)", "Remove1");
    Clear2 = add(zm_pop_edit, "&Clear(C)", "Clear2");
    Rename1 = add(zm_pop_edit, "Re&name(N)", "Rename1");
    zm_pop_edit->addSeparator();
    SelectAll1 = add(zm_pop_edit, "Select A&ll(L)", "SelectAll1");
    UnselectAll1 = add(zm_pop_edit, "&Unselect All(U)", "UnselectAll1");

    zm_pop_actions = new QMenu(this);
    zm_pop_actions->setObjectName("zm_pop_actions");
    Convert2 = add(zm_pop_actions, "Con&vert(V)", "Convert2");
    Pause1 = add(zm_pop_actions, "&Pause(P)", "Pause1");
    Stop2 = add(zm_pop_actions, "&Stop(S)", "Stop2");

    zm_pop_tools = new QMenu(this);
    zm_pop_tools->setObjectName("zm_pop_tools");
    settings = add(zm_pop_tools, "Sett&ings(I)", "settings");

    zm_pop_help = new QMenu(this);
    zm_pop_help->setObjectName("zm_pop_help");
    Help1 = add(zm_pop_help, "&Help(H)", "Help1");
    zm_pop_help->addSeparator();
    Feedback1 = add(zm_pop_help, "&Feedback and Support(F)", "Feedback1");
    zm_pop_help->addSeparator();
    About1 = add(zm_pop_help, "About ", "About1");

    pop_dvd = new QMenu(this);
    pop_dvd->setObjectName("pop_dvd");
    for (const char* c : {"Add DVD", "Add IFO", "-", "Select All", "Unselect ALL", "-", "Convert",
                          "Stop", "-", "Exit"}) {
        if (QString(c) == "-")
            pop_dvd->addSeparator();
        else
            pop_dvd->addAction(c);
    }
}

// ---------------------------------------------------------------- lifecycle

void Tfm_main::FormCreate() {
    ExeFileName.clear();
    CategoryIndex = -1;
    ProfileId = -1;
    playing = false;
    Converting = false;
    dragging = false;
    paused = false;
    cutShown = false;
    EncoderPath = vc::ProgramDirectory() + "register.dat";
    ProgramDirectory = vc::ProgramDirectory();
    // Ctrl+A reaches "add files" through the application-wide key filter instead of a
    // system-wide hot key, so other programs keep the combination.
}

void Tfm_main::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FormShow();
}

void Tfm_main::FormShow() {
    if (!ExeFileName.empty()) return;
    // Centre on the screen the first time.
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    BindSkin();
    ClosePicker();
    ExeFileName = StartedExeFileName();
    if (ExeFileName.empty()) ExeFileName = "VideoConverter";
    ReadLayout();
    StartupUpdateCheck();
    for (int n = 1; n <= kProfileCount; ++n) RestoreButtonPicture(n);
    for (const auto& c : Categories())
        categoryPictures[c.index]->LoadPicture(PictureDir() + "main/general/img_" + c.fileName + ".bmp");
    for (PictureLabel* link : {Image94, Image2})
        link->LoadPicture(PictureDir() + "sub/page_next.bmp");
    for (PictureLabel* link : {Image93, Image5})
        link->LoadPicture(PictureDir() + "sub/page_prev.bmp");
    Image13->LoadPicture(PictureDir() + "sub/backdrop.bmp");
    LoadSettings();
    lv->setFocus();
    lv->setVisible(lv->topLevelItemCount() > 0);
    dragging = false;
    PlaceBackdrop(false, 0, 0, 0, 0);
    UpdateCommandState();
    About1->setText(QString::fromStdString("About " + ProductName()));
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
        e->accept();
        QApplication::closeAllWindows();
    } else {
        e->ignore();
    }
}

bool Tfm_main::FormCloseQuery() {
    if (Converting) {
        if (!fx_->AskYesNo(this, "The convertion is processing, are you sure to quit?")) return false;
        StopBatch();
    }
    SaveSettings();
    if (QFileInfo::exists(QString::fromStdString(ProgramDirectory + "show.dat"))) SiblingLaunch();
    return true;
}

// ---------------------------------------------------------------- skin binding

void Tfm_main::BindSkin() {
    const QString path = QString::fromStdString(ProgramDirectory + "skn.skn");
    try {
        Skin1->OpenSkinFile(path);
        Skin1->SkinWindow(this);
        Skin1->SkinWindowAs(this, "dozadozorozirivaz");
    } catch (const std::exception& ex) {
        fx_->Error(this, QString("The skin file cannot be loaded: %1").arg(ex.what()));
        return;
    }
    skin::ISkinObject* root = Skin1->WindowRoot(this);
    for (const char* name : kMainObjects) {
        BindObject(root, name, QString(name) == "play_bar");
        if (QString(name) == "convertpos") {
            for (const char* fill : {"convertpos", "playpos"}) {
                if (Bound* b = bound(fill); b && b->placement) b->placement->GetArea(b->fillRect);
            }
            SetSliderPosition("play_bar", 0);
        }
    }
    if (fm_dvdcutter_) {
        try {
            Skin1->SkinWindow(fm_dvdcutter_);
            Skin1->SkinWindowAs(fm_dvdcutter_, "cutter");
            skin::ISkinObject* cutRoot = Skin1->WindowRoot(fm_dvdcutter_);
            for (const char* name : kCutObjects) BindObject(cutRoot, name, QString(name) == "cut_play_bar");
            if (Bound* b = bound("cutplaypos"); b && b->placement) b->placement->GetArea(b->fillRect);
        } catch (const std::exception& ex) {
            fx_->Error(this, QString("The skin file cannot be loaded: %1").arg(ex.what()));
        }
    }
    skinBound_ = true;
    // The skin draws under every control; keep the controls on top.
    if (QWidget* s = Skin1->Surface(this)) s->lower();
}

void Tfm_main::BindObject(skin::ISkinObject* root, const QString& name, bool slider) {
    if (!root) return;
    skin::ISkinObject* o = root->FindChild(name);
    if (!o) return;
    Bound b;
    if (slider)
        b.slider = o->slider();
    else
        b.caption = o->caption();
    b.placement = o->placement();
    bound_[name] = b;
}

Tfm_main::Bound* Tfm_main::bound(const QString& name) {
    auto it = bound_.find(name);
    return it == bound_.end() ? nullptr : &it->second;
}

const Tfm_main::Bound* Tfm_main::bound(const QString& name) const {
    auto it = bound_.find(name);
    return it == bound_.end() ? nullptr : &it->second;
}

void Tfm_main::ShowText(const QString& object, const QString& text) {
    Bound* b = bound(object);
    if (!b || !b->caption) return;
    b->caption->SetText(text);
    if (b->placement) b->placement->Refresh();
}

QString Tfm_main::SkinText(const QString& object) const {
    const Bound* b = bound(object);
    return b && b->caption ? b->caption->GetText() : QString();
}

void Tfm_main::SetPosFill(const QString& object, int value) {
    Bound* b = bound(object);
    if (b && b->placement) {
        int v = std::min(value, 10000);
        const char* section = object == "playpos" ? "Play" : object == "convertpos" ? "convert" : "CutPlay";
        int w = layout_.FillWidth(section);
        int width = static_cast<int>(RoundHalfAway(static_cast<double>(v) * w / 10000.0));
        skin::SkinRect r = b->fillRect;
        r.right = r.left + width;
        b->placement->SetArea(r);
        b->placement->Refresh();
    }
    if (object == "convertpos") ShowText("hint", QString::fromStdString(EncoderStatusLine));
}

void Tfm_main::PlaceBackdrop(bool show, int left, int top, int width, int height) {
    if (Bound* b = bound("di"); b && b->placement) {
        b->placement->SetVisible(show ? -1 : 0);
        b->placement->SetArea({left, top, left + width, top + height});
        b->placement->Refresh();
    }
    pl_back->setVisible(show);
    pl_back->move(left, top);
    if (show) {
        // The backdrop lies over the job list and preview but under the picker itself.
        pl_back->raise();
        pl_main->raise();
        for (const char* name : ProfilePanels())
            if (panels[name]->isVisible() && CategoryOfPanel(name) && !IsSubPanel(name)) panels[name]->raise();
        for (const char* name : SubPanels())
            if (panels[name]->isVisible()) panels[name]->raise();
    }
}

void Tfm_main::SetSkinVisible(const QString& object, bool visible) {
    Bound* b = bound(object);
    if (!b || !b->placement) return;
    b->placement->SetVisible(visible ? -1 : 0);
    b->placement->Refresh();
}

void Tfm_main::SetSliderPosition(const QString& object, int pos) {
    Bound* b = bound(object);
    if (!b || !b->slider) return;
    b->slider->SetPosition(pos);
    if (b->placement) b->placement->Refresh();
}

int Tfm_main::SliderPosition(const QString& object) const {
    const Bound* b = bound(object);
    if (!b || !b->slider) return 0;
    int p = b->slider->GetPosition();
    if (b->placement) b->placement->Refresh();
    return p;
}

// ---------------------------------------------------------------- language, layout, state

QString Tfm_main::LanguageText(int id) {
    if (Converting && id != 26) return {};
    std::string line;
    LanguageLookup r = ReadLanguageLine(ProgramDirectory + "language.info", id, line);
    if (r == LanguageLookup::FileError) {
        // Reported once; hover events would otherwise raise it on every move.
        if (!languageErrorShown_) {
            languageErrorShown_ = true;
            fx_->Error(this, "The language file \"language.info\" cannot be read. Please install again.");
        }
        return {};
    }
    QString text = QString::fromStdString(line);
    if (id == 25)
        ShowText("hint", text + " " + QString::fromStdString(ProductName()) + ".");
    else if (id < 25)
        ShowText("hint", text);
    return text;
}

void Tfm_main::ReadLayout() {
    const std::string path = ProgramDirectory + "Skin.ini";
    const QString pictures = QString::fromStdString(ProgramDirectory + "images/");
    if (!layout_.Load(path)) {
        fx_->Information(this, "The program file cannot be found, please install again.");
        return;
    }
    for (const ButtonLayout& b : layout_.Buttons()) {
        PictureButton* w = button(b.name);
        if (!w) continue;
        w->setGeometry(b.left, b.top, b.width, b.height);
        const QString base = pictures + QString::fromStdString(b.name);
        w->LoadPictures(base + ".bmp", base + "on.bmp", base + "D.bmp");
        w->setVisible(b.visible);
    }
    for (QComboBox* box : {cb_audio, cb_subtitle}) {
        const std::string s = box->objectName().toStdString();
        box->move(layout_.Int(s, "Left", 6), layout_.Int(s, "Top", 6));
        box->resize(layout_.Int(s, "Width", 6), box->height());
    }
    leftMoveInt_ = layout_.Int("Leftmoveint", "Leftmoveint", 6);
    ed_output->setGeometry(layout_.Int("ed_output", "Left", 6), layout_.Int("ed_output", "Top", 6),
                           layout_.Int("ed_output", "Width", 6), layout_.Int("ed_output", "Height", 15));
    ed_output->setVisible(layout_.Flag("ed_output", "Visible", true));
    Panel1->move(layout_.Int("Panel1", "Left", 6), layout_.Int("Panel1", "Top", 6));
    pl_main->move(layout_.Int("pl_main", "Left", 6), layout_.Int("pl_main", "Top", 6));
    const int plLeft = layout_.Int("pl_main", "plleft", 6);
    const int plTop = layout_.Int("pltop", "pltop", 6);
    for (const char* p : ProfilePanels()) panels[p]->move(plLeft, panels[p]->y());
    for (const char* p : ProfilePanels()) panels[p]->move(panels[p]->x(), plTop);
    pl_play->setGeometry(layout_.Int("pl_play", "Left", 6), layout_.Int("pl_play", "Top", 6),
                         layout_.Int("pl_play", "Width", 6), layout_.Int("pl_play", "Height", 6));
    lv->setGeometry(layout_.Int("lv", "Left", 6), layout_.Int("lv", "Top", 6),
                    layout_.Int("lv", "Width", 6), layout_.Int("lv", "height", 6));
    lv->headerItem()->setText(0, "Title");
    showChecks_ = true;
    SetSkinVisible("hint", true);
    const QString title =
        pictures + "main/" + QString::fromStdString(ProductName()) + ".bmp";
    if (QFileInfo::exists(title)) {
        pl_appname->setGeometry(layout_.Int("Title", "Left", 6), layout_.Int("Title", "Top", 5),
                                layout_.Int("Title", "Width", 5), pl_appname->height());
        img_name->LoadPicture(title);
        pl_appname->resize(pl_appname->width(), std::max(pl_appname->height(), img_name->height()));
        pl_appname->show();
    } else {
        pl_appname->hide();
    }
}

void Tfm_main::UpdateCommandState() {
    CommandFacts f;
    f.rows = lv->topLevelItemCount();
    f.selected = !lv->selectedItems().isEmpty();
    f.previewing = playing;
    f.converting = Converting;
    for (const auto& [name, on] : ComputeCommandState(f)) {
        if (name == "play_bar" || name == "cut_play_bar") {
            SetSkinVisible(QString::fromStdString(name), on);
        } else if (PictureButton* b = button(name)) {
            b->setEnabled(on);
        } else if (QAction* a = menuItem(QString::fromStdString(name))) {
            a->setEnabled(on);
        }
    }
}

// ---------------------------------------------------------------- title drag

void Tfm_main::TitleMouseDown(QPoint p) {
    titleReleased_ = false;
    titleAnchor_ = p;
}

void Tfm_main::TitleMouseMove(QPoint p, Qt::MouseButtons b) {
    if (titleReleased_ || !(b & Qt::LeftButton)) return;
    move(x() + p.x() - titleAnchor_.x(), y() + p.y() - titleAnchor_.y());
}

}  // namespace vc
