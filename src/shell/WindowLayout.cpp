#include "shell/WindowLayout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/SkinDisplay.h"

namespace vc {

WindowLayout::WindowLayout(QWidget* window, SkinDisplay* display)
    : QObject(window), window_(window), display_(display) {
    window_->installEventFilter(this);
}

WindowLayout::~WindowLayout() = default;

void WindowLayout::TakeDesign(const std::vector<QWidget*>& controls, QWidget* list,
                              QWidget* video) {
    growth_ = std::make_unique<WindowGrowth>(window_->size(), list->geometry(), video->geometry());
    controls_.clear();
    for (QWidget* w : controls)
        if (w) controls_.emplace_back(w, w->geometry());
    window_->setMinimumSize(MinimumFor(Available()));
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    Apply();
}

QRect WindowLayout::Available() const {
    QScreen* s = window_->screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

QSize WindowLayout::MinimumFor(const QRect& available) const {
    if (!growth_) return window_->minimumSize();
    const QSize design = growth_->Design();
    QSize m = available.isEmpty() ? design : design.boundedTo(available.size());
    return m.expandedTo(WindowGrowth::Smallest(design));
}

void WindowLayout::Fit(const QRect& normal, bool maximized, const QRect& available) {
    if (!growth_) return;
    window_->setMinimumSize(MinimumFor(available));
    QRect wanted = normal;
    if (wanted.width() <= 0 || wanted.height() <= 0) {
        wanted = QRect(QPoint(0, 0), growth_->Design());
        if (!available.isEmpty()) wanted.moveCenter(available.center());
    }
    window_->setGeometry(FitToScreen(wanted, available, window_->minimumSize()));
    if (maximized) window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
}

void WindowLayout::Remember(AppSettings& s) const {
    if (!growth_) return;
    const QRect n = window_->isMaximized() ? window_->normalGeometry() : window_->geometry();
    if (n.width() <= 0 || n.height() <= 0) return;
    s.windowLeft = n.x();
    s.windowTop = n.y();
    s.windowWidth = n.width();
    s.windowHeight = n.height();
    s.windowMaximized = window_->isMaximized();
}

void WindowLayout::Apply() {
    if (!growth_) return;
    growth_->SetSize(window_->size());
    for (auto& [w, design] : controls_)
        if (w) w->setGeometry(growth_->Place(w->objectName(), design));
    const WindowGrowth* g = growth_.get();
    display_->PlaceMain(g->Size(), [g](const QString& name, const QRect& formRect) {
        return g->Place(name, formRect);
    });
    emit placed();
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && growth_) {
        if (event->type() == QEvent::Resize) Apply();
        // Another screen, or the same one with other panels: the window may need to shrink.
        if (event->type() == QEvent::ScreenChangeInternal)
            window_->setMinimumSize(MinimumFor(Available()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vc
