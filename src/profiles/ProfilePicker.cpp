#include "profiles/ProfilePicker.h"

#include <QCoreApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>

#include "core/catalogue.h"
#include "core/editions.h"
#include "shell/PictureButton.h"
#include "shell/SkinDisplay.h"

namespace vc {

namespace {
constexpr int kPanelWidth = 250;
constexpr int kPanelHeight = 388;
constexpr int kSlotTops[] = {-1, 52, 100, 148, 196, 244, 292, 340};
constexpr int kSingleTops[] = {-1, 52, 100, 148, 196, 244, 292};

bool IsSubPanel(const char* name) {
    for (const char* s : SubPanels())
        if (std::string(s) == name) return true;
    return false;
}

// Sub-panel opened by buttons 2..5.
const char* SubPanelOf(int opener) {
    switch (opener) {
        case 2:
            return "pl_avi";
        case 3:
            return "pl_mpeg";
        case 4:
            return "pl_mp4";
        case 5:
            return "pl_mkv";
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

void Fill(QWidget* w, const char* color) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor(color));
    w->setPalette(p);
}
}  // namespace

ProfilePicker::ProfilePicker(QWidget* window, SkinDisplay* display, QWidget* videoPanel)
    : QObject(window), display_(display), videoPanel_(videoPanel) {
    CreateWidgets(window);
    CreateKeyboard(window);
    Wire();
    Close();
}

void ProfilePicker::CreateWidgets(QWidget* window) {
    pl_back = new QWidget(window);
    pl_back->setObjectName("pl_back");
    pl_back->setGeometry(174, 100, kPanelWidth, kPanelHeight);
    // The backdrop's picture covers only part of it once it spreads under the whole picker.
    Fill(pl_back, "#2d333d");
    Image13 = new PictureLabel("Image13", pl_back);
    Image13->setGeometry(0, 0, kPanelWidth, kPanelHeight);
    Image13->SetFixedPictureSize(true);
    // The backdrop and the panels spread over the video panel, a native window, which would
    // cover them unless they are native windows themselves, raised above it.
    pl_back->setAttribute(Qt::WA_NativeWindow);

    pl_main = new QWidget(window);
    pl_main->setObjectName("pl_main");
    pl_main->setGeometry(20, 100, 150, 26 * 13);
    Fill(pl_main, "#2d333d");
    // The backdrop spreads under the category list too: as a native window it would cover a
    // list that is not one.
    pl_main->setAttribute(Qt::WA_NativeWindow);
    for (const auto& c : Categories()) {
        auto* pic = new PictureLabel(c.picture, pl_main);
        pic->setGeometry(0, (c.index - 1) * 26, 150, 26);
        pic->SetFixedPictureSize(true);
        categoryPictures[c.index] = pic;
    }
    for (const char* name : ProfilePanels()) {
        auto* panel = new QWidget(window);
        panel->setObjectName(name);
        panel->setGeometry(174, 100, kPanelWidth, kPanelHeight);
        Fill(panel, "#2d333d");
        panel->setAttribute(Qt::WA_NativeWindow);
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
}

void ProfilePicker::Wire() {
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
}

void ProfilePicker::Configure(const std::string& exeFileName, const QString& pictureDir,
                              int leftMoveInt) {
    exe_ = exeFileName;
    pictures_ = pictureDir;
    leftMoveInt_ = leftMoveInt;
}

void ProfilePicker::LoadPictures() {
    for (int n = 1; n <= kProfileCount; ++n) RestoreButtonPicture(n);
    for (const auto& c : Categories()) {
        categoryPictures[c.index]->LoadPicture(pictures_ + "main/general/img_" + c.fileName +
                                               ".bmp");
        // The picture carries its name in English; the tip and screen readers translate it.
        categoryPictures[c.index]->setToolTip(QCoreApplication::translate("Categories", c.title));
        categoryPictures[c.index]->setAccessibleName(
            QCoreApplication::translate("Categories", c.title));
    }
    for (PictureLabel* link : {Image94, Image2}) link->LoadPicture(pictures_ + "sub/page_next.bmp");
    for (PictureLabel* link : {Image93, Image5}) link->LoadPicture(pictures_ + "sub/page_prev.bmp");
    Image13->LoadPicture(pictures_ + "sub/backdrop.bmp");
}

void ProfilePicker::ShowPanel(QWidget* panel) {
    panel->show();
    panel->raise();
    RefitBackdrop();
}

void ProfilePicker::RefitBackdrop() {
    if (!backdrop_.isNull()) FitBackdrop();
}

void ProfilePicker::Close() {
    const bool wasOpen = keys_ && IsOpen();
    KeysClosed();
    PlaceBackdrop(false, 0, 0, 0, 0);
    pl_main->hide();
    for (auto& [name, panel] : panels) panel->hide();
    if (wasOpen) emit closed();
}

void ProfilePicker::PlaceBackdrop(bool show, int left, int top, int width, int height) {
    backdrop_ = show ? QRect(left, top, width, height) : QRect();
    if (!show) {
        display_->PlaceBackdrop(false, left, top, width, height);
        pl_back->hide();
        pl_back->move(left, top);
        return;
    }
    FitBackdrop();
    pl_back->show();
}

void ProfilePicker::FitBackdrop() {
    // The category list and the panels stand a few pixels apart, as the layout file places
    // them; the backdrop closes the gaps.
    QRect area = backdrop_;
    if (!pl_main->isHidden()) area |= pl_main->geometry();
    for (const auto& [name, panel] : panels)
        if (!panel->isHidden()) area |= panel->geometry();
    display_->PlaceBackdrop(true, area.left(), area.top(), area.width(), area.height());
    pl_back->setGeometry(area);
    Image13->resize(area.size());
    // The backdrop lies over the job list and preview but under the picker itself.
    pl_back->raise();
    pl_main->raise();
    for (const char* name : ProfilePanels())
        if (panels[name]->isVisible() && CategoryOfPanel(name) && !IsSubPanel(name))
            panels[name]->raise();
    for (const char* name : SubPanels())
        if (panels[name]->isVisible()) panels[name]->raise();
}

void ProfilePicker::RestoreButtonPicture(int n) {
    if (pl_main->isVisible()) {
        QWidget* over = (n >= 2 && n <= 5) ? panels["pl_mpeg"] : panels["pl_video2"];
        PlaceBackdrop(true, over->x(), over->y(), over->width(), over->height());
    }
    if (const char* sub = SubPanelOf(n)) panels[sub]->hide();
    if (n >= 1 && n <= kProfileCount)
        btim[n]->LoadPicture(pictures_ + QString("sub/general/%1.bmp").arg(n));
    RefitBackdrop();
}

void ProfilePicker::RestoreCategoryPicture(int k) {
    if (k >= 1 && k <= 13) {
        const Category& c = Categories()[k - 1];
        categoryPictures[k]->LoadPicture(pictures_ + "main/general/img_" + c.fileName + ".bmp");
        for (const char* p : c.panels) panels[p]->hide();
    }
    QWidget* v2 = panels["pl_video2"];
    PlaceBackdrop(true, v2->x(), v2->y(), v2->width(), v2->height());
    for (const char* s : SubPanels())
        if (panels[s]->isVisible()) panels[s]->hide();
    RefitBackdrop();
}

void ProfilePicker::FoldSubPanelHover() {
    if (int opener = OpenerOf(HoverButtonId); opener && HoverButtonId != 132)
        HoverButtonId = opener;
}

void ProfilePicker::PointCategory(int k) {
    if (CategoryIndex == k) return;
    RestoreCategoryPicture(CategoryIndex);
    const Category& c = Categories()[k - 1];
    categoryPictures[k]->LoadPicture(pictures_ + "main/move/img_" + c.fileName + ".bmp");
    CategoryIndex = k;
    QWidget* panel = panels[c.panels[0]];
    if (k == 1 && !VideoFirstPage) panel = panels["pl_video2"];
    if (k == 2 && !AudioFirstPage) panel = panels["pl_audio2"];
    ShowPanel(panel);
}

void ProfilePicker::PointButton(int n) {
    if (HoverButtonId == n) return;
    const bool onVideo1Select = n == 1 || n == 6 || n == 7;
    const bool opener = n >= 2 && n <= 5;
    if (onVideo1Select || opener) FoldSubPanelHover();
    if (opener) {
        QWidget* sub = panels[SubPanelOf(n)];
        QWidget* v1 = panels["pl_video1"];
        sub->move(v1->x() + leftMoveInt_, v1->y());
        ShowPanel(sub);
    }
    if (int op = OpenerOf(n); op && n != 117 && n != 132 && HoverButtonId == op)
        HoverButtonId = FirstOnSubPanel(op);
    RestoreButtonPicture(HoverButtonId);
    if (onVideo1Select) {
        QWidget* v2 = panels["pl_video2"];
        PlaceBackdrop(true, v2->x(), v2->y(), v2->width(), v2->height());
    }
    if (n >= 1 && n <= kProfileCount)
        btim[n]->LoadPicture(pictures_ + QString("sub/move/%1.bmp").arg(n));
    HoverButtonId = n;
    if (opener) videoPanel_->setVisible(true);
}

void ProfilePicker::PageLink(const QString& name) {
    const bool audioEdition = IsAudioEdition(exe_);
    auto single = [&](const char* panelName, int first, int last) {
        QWidget* panel = panels[panelName];
        panel->move(EditionPanelLeft(exe_, pl_main->x()), panel->y());
        int slot = 0;
        for (int id = first; id <= last && slot < 7; ++id, ++slot)
            btim[id]->move(0, kSingleTops[slot]);
        Close();
        ShowPanel(panel);
    };
    if (name == "Image94") {
        ShowPanel(panels["pl_video2"]);
        panels["pl_video1"]->hide();
        VideoFirstPage = false;
    } else if (name == "Image93") {
        panels["pl_video2"]->hide();
        ShowPanel(panels["pl_video1"]);
        VideoFirstPage = true;
    } else if (name == "Image2") {
        if (audioEdition) {
            single("pl_audio2", 22, 26);
        } else {
            ShowPanel(panels["pl_audio2"]);
            AudioFirstPage = false;
        }
        panels["pl_audio1"]->hide();
    } else if (name == "Image5") {
        if (audioEdition) {
            single("pl_audio1", 15, 21);
        } else {
            ShowPanel(panels["pl_audio1"]);
            AudioFirstPage = true;
        }
        panels["pl_audio2"]->hide();
    }
    RefitBackdrop();
}

void ProfilePicker::ShowPanels(int selectedProfile) {
    const PickerChoice choice = PickerEdition(exe_);
    const int left = EditionPanelLeft(exe_, pl_main->x());
    if (choice.kind == PickerKind::ClosedOnly) {
        Close();
        return;
    }
    if (choice.kind == PickerKind::SinglePanel) {
        QWidget* panel = panels[choice.panel];
        panel->move(left, panel->y());
        int slot = 0;
        for (int id : ButtonsOnPanel(choice.panel))
            if (slot < 7) btim[id]->move(0, kSingleTops[slot++]);
        Close();
        ShowPanel(panel);
        return;
    }
    if (choice.kind == PickerKind::SubPanel) {
        Close();
        QWidget* panel = panels[choice.panel];
        panel->move(left, panel->y());
        ShowPanel(panel);
        return;
    }
    QWidget* v2 = panels["pl_video2"];
    PlaceBackdrop(true, v2->x(), v2->y(), v2->width(), v2->height());
    RestoreCategoryPicture(CategoryIndex);
    ShowPanel(pl_main);
    const ProfileEntry* e = CatalogueEntry(selectedProfile);
    if (!e || selectedProfile < 1) return;
    const std::string panelName = e->panel;
    const int category = CategoryOfPanel(panelName);
    if (IsSubPanelProfile(selectedProfile)) {
        QWidget* v1 = panels["pl_video1"];
        ShowPanel(v1);
        QWidget* sub = panels[panelName];
        sub->move(v1->x() + leftMoveInt_, v1->y());
        ShowPanel(sub);
    } else {
        ShowPanel(panels[panelName]);
    }
    const Category& c = Categories()[category - 1];
    categoryPictures[category]->LoadPicture(pictures_ + "main/move/img_" + c.fileName + ".bmp");
    CategoryIndex = category;
}

void ProfilePicker::ProfileButtonClick(int n) {
    const ProfileEntry* e = CatalogueEntry(n);
    if (!e || (e->kind != ButtonKind::Select && e->kind != ButtonKind::BlankClick)) return;
    Close();
    // Blank slots name no profile: a click on one only closes the picker.
    if (e->kind == ButtonKind::BlankClick) return;
    emit profileChosen(n);
}

void ProfilePicker::Place(const LayoutFile& layout) {
    pl_main->move(layout.Int("pl_main", "Left", 6), layout.Int("pl_main", "Top", 6));
    const QPoint panelAt(layout.Int("pl_main", "plleft", 6), layout.Int("pltop", "pltop", 6));
    for (auto& [name, panel] : panels) panel->move(panelAt);
}

void ProfilePicker::TakeSettings(const AppSettings& s) {
    CategoryIndex = s.categoryIndex;
    VideoFirstPage = s.videoFirstPage;
    AudioFirstPage = s.audioFirstPage;
}

void ProfilePicker::PutSettings(AppSettings& s) const {
    s.categoryIndex = CategoryIndex;
    s.videoFirstPage = VideoFirstPage;
    s.audioFirstPage = AudioFirstPage;
}

}  // namespace vc
