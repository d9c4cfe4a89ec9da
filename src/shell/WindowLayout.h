#pragma once
// The main window at any size: the window may be resized and maximised, and its controls and
// skin objects follow its size from the places the layout file gives them at the design size.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>
#include <vector>

#include "core/appsettings.h"
#include "core/windowgrowth.h"

class QWidget;

namespace vc {

class SkinDisplay;

class WindowLayout : public QObject {
    Q_OBJECT
  public:
    WindowLayout(QWidget* window, SkinDisplay* display);
    ~WindowLayout() override;

    // Takes the window's present size and the controls' present places as the design; from
    // then on the window may be resized (down to what the screen offers) and every resize
    // places them anew. The list and the video panel are among the controls.
    void TakeDesign(const std::vector<QWidget*>& controls, QWidget* list, QWidget* video);
    bool HasDesign() const { return growth_ != nullptr; }
    const WindowGrowth* Growth() const { return growth_.get(); }
    // The smallest size: the design size, or the screen's available area when that is
    // smaller (never below what keeps the controls apart).
    QSize MinimumFor(const QRect& available) const;
    // Puts the window where it was (a null rectangle: centred at the design size), inside the
    // screen's available area, and maximises it when it was.
    void Restore(const QRect& normal, bool maximized) { Fit(normal, maximized, Available()); }
    // The same on a screen whose available area is given.
    void Fit(const QRect& normal, bool maximized, const QRect& available);
    void Restore(const AppSettings& s) {
        Restore(QRect(s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight), s.windowMaximized);
    }
    // The window's normal frame and maximised state into the settings (once it has a design).
    void Remember(AppSettings& s) const;
    // Places every control and skin object for the window's present size.
    void Apply();

  signals:
    void placed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRect Available() const;

    QWidget* window_;
    SkinDisplay* display_;
    std::unique_ptr<WindowGrowth> growth_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> controls_;
};

}  // namespace vc
