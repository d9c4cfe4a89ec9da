// The profile picker driven by the keyboard, and what screen readers hear of it.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "core/catalogue.h"
#include "core/editions.h"
#include "profiles/ProfilePicker.h"
#include "shell/PictureButton.h"

namespace vc {

namespace {
const QColor kKeyFrame("#5aaef7");
const QColor kCurrentFrame("#36c6a8");

bool IsSub(const std::string& panel) {
    for (const char* s : SubPanels())
        if (panel == s) return true;
    return false;
}
}  // namespace

void ProfilePicker::CreateKeyboard(QWidget* window) {
    // A one-pixel widget in the window's corner: it only takes the keys. The pictures stay
    // what they are, so the mouse and the keys share one look.
    keys_ = new QWidget(window);
    keys_->setObjectName("pickerkeys");
    keys_->setGeometry(0, 0, 1, 1);
    keys_->setFocusPolicy(Qt::StrongFocus);
    keys_->setAccessibleName(tr("Profiles"));
    keys_->setAccessibleDescription(
        tr("Up and Down choose within a list, Right and Left go between categories and "
           "profiles, Return chooses, Escape closes"));
    keys_->installEventFilter(this);
    keys_->hide();
}

bool ProfilePicker::IsOpen() const {
    if (!pl_main->isHidden()) return true;
    for (const auto& [name, panel] : panels)
        if (!panel->isHidden()) return true;
    return false;
}

void ProfilePicker::Open(int selectedProfile) {
    ShowPanels(selectedProfile);
    if (IsOpen()) KeysOpened(selectedProfile);
}

void ProfilePicker::KeysOpened(int selectedProfile) {
    QWidget* focused = QApplication::focusWidget();
    if (focused != keys_) focusBefore_ = focused;
    MarkCurrent(selectedProfile);
    keys_->show();
    keys_->raise();
    keys_->setFocus(Qt::OtherFocusReason);
    keySubOpener_ = 0;
    if (!pl_main->isHidden() && CategoryIndex >= 1) {
        // On the category as it opened: a sub-panel of the current profile stays open.
        for (auto& [index, pic] : categoryPictures)
            pic->SetFrame(index == CategoryIndex ? kKeyFrame : QColor());
        AnnounceKeys();
    } else {
        // A picker of one panel has no categories: the keys start on its profiles.
        const std::vector<int> stops = KeyStops();
        KeysToProfile(stops.empty() ? -1 : stops.front());
    }
}

void ProfilePicker::KeysClosed() {
    if (!keys_) return;
    if (keyProfile_ > 0 && btim.count(keyProfile_)) btim[keyProfile_]->SetFrame(QColor());
    for (auto& [k, pic] : categoryPictures) pic->SetFrame(QColor());
    keyProfile_ = -1;
    keySubOpener_ = 0;
    const bool hadKeys = keys_->hasFocus();
    keys_->hide();
    if (hadKeys && focusBefore_ && focusBefore_->isVisible()) focusBefore_->setFocus();
    focusBefore_ = nullptr;
}

void ProfilePicker::MarkCurrent(int selectedProfile) {
    if (markedProfile_ > 0 && btim.count(markedProfile_)) btim[markedProfile_]->SetFrame(QColor());
    markedProfile_ = btim.count(selectedProfile) ? selectedProfile : -1;
    if (markedProfile_ > 0) btim[markedProfile_]->SetFrame(kCurrentFrame);
}

std::vector<int> ProfilePicker::KeyStops() const {
    std::vector<int> stops;
    auto take = [&](const char* name) {
        for (int id : ButtonsOnPanel(name)) {
            const ProfileEntry* e = CatalogueEntry(id);
            if (e && (e->kind == ButtonKind::Select || e->kind == ButtonKind::SubPanel))
                stops.push_back(id);
        }
    };
    for (const char* name : ProfilePanels()) {
        const auto it = panels.find(name);
        if (it == panels.end() || it->second->isHidden()) continue;
        if (IsSub(name) != (keySubOpener_ != 0)) continue;
        take(name);
    }
    return stops;
}

void ProfilePicker::KeysToCategory(int k) {
    if (k < 1 || k > int(Categories().size())) return;
    if (keyProfile_ > 0 && btim.count(keyProfile_)) btim[keyProfile_]->SetFrame(QColor());
    keyProfile_ = -1;
    keySubOpener_ = 0;
    for (const char* s : SubPanels()) panels[s]->hide();
    PointCategory(k);
    for (auto& [index, pic] : categoryPictures) pic->SetFrame(index == k ? kKeyFrame : QColor());
    RefitBackdrop();
    AnnounceKeys();
}

void ProfilePicker::KeysToProfile(int n) {
    if (keyProfile_ > 0 && btim.count(keyProfile_)) btim[keyProfile_]->SetFrame(QColor());
    for (auto& [index, pic] : categoryPictures) pic->SetFrame(QColor());
    keyProfile_ = btim.count(n) ? n : -1;
    if (keyProfile_ < 0) return;
    PointButton(n);
    btim[n]->SetFrame(kKeyFrame);
    AnnounceKeys();
}

void ProfilePicker::AnnounceKeys() {
    QString name;
    if (keyProfile_ > 0) {
        const ProfileEntry* e = CatalogueEntry(keyProfile_);
        name = e ? QString::fromUtf8(e->displayName) : QString();
        if (keyProfile_ == markedProfile_) name = tr("%1 (current)").arg(name);
    } else if (CategoryIndex >= 1 && CategoryIndex <= int(Categories().size())) {
        name = tr("Category: %1").arg(QString::fromUtf8(Categories()[CategoryIndex - 1].title));
    }
    if (name.isEmpty() || keys_->accessibleName() == name) return;
    keys_->setAccessibleName(name);
    QAccessibleEvent e(keys_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

bool ProfilePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == keys_ && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        return Key(k->key(), k->modifiers());
    }
    // Tab must reach the filter rather than move the keyboard out of the picker.
    if (watched == keys_ && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ProfilePicker::Key(int key, Qt::KeyboardModifiers modifiers) {
    const bool onCategories = keyProfile_ < 0 && !pl_main->isHidden();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Backtab ||
                      (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier));
    const bool forward = !back && (key == Qt::Key_Right || key == Qt::Key_Tab);
    const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (key == Qt::Key_Escape) {
        Close();
        return true;
    }
    if (onCategories) {
        if (step) KeysToCategory(std::clamp(CategoryIndex + step, 1, int(Categories().size())));
        if (forward || key == Qt::Key_Return || key == Qt::Key_Enter) {
            const std::vector<int> stops = KeyStops();
            int first = stops.empty() ? -1 : stops.front();
            for (int id : stops)
                if (id == markedProfile_) first = id;
            KeysToProfile(first);
        }
        return step || forward || back || key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    const std::vector<int> stops = KeyStops();
    const auto at = std::find(stops.begin(), stops.end(), keyProfile_);
    const int i = at == stops.end() ? -1 : int(at - stops.begin());
    const ProfileEntry* e = CatalogueEntry(keyProfile_);
    const bool opener = e && e->kind == ButtonKind::SubPanel;
    if (step) {
        const int next = i + step;
        if (next >= 0 && next < int(stops.size())) {
            KeysToProfile(stops[size_t(next)]);
        } else if (keySubOpener_ == 0 && (CategoryIndex == 1 || CategoryIndex == 2)) {
            // The first two categories have two pages: the keys turn the page at its end.
            const bool video = CategoryIndex == 1;
            const bool onFirst = video ? VideoFirstPage : AudioFirstPage;
            if (onFirst == (step > 0)) {
                PageLink(video ? (step > 0 ? "Image94" : "Image93")
                               : (step > 0 ? "Image2" : "Image5"));
                const std::vector<int> turned = KeyStops();
                if (!turned.empty()) KeysToProfile(step > 0 ? turned.front() : turned.back());
            }
        }
        return true;
    }
    if ((forward || key == Qt::Key_Return || key == Qt::Key_Enter) && opener) {
        keySubOpener_ = keyProfile_;
        const std::vector<int> sub = KeyStops();
        if (sub.empty())
            keySubOpener_ = 0;
        else
            KeysToProfile(sub.front());
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ProfileButtonClick(keyProfile_);
        return true;
    }
    if (back) {
        if (keySubOpener_) {
            const int opened = keySubOpener_;
            keySubOpener_ = 0;
            KeysToProfile(opened);
        } else if (!pl_main->isHidden()) {
            KeysToCategory(CategoryIndex);
        }
        return true;
    }
    return forward;
}

}  // namespace vc
