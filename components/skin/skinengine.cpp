// The skin engine: one drawing surface per skinned window, painting the form's objects,
// turning mouse input into the engine's events and showing the objects to screen readers.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "skin/glyphs.h"
#include "skin/skin.h"
#include "skin/skinfile.h"
#include "skin/windowdrag.h"

namespace skin {

namespace {

const QColor kDefaultText(0xe8, 0xeb, 0xf0);
// Room around an object's rectangle that its shadow or slider thumb may paint into.
constexpr int kPaintMargin = 10;

}  // namespace

struct WindowRecord;

class SkinObj final : public ISkinObject,
                      public ISkinPlacement,
                      public ISkinCaption,
                      public ISkinSlider {
  public:
    SkinObj(WindowRecord* rec, ObjectDef def, bool isRoot)
        : def_(std::move(def)),
          area_(def_.rect),
          full_(def_.rect),
          visible_(def_.visible),
          text_(def_.text),
          rec_(rec),
          root_(isRoot) {}

    // ISkinObject
    QString Name() const override { return def_.name; }
    ISkinObject* FindChild(const QString& name) override;
    ISkinPlacement* placement() override { return this; }
    ISkinCaption* caption() override { return root_ ? nullptr : this; }
    ISkinSlider* slider() override { return def_.kind == ObjectKind::Slider ? this : nullptr; }

    // ISkinPlacement
    void GetArea(SkinRect& r) const override {
        r.left = area_.x();
        r.top = area_.y();
        r.right = area_.x() + area_.width();
        r.bottom = area_.y() + area_.height();
    }
    void SetArea(const SkinRect& r) override {
        if (root_) return;  // the window's size belongs to its form
        QRect next(r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top));
        if (next == area_) return;
        Repaint();
        area_ = next;
        Repaint();
    }
    void SetVisible(int visible) override {
        if (root_) return;
        const bool v = visible != 0;
        if (v == visible_) return;
        visible_ = v;
        Repaint();
    }
    void Refresh() override { Repaint(); }

    // ISkinCaption
    QString GetText() const override { return text_; }
    void SetText(const QString& text) override {
        if (text == text_) return;
        text_ = text;
        Repaint();
    }

    // ISkinSlider
    int32_t GetPosition() const override { return pos_; }
    void SetPosition(int32_t pos) override {
        pos = std::clamp<int32_t>(pos, 0, 10000);
        if (pos == pos_) return;
        pos_ = pos;
        Repaint();
    }

    void Repaint();
    QRect PaintBounds() const {
        return area_.adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin, kPaintMargin);
    }
    const QImage& Image() {
        if (!imageLoaded_) {
            imageLoaded_ = true;
            if (!def_.image.isEmpty()) image_.load(def_.image);
        }
        return image_;
    }

    ObjectDef def_;
    QRect area_;
    QRect full_;  // the area the window's size gives it; a fill shows part of it
    bool visible_;
    QString text_;
    int32_t pos_ = 0;
    WindowRecord* rec_;
    bool root_;
    QImage image_;
    bool imageLoaded_ = false;
    QString accessibleName_;  // given by the program
};

class SkinSurface final : public QWidget {
  public:
    SkinSurface(SkinEngine* engine, WindowRecord* rec, QWidget* parent);
    ~SkinSurface() override;

    // The objects screen readers see, in drawing order, and their interfaces.
    const std::vector<SkinObj*>& Exposed() const { return exposed_; }
    QAccessibleInterface* ObjectInterface(int index) const;
    int IndexOf(const QAccessibleInterface* iface) const;
    void Click(SkinObj* o) { emit engine_->OnClick(o); }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    // The window edges under the pointer that resize a resizable, not maximised window.
    Qt::Edges EdgesAt(const QPoint& p) const;
    void ShowCursorFor(SkinObj* hover, Qt::Edges edges);
    SkinObj* HitTest(const QPoint& p) const;
    void SetHover(SkinObj* o);
    int32_t SliderPosAt(const SkinObj* s, int x) const;
    void DrawObject(QPainter& p, SkinObj* o);
    void DrawContent(QPainter& p, SkinObj* o, const QRectF& r, const QColor& color);

