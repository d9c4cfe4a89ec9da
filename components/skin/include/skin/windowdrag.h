#pragma once
// Moves a frameless window while the left button drags one of its parts: by the window
// system's own move where it has one, else by following the pointer. Only a drag moves it: a
// click of any length without moving leaves the pointer and the keyboard alone (a move asked
// of the window system at the press would outlive a quick release).
#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace skin {

class WindowDrag : public QObject {
  public:
    // With a handle, every left drag on the handle moves its window; without, the owner
    // feeds the events it wants to drag with.
    explicit WindowDrag(QWidget* handle = nullptr);

    void Press(QWidget* source, const QMouseEvent* e);
    void Move(QWidget* source, const QMouseEvent* e);
    void Release();

    // A window whose minimum and maximum sizes differ may be resized and maximised.
    static bool Resizable(const QWidget* window);
    // Maximises the window, or gives it back its size when it is maximised.
    static void ToggleMaximized(QWidget* window);
    // Lets the window system resize the window from the given edges while the left button is
    // held; false where it cannot.
    static bool StartSystemResize(QWidget* window, QPoint global, Qt::Edges edges);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int kMove = 8, kCancel = 11;  // _NET_WM_MOVERESIZE directions
    static bool X11Move(QWidget* window, QPoint global, int direction);

    QPointer<QWidget> systemMoving_;  // the window system moves this window
    bool pending_ = false;            // pressed, not yet moved far enough
    bool following_ = false;          // moving the window by hand
    QPoint anchor_;                   // the press, in the source widget
    QPoint pressedAt_;                // the press, on the screen
};

}  // namespace skin
