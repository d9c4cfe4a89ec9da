#include "app/MainWindowExtras.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

#include "app/Tfm_main.h"
#include "core/catalogue.h"
#include "profiles/ComboChoiceBox.h"
#include "shell/JobListView.h"
#include "shell/PictureButton.h"
#include "shell/WindowLayout.h"

namespace vc {

namespace {

// Set on the pictures a click acts on.
constexpr const char* kClickable = "vcClickable";

QString Tr(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

// The top level is a window for screen readers, and a clickable picture a button.
class WindowAccessible final : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
};

class PictureAccessible final : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PictureLabel* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    // Asked each time: a reader may meet the picture before the window marks it clickable.
    QAccessible::Role role() const override {
        return widget()->property(kClickable).toBool() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && role() == QAccessible::Button)
            emit static_cast<PictureLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("vc::Tfm_main") && w->isWindow()) return new WindowAccessible(w);
    if (className == QLatin1String("vc::PictureLabel"))
        return new PictureAccessible(static_cast<PictureLabel*>(w));
    return nullptr;
}

// Keeps new rows and the running job in view, unless the user scrolls the list just now.
class ListFollower final : public QObject {
  public:
    explicit ListFollower(Tfm_main& w) : QObject(&w), lv_(w.lv) {
        userScrolled_.invalidate();
        lv_->installEventFilter(this);
        lv_->viewport()->installEventFilter(this);
        lv_->verticalScrollBar()->installEventFilter(this);
        connect(&w.Jobs(), &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int, int last) { Show(last, true); });
        connect(&w.Batch(), &BatchRunner::jobStarted, this, [this](int row) { Show(row, false); });
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Wheel || e->type() == QEvent::MouseButtonPress)
            userScrolled_.start();
        // Alt+Up and Alt+Down move the selected jobs; the list must not move its selection
        // first.
        if (o == lv_ && e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if ((k->modifiers() & Qt::AltModifier) &&
                (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down))
                return true;
        }
        return QObject::eventFilter(o, e);
    }

  private:
    void Show(int row, bool added) {
        // The user's own scrolling wins for a while; added rows are the user's doing.
        const bool userBusy = lv_->verticalScrollBar()->isSliderDown() ||
                              (userScrolled_.isValid() && userScrolled_.elapsed() < 4000);
        if (!added && userBusy) return;
        lv_->scrollTo(lv_->model()->index(row, 0), QAbstractItemView::EnsureVisible);
    }
    QTreeView* lv_;
    QElapsedTimer userScrolled_;
};

void Clickable(PictureLabel* pic, const QString& name) {
    pic->setAccessibleName(name);
    pic->setProperty(kClickable, true);
}

void NamePicker(ProfilePicker& p) {
    for (const auto& c : Categories())
        if (PictureLabel* pic = p.categoryPictures[c.index])
            Clickable(pic, QCoreApplication::translate("Catalogue", c.title));
    for (const auto& [id, pic] : p.btim) {
        const ProfileEntry* e = CatalogueEntry(id);
        if (e && (e->kind == ButtonKind::Select || e->kind == ButtonKind::SubPanel))
            Clickable(pic, QString::fromUtf8(e->displayName));
    }
    for (PictureLabel* next : {p.Image94, p.Image2})
        Clickable(next, Tr(QT_TRANSLATE_NOOP("MainWindow", "Next page")));
    for (PictureLabel* prev : {p.Image93, p.Image5})
        Clickable(prev, Tr(QT_TRANSLATE_NOOP("MainWindow", "Previous page")));
}