    SkinEngine* engine_;
    WindowRecord* rec_;
    SkinObj* hover_ = nullptr;
    SkinObj* pressed_ = nullptr;
    SkinObj* drag_ = nullptr;
    WindowDrag windowDrag_;
    std::vector<SkinObj*> exposed_;
    mutable std::vector<QAccessible::Id> accessibleIds_;  // 0 until a reader asks
};

struct WindowRecord {
    QPointer<QWidget> window;
    QPointer<SkinSurface> surface;
    QColor background;
    std::unique_ptr<SkinObj> root;
    std::vector<std::unique_ptr<SkinObj>> objects;  // drawing order: later on top
    QHash<QString, SkinObj*> byName;
};

// ---- screen readers ----

namespace {

bool IsExposed(const ObjectDef& d) {
    if (d.name.isEmpty()) return false;
    return (d.kind != ObjectKind::Panel && d.kind != ObjectKind::Image) || d.drag;
}

bool IsClickable(const ObjectDef& d) {
    return d.kind == ObjectKind::Button || d.kind == ObjectKind::Hotspot;
}

// One drawn object as a screen reader sees it: a child of its window's surface.
class SkinObjAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    SkinObjAccessible(SkinSurface* surface, SkinObj* obj) : surface_(surface), obj_(obj) {}

