// The skin engine: one drawing surface per skinned window, painting the form's objects and
// turning mouse input into the engine's events.
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
    bool visible_;
    QString text_;
    int32_t pos_ = 0;
    WindowRecord* rec_;
    bool root_;
    QImage image_;
    bool imageLoaded_ = false;
};

class SkinSurface final : public QWidget {
  public:
    SkinSurface(SkinEngine* engine, WindowRecord* rec, QWidget* parent)
        : QWidget(parent), engine_(engine), rec_(rec) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
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
};

struct WindowRecord {
    QPointer<QWidget> window;
    QPointer<SkinSurface> surface;
    QColor background;
    std::unique_ptr<SkinObj> root;
    std::vector<std::unique_ptr<SkinObj>> objects;  // drawing order: later on top
    QHash<QString, SkinObj*> byName;
};

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

SkinEngine::SkinEngine(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

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

ISkinObject* SkinEngine::WindowRoot(QWidget* window) {
    WindowRecord* rec = d->byWindow.value(window, nullptr);
    return rec ? rec->root.get() : nullptr;
}

QWidget* SkinEngine::Surface(QWidget* window) const {
    WindowRecord* rec = d->byWindow.value(window, nullptr);
    return rec ? rec->surface.data() : nullptr;
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
    const bool pointing =
        o && (o->def_.kind == ObjectKind::Button || o->def_.kind == ObjectKind::Slider);
    setCursor(pointing ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SkinSurface::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
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
    if (e->button() == Qt::LeftButton && o->def_.drag && !slider) {
        QWidget* w = window();
        if (w && w->windowHandle()) w->windowHandle()->startSystemMove();
    }
}

void SkinSurface::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    SkinObj* o = HitTest(pt);
    QPointer<SkinSurface> self(this);
    SetHover(o);
    SkinObj* source = o;
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
    drag_ = nullptr;
    pressed_ = nullptr;
    if (pressed) pressed->Repaint();
    emit engine_->OnMouseUp(source, e->button(), pt.x(), pt.y());
    if (!self) return;
    // Only the left button clicks, so a stray right click cannot close a window; a slider
    // dragged off and released elsewhere does not click either.
    if (e->button() == Qt::LeftButton && pressed && pressed == o) emit engine_->OnClick(o);
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
            // The gradient spans the object's full rectangle from the file, so a growing
            // progress fill keeps its colours in place.
            QLinearGradient g(QPointF(d.rect.left(), 0),
                              QPointF(d.rect.left() + d.rect.width(), 0));
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
