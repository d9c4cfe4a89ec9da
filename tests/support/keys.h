#pragma once
// Keys as the window system hands them to Qt: to a window, through Qt's shortcut map, then to
// the window's focus widget and up its parents; every event with the timestamp given.
#include <QEvent>
#include <QString>

class QWindow;
class QWidget;

namespace vc::test {

// The window a widget's keys arrive at (its top-level window).
QWindow* KeyWindow(QWidget* w);

void SystemKey(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
               unsigned long timestamp, quint32 nativeKey = 0, const QString& text = {});

// One key pressed and released, with a modifier (Qt::Key_Control, Qt::Key_Alt) or 0.
// Slow: as a person types, each event at its own time. Fast: the way `xdotool key` sends a
// chord, every event at one time and the modifier let go before the key.
void SlowChord(QWindow* window, int modifier, int key, unsigned long startTime);
void FastChord(QWindow* window, int modifier, int key, unsigned long time);

}  // namespace vc::test
