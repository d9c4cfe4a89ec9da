#include "keys.h"

#include <qpa/qwindowsysteminterface.h>

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include "shell/KeyFilter.h"

namespace vc::test {

namespace {
Qt::KeyboardModifier ModifierOf(int key) {
    return key == Qt::Key_Control ? Qt::ControlModifier
           : key == Qt::Key_Alt   ? Qt::AltModifier
                                  : Qt::NoModifier;
}
quint32 NativeOf(int key) {
    return key == Qt::Key_Control ? KeyFilter::kLeftCtrlSym : 0;
}
QString TextOf(int key, Qt::KeyboardModifiers mods) {
    if (mods & (Qt::ControlModifier | Qt::AltModifier)) return {};
    if (key == Qt::Key_Space) return QStringLiteral(" ");
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QString(QChar(key).toLower());
    return {};
}
}  // namespace

QWindow* KeyWindow(QWidget* w) {
    return w->window()->windowHandle();
}

void SystemKey(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
               unsigned long timestamp, quint32 nativeKey, const QString& text) {
    QWindowSystemInterface::handleExtendedKeyEvent(window, timestamp, type, key, modifiers, 0,
                                                   nativeKey, 0, text);
    QWindowSystemInterface::flushWindowSystemEvents();
}

void SlowChord(QWindow* window, int modifier, int key, unsigned long t) {
    Qt::KeyboardModifiers mods;
    if (modifier) {
        mods = ModifierOf(modifier);
        SystemKey(window, QEvent::KeyPress, modifier, mods, t += 150, NativeOf(modifier));
    }
    SystemKey(window, QEvent::KeyPress, key, mods, t += 150, 0, TextOf(key, mods));
    SystemKey(window, QEvent::KeyRelease, key, mods, t += 150, 0, TextOf(key, mods));
    if (modifier)
        SystemKey(window, QEvent::KeyRelease, modifier, Qt::NoModifier, t += 150,
                  NativeOf(modifier));
    QCoreApplication::processEvents();
}

void FastChord(QWindow* window, int modifier, int key, unsigned long t) {
    Qt::KeyboardModifiers mods;
    if (modifier) {
        mods = ModifierOf(modifier);
        SystemKey(window, QEvent::KeyPress, modifier, mods, t, NativeOf(modifier));
    }
    SystemKey(window, QEvent::KeyPress, key, mods, t, 0, TextOf(key, mods));
    if (modifier)
        SystemKey(window, QEvent::KeyRelease, modifier, Qt::NoModifier, t, NativeOf(modifier));
    SystemKey(window, QEvent::KeyRelease, key, Qt::NoModifier, t, 0, TextOf(key, {}));
    QCoreApplication::processEvents();
}

}  // namespace vc::test