    bool isValid() const override { return !surface_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return surface_ ? surface_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return surface_ ? QAccessible::queryAccessibleInterface(surface_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        const ObjectDef& d = obj_->def_;
        QString caption = obj_->text_;
        caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (t == QAccessible::Name) {
            if (d.kind == ObjectKind::Text) {
                // A text says what it is and what it shows: "Elapsed time: 00:01:05".
                const QString what = d.label.isEmpty() ? obj_->accessibleName_ : d.label;
                if (what.isEmpty() || caption == what) return caption;
                return caption.isEmpty() ? what : what + QStringLiteral(": ") + caption;
            }
            for (const QString& n : {obj_->accessibleName_, d.label, caption})
                if (!n.isEmpty()) return n;
            return {};  // the skin's own object names mean nothing to a listener
        }
        if (t == QAccessible::Description && d.kind == ObjectKind::Text && !d.label.isEmpty())
            return obj_->accessibleName_;
        if (t == QAccessible::Value) {
            if (d.kind == ObjectKind::Slider) return QString::number(obj_->pos_ / 100) + "%";
            if (d.kind == ObjectKind::Fill && obj_->full_.width() > 0)
                return QString::number(100 * obj_->area_.width() / obj_->full_.width()) + "%";
            return caption;
        }
        return {};
    }
    QRect rect() const override {
        if (!surface_) return {};
        return QRect(surface_->mapToGlobal(obj_->area_.topLeft()), obj_->area_.size());
    }
    QAccessible::Role role() const override {
        switch (obj_->def_.kind) {
            case ObjectKind::Button:
            case ObjectKind::Hotspot:
                return QAccessible::Button;
            case ObjectKind::Slider:
                return QAccessible::Slider;
            case ObjectKind::Text:
                return QAccessible::StaticText;
            case ObjectKind::Fill:
                return QAccessible::ProgressBar;
            default:
                return obj_->def_.drag ? QAccessible::TitleBar : QAccessible::Pane;
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible =
            !surface_ || !surface_->isVisible() || !obj_->visible_ || obj_->area_.isEmpty();
        s.offscreen = s.invisible;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface && IsClickable(obj_->def_))
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override {
        return IsClickable(obj_->def_) ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (surface_ && name == pressAction() && IsClickable(obj_->def_) && obj_->visible_)
            surface_->Click(obj_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<SkinSurface> surface_;
    SkinObj* obj_;
};

// The surface of a skinned window: its drawn objects are its children.
class SkinSurfaceAccessible final : public QAccessibleWidget {
  public:
    explicit SkinSurfaceAccessible(SkinSurface* s) : QAccessibleWidget(s, QAccessible::Pane) {}

    int childCount() const override { return int(Surface()->Exposed().size()); }
    QAccessibleInterface* child(int index) const override {
        return Surface()->ObjectInterface(index);
    }
    int indexOfChild(const QAccessibleInterface* c) const override { return Surface()->IndexOf(c); }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = Surface()->mapFromGlobal(QPoint(x, y));
        const auto& objects = Surface()->Exposed();
        for (int i = int(objects.size()) - 1; i >= 0; --i)
            if (objects[i]->visible_ && objects[i]->area_.contains(p)) return child(i);
        return nullptr;
    }

  private:
    SkinSurface* Surface() const { return static_cast<SkinSurface*>(widget()); }
};

QAccessibleInterface* SkinAccessibleFactory(const QString&, QObject* object) {
    if (auto* s = dynamic_cast<SkinSurface*>(object)) return new SkinSurfaceAccessible(s);
    return nullptr;
}

}  // namespace

SkinSurface::SkinSurface(SkinEngine* engine, WindowRecord* rec, QWidget* parent)
    : QWidget(parent), engine_(engine), rec_(rec) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (auto& o : rec_->objects)
        if (IsExposed(o->def_)) exposed_.push_back(o.get());
    accessibleIds_.assign(exposed_.size(), 0);
}

SkinSurface::~SkinSurface() {
    for (QAccessible::Id id : accessibleIds_)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* SkinSurface::ObjectInterface(int index) const {
    if (index < 0 || index >= int(exposed_.size())) return nullptr;
    QAccessible::Id& id = accessibleIds_[index];
    if (!id) {
        auto* self = const_cast<SkinSurface*>(this);
        id = QAccessible::registerAccessibleInterface(new SkinObjAccessible(self, exposed_[index]));
    }
    return QAccessible::accessibleInterface(id);
}

int SkinSurface::IndexOf(const QAccessibleInterface* iface) const {
    for (size_t i = 0; i < accessibleIds_.size(); ++i)
        if (accessibleIds_[i] && QAccessible::accessibleInterface(accessibleIds_[i]) == iface)
            return int(i);
    return -1;
}

ISkinObject* SkinObj::FindChild(const QString& name) {
    if (!root_) return nullptr;  // forms are flat: every object is a child of the root
    return rec_->byName.value(name, nullptr);
}

void SkinObj::Repaint() {
    if (!rec_->surface) return;
    if (root_)
        rec_->surface->update();
    else
        rec_->surface->update(PaintBounds());
}

struct SkinEngine::Impl {
    std::optional<SkinFile> skin;
    // Records live as long as the engine, so object references the program keeps stay valid
    // even after their window is gone (operations on them then draw nothing).
    std::vector<std::unique_ptr<WindowRecord>> records;
    QHash<QWidget*, WindowRecord*> byWindow;
};

SkinEngine::SkinEngine(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {
    static const bool readersSeeSurfaces = [] {
        QAccessible::installFactory(SkinAccessibleFactory);
        return true;
    }();
    (void)readersSeeSurfaces;
}

SkinEngine::~SkinEngine() {
    for (auto& r : d->records)
        if (r->surface) delete r->surface.data();
}

void SkinEngine::OpenSkinFile(const QString& path) {
    // A failed load leaves the previous skin in place.
    d->skin = LoadSkin(path);
}

void SkinEngine::SkinWindow(QWidget* window) {
    if (!window) throw SkinError("SkinWindow: no window");
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint)) return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    if (shown) window->show();  // changing the flags hides a shown window
}

void SkinEngine::SkinWindowAs(QWidget* window, const QString& formName) {
    if (!window) throw SkinError("SkinWindowAs: no window");
    if (!d->skin) throw SkinError("SkinWindowAs: no skin file is loaded");
    const FormDef* form = d->skin->Form(formName);
    if (!form) {
        throw SkinError(QStringLiteral("The skin has no form \"%1\"").arg(formName).toStdString());
    }
    auto rec = std::make_unique<WindowRecord>();
    rec->window = window;
    rec->background = form->background;
    ObjectDef rootDef;
    rootDef.name = form->name;
    rootDef.rect = QRect(0, 0, form->width, form->height);
    rec->root = std::make_unique<SkinObj>(rec.get(), rootDef, true);
    for (const auto& def : form->objects) {
        rec->objects.push_back(std::make_unique<SkinObj>(rec.get(), def, false));
        if (!def.name.isEmpty()) rec->byName.insert(def.name, rec->objects.back().get());
    }

    if (WindowRecord* old = d->byWindow.value(window, nullptr)) {
        if (old->surface) delete old->surface.data();
    } else {
        connect(window, &QObject::destroyed, this, [this, window] { d->byWindow.remove(window); });
    }

    window->setFixedSize(form->width, form->height);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, form->background);
    window->setPalette(pal);
    auto* surface = new SkinSurface(this, rec.get(), window);
    surface->setGeometry(0, 0, form->width, form->height);
    surface->lower();
    surface->show();
    rec->surface = surface;