// Tab goes through the controls as they lie on the screen: by rows, then from the left.
void OrderTabStops(Tfm_main& w) {
    std::vector<QWidget*> stops;
    for (QWidget* c : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (c->focusPolicy() & Qt::TabFocus && !c->isHidden()) stops.push_back(c);
    std::sort(stops.begin(), stops.end(), [](QWidget* a, QWidget* b) {
        const QRect ra = a->geometry(), rb = b->geometry();
        // Controls whose tops lie within half a row of each other share a row.
        if (std::abs(ra.top() - rb.top()) > 12) return ra.top() < rb.top();
        return ra.left() < rb.left();
    });
    for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

}  // namespace

QMenuBar* MenuBarOf(const Tfm_main& w) {
    return w.findChild<QMenuBar*>("menubar", Qt::FindDirectChildrenOnly);
}

void SetUpExtras(Tfm_main& w) {
    static const bool factory = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)factory;
    new ListFollower(w);
    // Texts of a moment do not outlive it: the picker's hover hint once it closes, and the
    // snapshot's note once the preview moves on.
    QObject::connect(&w.Picker(), &ProfilePicker::closed, &w, [&w] {
        if (!w.Converting()) w.ShowText("hint", QString());
    });
    QObject::connect(&w.Player(), &PreviewPlayer::stateChanged, &w, [&w] {
        if (w.Display().Text("hint").startsWith(QLatin1String("Snapshot saved: ")))
            w.ShowText("hint", QString());
    });

    // The menu titles: a menu bar over the title bar's texts, in their look.
    auto* bar = new QMenuBar(&w);
    bar->setObjectName("menubar");
    bar->setNativeMenuBar(false);
    const std::pair<QMenu*, const char*> titles[] = {
        {w.zm_popup_file, QT_TRANSLATE_NOOP("MainWindow", "File")},
        {w.zm_pop_edit, QT_TRANSLATE_NOOP("MainWindow", "Edit")},
        {w.zm_pop_actions, QT_TRANSLATE_NOOP("MainWindow", "Actions")},
        {w.zm_pop_tools, QT_TRANSLATE_NOOP("MainWindow", "Tools")},
        {w.zm_pop_help, QT_TRANSLATE_NOOP("MainWindow", "Help")}};
    for (const auto& [menu, title] : titles) {
        menu->setTitle(Tr(title));
        bar->addMenu(menu);
    }

    // Jobs are dragged within the list to reorder them.
    w.lv->setDragEnabled(true);
    w.lv->setAcceptDrops(true);
    w.lv->setDragDropMode(QAbstractItemView::InternalMove);
    w.lv->setDefaultDropAction(Qt::MoveAction);
    w.lv->setDropIndicatorShown(true);
    QObject::connect(&w.Jobs(), &JobList::rowsDropped, &w, [&w](const std::vector<int>& rows) {
        w.lv->clearSelection();
        for (int r : rows) SelectRow(w.lv, r);
    });

    w.lv->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Jobs")));
    w.ed_output->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Output folder")));
    w.cb_audio->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Sound track")));
    w.cb_subtitle->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Subtitle")));
    w.pl_play->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Preview")));
    w.edt_tit->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Title")));
    Clickable(w.im_mainico,
              Tr(QT_TRANSLATE_NOOP("MainWindow", "Profile category: choose a profile")));
    if (PictureButton* b = w.button("bt_playpause"))
        b->setAccessibleName(Tr(QT_TRANSLATE_NOOP("MainWindow", "Pause")));
    NamePicker(w.Picker());
    for (QComboBox* box : {w.cb_audio, w.cb_subtitle}) {
        // The list shows whole entries even where the box is narrower than its longest one.
        box->setFixedHeight(24);
        box->setPlaceholderText(box == w.cb_audio
                                    ? Tr(QT_TRANSLATE_NOOP("MainWindow", "Sound track"))
                                    : Tr(QT_TRANSLATE_NOOP("MainWindow", "Subtitle")));
        QObject::connect(box->model(), &QAbstractItemModel::rowsInserted, box, [box] {
            box->view()->setMinimumWidth(ComboChoiceBox::WidestItemWidth(box) + 32);
        });
    }
}

void FinishWindow(Tfm_main& w) {
    std::vector<QWidget*> controls{w.lv,          w.pl_play, w.ed_output, w.cb_audio,
                                   w.cb_subtitle, w.Panel1,  w.pl_appname};
    for (const auto& [name, b] : w.buttons) controls.push_back(b);
    w.Frame().TakeDesign(controls, w.lv, w.pl_play);
    w.img_name->setAccessibleName(QString::fromStdString(w.ProductName()));
    // The skin's menu texts lie under the menu bar, which takes their place and look.
    QRect titles;
    if (skin::ISkinObject* root = w.Display().Engine()->WindowRoot(&w)) {
        for (const char* name : {"file", "settings", "purchase", "register", "help"}) {
            skin::ISkinObject* o = root->FindChild(name);
            if (!o || !o->placement()) continue;
            skin::SkinRect r;
            o->placement()->GetArea(r);
            titles |= QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
            o->placement()->SetVisible(0);
        }
    }
    if (QMenuBar* bar = MenuBarOf(w)) {
        if (titles.isEmpty()) titles = QRect(244, 8, 282, 24);
        // On a narrow window the bar ends before the close button; the titles that find no
        // room move into the bar's extension menu, so every menu stays reachable.
        auto place = [&w, bar, titles] {
            int width = std::max(titles.width(), bar->sizeHint().width());
            if (skin::ISkinObject* root = w.Display().Engine()->WindowRoot(&w))
                if (skin::ISkinObject* close = root->FindChild("mainclose");
                    close && close->placement()) {
                    skin::SkinRect r;
                    close->placement()->GetArea(r);
                    width = std::min(width, r.left - 4 - titles.left());
                }
            bar->setGeometry(titles.left(), titles.top(), std::max(width, 0), titles.height());
        };
        place();
        QObject::connect(&w.Frame(), &WindowLayout::placed, bar, place);
        bar->raise();
    }
    OrderTabStops(w);
}

void MoveSelectedJobs(Tfm_main& w, int delta) {
    const std::vector<int> moved = w.Jobs().Move(w.SelectedRows(), delta);
    if (moved.empty()) return;
    w.lv->clearSelection();
    for (int r : moved) SelectRow(w.lv, r);
    w.lv->scrollTo(w.lv->model()->index(delta < 0 ? moved.front() : moved.back(), 0));
}

void UndoJobRemoval(Tfm_main& w) {
    const std::vector<int> back = w.Jobs().UndoRemoval();
    if (back.empty()) return;
    w.lv->setVisible(true);
    w.lv->clearSelection();
    for (int r : back) SelectRow(w.lv, r);
    w.RefreshSizeEstimates();
    w.UpdateCommandState();
}

}  // namespace vc
