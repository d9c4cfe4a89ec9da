// Profile selection, the profile picker and its pictures, the settings files and the
// output folder.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/catalogue.h"
#include "core/editions.h"
#include "core/inifile.h"
#include "core/profilesettings.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/PictureButton.h"

namespace vc {

namespace {
constexpr int kSingleTops[] = {-1, 52, 100, 148, 196, 244, 292};

// Sub-panel opened by buttons 2..5, and the first button on it.
const char* SubPanelOf(int opener) {
    switch (opener) {
        case 2: return "pl_avi";
        case 3: return "pl_mpeg";
        case 4: return "pl_mp4";
        case 5: return "pl_mkv";
    }
    return nullptr;
}
int OpenerOf(int id) {
    if (id >= 102 && id <= 109) return 2;
    if (id >= 110 && id <= 117) return 3;
    if (id >= 118 && id <= 124) return 4;
    if (id >= 125 && id <= 132) return 5;
    return 0;
}
int FirstOnSubPanel(int opener) {
    static const int first[] = {0, 0, 102, 110, 118, 125};
    return opener >= 2 && opener <= 5 ? first[opener] : 0;
}
}  // namespace

QString Tfm_main::PictureDir() const { return QString::fromStdString(ProgramDirectory) + "images/"; }

// ---------------------------------------------------------------- pictures

void Tfm_main::ClosePicker() {
    PlaceBackdrop(false, 0, 0, 0, 0);
    pl_main->hide();
    for (auto& [name, panel] : panels) panel->hide();
}

void Tfm_main::RestoreButtonPicture(int n) {
    if (pl_main->isVisible()) {
        QWidget* over = (n >= 2 && n <= 5) ? panels["pl_mpeg"] : panels["pl_video2"];
        PlaceBackdrop(true, over->x(), over->y(), over->width(), over->height());
    }
    if (const char* sub = SubPanelOf(n)) panels[sub]->hide();
    if (n >= 1 && n <= kProfileCount)
        btim[n]->LoadPicture(PictureDir() + QString("sub/general/%1.bmp").arg(n));
}

void Tfm_main::RestoreCategoryPicture(int k) {
    if (k >= 1 && k <= 13) {
        const Category& c = Categories()[k - 1];
        categoryPictures[k]->LoadPicture(PictureDir() + "main/general/img_" + c.fileName + ".bmp");
        for (const char* p : c.panels) panels[p]->hide();
    }
    QWidget* v2 = panels["pl_video2"];
    PlaceBackdrop(true, v2->x(), v2->y(), v2->width(), v2->height());
    for (const char* s : SubPanels())
        if (panels[s]->isVisible()) panels[s]->hide();
}

void Tfm_main::FoldSubPanelHover() {
    if (int opener = OpenerOf(HoverButtonId); opener && HoverButtonId != 132) HoverButtonId = opener;
}

void Tfm_main::PointCategory(int k) {
    if (CategoryIndex == k) return;
    RestoreCategoryPicture(CategoryIndex);
    const Category& c = Categories()[k - 1];
    categoryPictures[k]->LoadPicture(PictureDir() + "main/move/img_" + c.fileName + ".bmp");
    CategoryIndex = k;
    QWidget* panel = panels[c.panels[0]];
    if (k == 1 && !VideoFirstPage) panel = panels["pl_video2"];
    if (k == 2 && !AudioFirstPage) panel = panels["pl_audio2"];
    panel->show();
    panel->raise();
}

void Tfm_main::PointButton(int n) {
    if (HoverButtonId == n) return;
    const bool onVideo1Select = n == 1 || n == 6 || n == 7;
    const bool opener = n >= 2 && n <= 5;
    if (onVideo1Select || opener) FoldSubPanelHover();
    if (opener) {
        QWidget* sub = panels[SubPanelOf(n)];
        QWidget* v1 = panels["pl_video1"];
        sub->move(v1->x() + leftMoveInt_, v1->y());
        sub->show();
        sub->raise();
    }
    if (int op = OpenerOf(n); op && n != 117 && n != 132 && HoverButtonId == op)
        HoverButtonId = FirstOnSubPanel(op);
    RestoreButtonPicture(HoverButtonId);
    if (onVideo1Select) {
        QWidget* v2 = panels["pl_video2"];
        PlaceBackdrop(true, v2->x(), v2->y(), v2->width(), v2->height());
    }
    if (n >= 1 && n <= kProfileCount)
        btim[n]->LoadPicture(PictureDir() + QString("sub/move/%1.bmp").arg(n));
    HoverButtonId = n;
    if (opener) pl_play->setVisible(true);
}

void Tfm_main::PageLink(const QString& name) {
    const bool audioEdition = IsAudioEdition(ExeFileName);
    auto single = [&](const char* panelName, int first, int last) {
        QWidget* panel = panels[panelName];
        panel->move(EditionPanelLeft(ExeFileName, pl_main->x()), panel->y());
        int slot = 0;
        for (int id = first; id <= last && slot < 7; ++id, ++slot) btim[id]->move(0, kSingleTops[slot]);
        ClosePicker();
        panel->show();
        panel->raise();
    };
    if (name == "Image94") {
        panels["pl_video2"]->show();
        panels["pl_video2"]->raise();
        panels["pl_video1"]->hide();
        VideoFirstPage = false;
    } else if (name == "Image93") {
        panels["pl_video2"]->hide();
        panels["pl_video1"]->show();
        panels["pl_video1"]->raise();
        VideoFirstPage = true;
    } else if (name == "Image2") {
        if (audioEdition) {
            single("pl_audio2", 22, 26);
        } else {
            panels["pl_audio2"]->show();
            panels["pl_audio2"]->raise();
            AudioFirstPage = false;
        }
        panels["pl_audio1"]->hide();
    } else if (name == "Image5") {
        if (audioEdition) {
            single("pl_audio1", 15, 21);
        } else {
            panels["pl_audio1"]->show();
            panels["pl_audio1"]->raise();
            AudioFirstPage = true;
        }
        panels["pl_audio2"]->hide();
    }
}

// ---------------------------------------------------------------- picker

void Tfm_main::OpenPicker() {
    if (Converting) {
        fx_->Warning(this, LanguageText(26));
        return;
    }
    if (!playing && IsKavrin(ExeFileName)) pl_play->hide();
    const PickerChoice choice = PickerEdition(ExeFileName);
    const int left = EditionPanelLeft(ExeFileName, pl_main->x());
    if (choice.kind == PickerKind::ClosedOnly) {
        ClosePicker();
        return;
    }
    if (choice.kind == PickerKind::SinglePanel) {
        QWidget* panel = panels[choice.panel];
        panel->move(left, panel->y());
        int slot = 0;
        for (int id : ButtonsOnPanel(choice.panel))
            if (slot < 7) btim[id]->move(0, kSingleTops[slot++]);
        ClosePicker();
        panel->show();
        panel->raise();
        return;
    }
    if (choice.kind == PickerKind::SubPanel) {
        ClosePicker();
        QWidget* panel = panels[choice.panel];
        panel->move(left, panel->y());
        panel->show();
        panel->raise();
        return;
    }
    QWidget* v2 = panels["pl_video2"];
    PlaceBackdrop(true, v2->x(), v2->y(), v2->width(), v2->height());
    RestoreCategoryPicture(CategoryIndex);
    pl_main->show();
    pl_main->raise();
    const ProfileEntry* e = CatalogueEntry(ProfileId);
    if (!e || ProfileId < 1) return;
    std::string panelName = e->panel;
    const int category = CategoryOfPanel(panelName);
    if (IsSubPanelProfile(ProfileId)) {
        QWidget* v1 = panels["pl_video1"];
        v1->show();
        v1->raise();
        QWidget* sub = panels[panelName];
        sub->move(v1->x() + leftMoveInt_, v1->y());
        sub->show();
        sub->raise();
    } else {
        panels[panelName]->show();
        panels[panelName]->raise();
    }
    const Category& c = Categories()[category - 1];
    categoryPictures[category]->LoadPicture(PictureDir() + "main/move/img_" + c.fileName + ".bmp");
    CategoryIndex = category;
}

void Tfm_main::ProfileButtonClick(int n) {
    const ProfileEntry* e = CatalogueEntry(n);
    if (!e || (e->kind != ButtonKind::Select && e->kind != ButtonKind::BlankClick)) return;
    // Blank slots name no profile: a click on one only closes the picker.
    if (e->kind == ButtonKind::BlankClick) {
        ClosePicker();
        return;
    }
    ClosePicker();
    SelectProfile(n);
}

void Tfm_main::SelectProfile(int n) {
    if (CategoryIndex >= 1 && CategoryIndex <= 14) {
        if (!im_mainico->LoadPicture(PictureDir() + QString("main/%1.bmp").arg(CategoryIndex))) {
            fx_->Error(this, QString("The picture \"images/main/%1.bmp\" cannot be read.").arg(CategoryIndex));
            return;
        }
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

// ---------------------------------------------------------------- settings files

std::string Tfm_main::SettingsFilePath() const {
    std::string name = ProductName();
    size_t dot = name.rfind('.');
    if (dot != std::string::npos) name = name.substr(0, dot);
    return ConfigDirectory("VideoConverter") + name + ".ini";
}

std::string Tfm_main::ProfileSettingsFilePath() const {
    const std::string settings = SettingsFilePath();
    const size_t slash = settings.rfind('/');
    return settings.substr(0, slash + 1) + ProfileSettingsFileName(settings.substr(slash + 1));
}

void Tfm_main::LoadSettings() {
    IniFile ini(SettingsFilePath());
    VideoFirstPage = ini.ReadBool("plane", "video", true);
    AudioFirstPage = ini.ReadBool("plane", "audio", true);
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    OutputDirectory = ini.ReadString("output", "path", (movies.isEmpty() ? QDir::homePath() : movies).toStdString() + "/");
    ed_output->setText(QString::fromStdString(OutputDirectory));
    CategoryIndex = static_cast<int>(ini.ReadInt("profiles", "selcetindex", 1));
    const int def = DefaultProfileFor(ExeFileName);
    int stored = static_cast<int>(ini.ReadInt("profiles", "selcetsubindex", def));
    // A stored number that names no selectable profile falls back to the edition's default.
    const ProfileEntry* e = CatalogueEntry(stored);
    if (!e || e->displayName[0] == '\0') stored = def;
    SelectProfile(stored);
    FinishAction = static_cast<int>(ini.ReadInt("profiles", "FinishSelcet", 0));
    if (FinishAction < 0 || FinishAction > 2) FinishAction = 0;
}

void Tfm_main::SaveSettings() {
    IniFile ini(SettingsFilePath());
    ini.WriteString("output", "path", OutputDirectory);
    ini.WriteInt("profiles", "selcetsubindex", ProfileId);
    ini.WriteInt("profiles", "selcetindex", CategoryIndex);
    ini.WriteInt("profiles", "FinishSelcet", FinishAction);
    ini.WriteBool("plane", "video", VideoFirstPage);
    ini.WriteBool("plane", "audio", AudioFirstPage);
    if (!ini.Save())
        fx_->Error(this, QString("The settings cannot be written to \"%1\".")
                             .arg(QString::fromStdString(ini.Path())));
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

void Tfm_main::OpenOutput() { fx_->OpenFolder(QString::fromStdString(OutputDirectory)); }

void Tfm_main::ShowSettingsDialog() { fx_->ExecDialog(fm_set_); }

}  // namespace vc