    d->byWindow.insert(window, rec.get());
    d->records.push_back(std::move(rec));
}

void SkinEngine::PlaceObjects(
    QWidget* window, const QSize& size,
    const std::function<QRect(const QString& name, const QRect& formRect)>& place) {
    WindowRecord* rec = d->byWindow.value(window, nullptr);
    if (!rec || !place) return;
    rec->root->area_ = rec->root->full_ = QRect(QPoint(0, 0), size);
    for (auto& o : rec->objects) {
        const QRect next = place(o->def_.name, o->def_.rect);
        if (next.isNull()) continue;
        if (o->def_.kind == ObjectKind::Fill) {
            // The program sized the fill for the old area: keep the share it shows.
            const int shown = o->full_.width() > 0
                                  ? o->area_.width() * next.width() / o->full_.width()
                                  : next.width();
            o->area_ = QRect(next.topLeft(), QSize(shown, next.height()));
        } else {
            o->area_ = next;
        }
        o->full_ = next;
    }
    if (rec->surface) {
        rec->surface->setGeometry(QRect(QPoint(0, 0), size));
        rec->surface->update();
    }
}

ISkinObject* SkinEngine::WindowRoot(QWidget* window) {
    WindowRecord* rec = d->byWindow.value(window, nullptr);
    return rec ? rec->root.get() : nullptr;
}

QWidget* SkinEngine::Surface(QWidget* window) const {
    WindowRecord* rec = d->byWindow.value(window, nullptr);
    return rec ? rec->surface.data() : nullptr;
}

void SkinEngine::SetAccessibleNames(QWidget* window,
                                    const std::function<QString(const QString&)>& nameOf) {
    WindowRecord* rec = d->byWindow.value(window, nullptr);
    if (!rec || !nameOf) return;
    for (auto& o : rec->objects) {
        if (o->def_.name.isEmpty()) continue;
        const QString n = nameOf(o->def_.name);
        if (!n.isEmpty()) o->accessibleName_ = n;
    }
}

// ---- surface: input ----

SkinObj* SkinSurface::HitTest(const QPoint& p) const {
    for (auto it = rec_->objects.rbegin(); it != rec_->objects.rend(); ++it) {
        SkinObj* o = it->get();
        if (o->visible_ && o->def_.hit && o->area_.contains(p)) return o;
    }
    return rec_->root.get();
}

int32_t SkinSurface::SliderPosAt(const SkinObj* s, int x) const {
    const int w = s->area_.width();
    if (w <= 0) return 0;
    const double v = double(x - s->area_.x()) * 10000.0 / w;
    return std::clamp<int32_t>(int32_t(std::lround(v)), 0, 10000);
}

void SkinSurface::SetHover(SkinObj* o) {
    if (o == hover_) return;
    if (hover_) hover_->Repaint();
    hover_ = o;
    if (hover_) hover_->Repaint();
}

Qt::Edges SkinSurface::EdgesAt(const QPoint& p) const {
    constexpr int kGrip = 5;
    QWidget* w = window();
    Qt::Edges edges;
    if (!WindowDrag::Resizable(w) || w->isMaximized() || w->isFullScreen()) return edges;
    if (p.x() < kGrip) edges |= Qt::LeftEdge;
    if (p.x() >= width() - kGrip) edges |= Qt::RightEdge;
    if (p.y() < kGrip) edges |= Qt::TopEdge;
    if (p.y() >= height() - kGrip) edges |= Qt::BottomEdge;
    return edges;
}

void SkinSurface::ShowCursorFor(SkinObj* o, Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (horizontal && vertical) {
        const bool falling =
            edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        shape = falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    } else if (horizontal) {
        shape = Qt::SizeHorCursor;
    } else if (vertical) {
        shape = Qt::SizeVerCursor;
    } else if (o && (o->def_.kind == ObjectKind::Button || o->def_.kind == ObjectKind::Slider)) {
        shape = Qt::PointingHandCursor;
    }
    setCursor(shape);
}

void SkinSurface::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        const Qt::Edges edges = EdgesAt(pt);
        if (edges && WindowDrag::StartSystemResize(window(), e->globalPosition().toPoint(), edges))
            return;
    }
    SkinObj* o = HitTest(pt);
    QPointer<SkinSurface> self(this);
    pressed_ = o;
    SetHover(o);
    o->Repaint();
    const bool slider = e->button() == Qt::LeftButton && o->def_.kind == ObjectKind::Slider;
    if (slider) {
        drag_ = o;
        o->SetPosition(SliderPosAt(o, pt.x()));
    }
    emit engine_->OnMouseDown(o, e->button(), pt.x(), pt.y());
    if (!self) return;
    if (slider && drag_ == o) {
        emit engine_->OnScrollTrack(o, o->pos_);
        if (!self) return;
    }
    if (o->def_.drag && !slider) windowDrag_.Press(this, e);
}

void SkinSurface::mouseMoveEvent(QMouseEvent* e) {
    windowDrag_.Move(this, e);
    const QPoint pt = e->position().toPoint();
    SkinObj* o = HitTest(pt);
    QPointer<SkinSurface> self(this);
    SetHover(o);
    SkinObj* source = o;
    ShowCursorFor(o, e->buttons() == Qt::NoButton ? EdgesAt(pt) : Qt::Edges());
    if (drag_) {
        // A dragged slider keeps the mouse, like a captured control.
        source = drag_;
        const int32_t pos = SliderPosAt(drag_, pt.x());
        if (pos != drag_->pos_) {
            drag_->SetPosition(pos);
            emit engine_->OnScrollTrack(drag_, pos);
            if (!self) return;
        }
    }
    emit engine_->OnMouseMove(source, pt.x(), pt.y());
}

void SkinSurface::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    SkinObj* o = HitTest(pt);
    SkinObj* source = drag_ ? drag_ : o;
    SkinObj* pressed = pressed_;
    QPointer<SkinSurface> self(this);
    windowDrag_.Release();
    drag_ = nullptr;
    pressed_ = nullptr;
    if (pressed) pressed->Repaint();
    emit engine_->OnMouseUp(source, e->button(), pt.x(), pt.y());
    if (!self) return;
    // Only the left button clicks, so a stray right click cannot close a window; a slider
    // dragged off and released elsewhere does not click either.
    if (e->button() == Qt::LeftButton && pressed && pressed == o) emit engine_->OnClick(o);
}

void SkinSurface::mouseDoubleClickEvent(QMouseEvent* e) {
    // A double click on the title bar maximises the window, or gives it back its size.
    SkinObj* o = HitTest(e->position().toPoint());
    if (e->button() == Qt::LeftButton && o->def_.drag && WindowDrag::Resizable(window())) {
        windowDrag_.Release();
        pressed_ = nullptr;
        WindowDrag::ToggleMaximized(window());
        return;
    }
    mousePressEvent(e);
}

void SkinSurface::leaveEvent(QEvent*) {
    SetHover(nullptr);
}

// ---- surface: drawing ----

namespace {

QFont FontOf(const ObjectDef& d) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    f.setPixelSize(d.fontPx);
    f.setWeight(QFont::Weight(d.weight));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

Qt::TextElideMode ModeOf(Elide e) {
    switch (e) {
        case Elide::Left:
            return Qt::ElideLeft;
        case Elide::Middle:
            return Qt::ElideMiddle;
        case Elide::Right:
            return Qt::ElideRight;
        default:
            return Qt::ElideNone;
    }
}

QPainterPath Rounded(const QRectF& r, int radius) {
    QPainterPath path;
    const qreal rad = std::min<qreal>(radius, std::min(r.width(), r.height()) / 2);
    if (rad > 0)
        path.addRoundedRect(r, rad, rad);
    else
        path.addRect(r);
    return path;
}

// Width of a text when every digit takes the widest digit's cell.
qreal MonoWidth(const QFontMetricsF& fm, const QString& s, qreal cell) {
    qreal w = 0;
    for (QChar c : s) w += c.isDigit() ? cell : fm.horizontalAdvance(c);
    return w;
}

}  // namespace

bool CaptionFits(const ObjectDef& d, const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const qreal width = d.rect.width() - 2 * d.padding;
    const bool hasGlyph = !d.glyph.isEmpty();
    const qreal gs =
        hasGlyph ? (d.glyphSize > 0 ? d.glyphSize : std::min<qreal>(d.rect.height() - 8, 18)) : 0;
    const qreal gap = hasGlyph && !t.isEmpty() ? d.glyphGap : 0;
    const QFontMetricsF fm(FontOf(d));
    return fm.horizontalAdvance(t) <= std::max<qreal>(0, width - gs - gap);
}

void SkinSurface::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), rec_->background);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (auto& o : rec_->objects) {
        if (!o->visible_ || !o->PaintBounds().intersects(e->rect())) continue;
        p.save();
        DrawObject(p, o.get());
        p.restore();
    }
}

void SkinSurface::DrawObject(QPainter& p, SkinObj* o) {
    const ObjectDef& d = o->def_;
    if (d.kind == ObjectKind::Hotspot) return;
    QColor fill = d.fill, color = d.color.isValid() ? d.color : kDefaultText, border = d.border;
    const bool hovered = hover_ == o;
    const bool pressed = hovered && pressed_ == o;
    auto apply = [&](const StateLook& s) {
        if (s.fill.isValid()) fill = s.fill;
        if (s.color.isValid()) color = s.color;
        if (s.border.isValid()) border = s.border;
    };
    if (hovered) apply(d.hover);
    if (pressed) apply(d.press);

    const QRectF r(o->area_);
    if (d.kind == ObjectKind::Slider) {
        const qreal cy = r.center().y();
        if (d.track.isValid()) {
            p.setPen(Qt::NoPen);
            p.setBrush(d.track);
            p.drawRoundedRect(QRectF(r.left(), cy - 2, r.width(), 4), 2, 2);
        }
        const qreal rad = std::min<qreal>(7, r.height() / 2) + (hovered ? 1 : 0);
        const qreal x = r.left() + r.width() * o->pos_ / 10000.0;
        p.setPen(d.thumbBorder.isValid() ? QPen(d.thumbBorder, 2) : QPen(Qt::NoPen));
        p.setBrush(d.thumb);
        p.drawEllipse(QPointF(x, cy), rad - 1, rad - 1);
        return;
    }

    if (d.shadow.isValid() && r.width() > 0 && r.height() > 0) {
        p.setPen(Qt::NoPen);
        for (int i = 6; i >= 1; --i) {
            QColor c = d.shadow;
            c.setAlphaF(d.shadow.alphaF() * 0.16 * (7 - i) / 6.0);
            p.setBrush(c);
            p.drawPath(Rounded(r.adjusted(-i, -i + 2, i, i + 2), d.radius + i));
        }
    }
    if (fill.isValid() && r.width() > 0 && r.height() > 0) {
        p.setPen(Qt::NoPen);
        if (d.fill2.isValid()) {
            // The gradient spans the object's full rectangle, so a growing progress fill
            // keeps its colours in place.
            QLinearGradient g(QPointF(o->full_.left(), 0),
                              QPointF(o->full_.left() + o->full_.width(), 0));
            g.setColorAt(0, fill);
            g.setColorAt(1, d.fill2);
            p.setBrush(g);
        } else {
            p.setBrush(fill);
        }
        p.drawPath(Rounded(r, d.radius));
    }
    if (border.isValid() && d.borderWidth > 0 && r.width() > 0) {
        const qreal h = d.borderWidth / 2.0;
        p.setPen(QPen(border, d.borderWidth));
        p.setBrush(Qt::NoBrush);
        p.drawPath(Rounded(r.adjusted(h, h, -h, -h), std::max(0, d.radius - 1)));
    }
    if (d.separator.isValid()) {
        p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), d.separator);
    }
    if (d.kind == ObjectKind::Image) {
        const QImage& img = o->Image();
        if (!img.isNull()) p.drawImage(r, img);
    }
    if (d.kind != ObjectKind::Fill) DrawContent(p, o, r, color);
}

void SkinSurface::DrawContent(QPainter& p, SkinObj* o, const QRectF& r, const QColor& color) {
    const ObjectDef& d = o->def_;
    QString text = o->text_;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool hasGlyph = !d.glyph.isEmpty();
    if (text.isEmpty() && !hasGlyph) return;
    const QRectF box = r.adjusted(d.padding, 0, -d.padding, 0);
    if (box.width() <= 0) return;

    const QFont font = FontOf(d);
    const QFontMetricsF fm(font, this);
    qreal cell = 0;
    if (d.mono)
        for (char c = '0'; c <= '9'; ++c)
            cell = std::max(cell, fm.horizontalAdvance(QLatin1Char(c)));

    const qreal gs =
        hasGlyph ? (d.glyphSize > 0 ? d.glyphSize : std::min<qreal>(box.height() - 8, 18)) : 0;
    const qreal gap = hasGlyph && !text.isEmpty() ? d.glyphGap : 0;
    const qreal room = std::max<qreal>(0, box.width() - gs - gap);

    bool mono = d.mono && MonoWidth(fm, text, cell) <= room;
    QString shown = text;
    qreal tw = 0;
    if (!text.isEmpty()) {
        if (mono) {
            tw = MonoWidth(fm, text, cell);
        } else {
            // Captions never overflow their object: they are shortened with an ellipsis, or
            // cut at the object's edge when the skin asks for no elision.
            if (d.elide != Elide::None) shown = fm.elidedText(text, ModeOf(d.elide), room);
            tw = std::min(fm.horizontalAdvance(shown), room);
        }
    }
    const qreal total = gs + gap + tw;
    qreal x = box.left();
    if (d.align & Qt::AlignHCenter)
        x = box.left() + (box.width() - total) / 2;
    else if (d.align & Qt::AlignRight)
        x = box.right() - total;
    x = std::max(x, box.left());
    const qreal cy = box.center().y();

    if (hasGlyph) DrawGlyph(p, d.glyph, QRectF(x, cy - gs / 2, gs, gs), color);
    if (shown.isEmpty()) return;
    x += gs + gap;
    p.setFont(font);
    p.setPen(color);
    p.setClipRect(box, Qt::IntersectClip);
    const qreal baseline = cy + (fm.ascent() - fm.descent()) / 2;
    if (mono) {
        for (QChar c : shown) {
            const qreal adv = c.isDigit() ? cell : fm.horizontalAdvance(c);
            const qreal off = c.isDigit() ? (cell - fm.horizontalAdvance(c)) / 2 : 0;
            p.drawText(QPointF(x + off, baseline), QString(c));
            x += adv;
        }
    } else {
        p.drawText(QPointF(x, baseline), shown);
    }
}

}  // namespace skin
