#include "shell/KeyFilter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>

namespace vc {

namespace {

bool Never() {
    return false;
}

}  // namespace

KeyFilter::KeyFilter(QObject* parent)
    : QObject(parent),
      applicationActive_([] { return QApplication::activeWindow() != nullptr; }),
      shortcutWindow_([](const QWidget*) { return true; }),
      folderDialogActive_(Never),
      batchRunning_(Never),
      settingsDialogActive_(Never) {}

void KeyFilter::SetApplicationActive(std::function<bool()> isActive) {
    applicationActive_ = isActive ? std::move(isActive) : [] { return true; };
}
void KeyFilter::SetShortcutWindow(std::function<bool(const QWidget*)> isShortcutWindow) {
    if (isShortcutWindow)
        shortcutWindow_ = std::move(isShortcutWindow);
    else
        shortcutWindow_ = [](const QWidget*) { return true; };
}
void KeyFilter::SetFolderDialogActive(std::function<bool()> isActive) {
    folderDialogActive_ = isActive ? std::move(isActive) : Never;
}
void KeyFilter::SetBatchRunning(std::function<bool()> isRunning) {
    batchRunning_ = isRunning ? std::move(isRunning) : Never;
}
void KeyFilter::SetSettingsDialogActive(std::function<bool()> isActive) {
    settingsDialogActive_ = isActive ? std::move(isActive) : Never;
}

void KeyFilter::ResetKeys() {
    down_.clear();
    withCtrl_.clear();
    leftCtrlDown_ = false;
    rightCtrlDown_ = false;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (IsDuplicateDelivery(watched, key)) break;
            // A window hands the key on to its focus widget: that is where the user types.
            const QObject* target = watched;
            if (auto* window = qobject_cast<QWindow*>(watched)) target = window->focusObject();
            HandleKeyEvent(*key, target);
            break;
        }
        case QEvent::ApplicationDeactivate:
            // Releases that happen in another application never reach us.
            ResetKeys();
            break;
        default:
            break;
    }
    return false;  // never consumed
}

bool KeyFilter::IsDuplicateDelivery(QObject* watched, const QKeyEvent* event) {
    bool duplicate = false;
    if (event == lastEvent_ && event->type() == lastType_ && watched->isWidgetType()) {
        if (lastReceiverWasWindow_) {
            // From a window to the widget it hands keys to (focus widget, popup or grabber).
            duplicate = true;
        } else if (!lastReceiver_) {
            // The widget that had it is gone (deleted by its own key handler); the event goes
            // on to its former parents.
            duplicate = true;
        } else if (lastReceiver_->isWidgetType()) {
            // From a widget that ignored it up to one of its parents.
            duplicate = static_cast<QWidget*>(watched)->isAncestorOf(
                static_cast<QWidget*>(lastReceiver_.data()));
        }
    }
    lastEvent_ = event;
    lastReceiver_ = watched;
    lastReceiverWasWindow_ = qobject_cast<QWindow*>(watched) != nullptr;
    lastType_ = event->type();
    return duplicate;
}

bool KeyFilter::IsTextField(const QObject* object) {
    for (int level = 0; object && level < 2; ++level, object = object->parent()) {
        if (qobject_cast<const QLineEdit*>(object) ||
            qobject_cast<const QAbstractSpinBox*>(object) ||
            qobject_cast<const QTextEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object))
            return true;
        if (auto* box = qobject_cast<const QComboBox*>(object); box && box->isEditable())
            return true;
    }
    return false;
}

bool KeyFilter::ShortcutsReach(const QObject* target) const {
    // An open popup takes every key while it is open.
    if (QWidget* popup = QApplication::activePopupWidget())
        target = popup->focusWidget() ? popup->focusWidget() : popup;
    if (!target) target = QApplication::focusWidget();
    if (IsTextField(target)) return false;
    if (auto* widget = qobject_cast<const QWidget*>(target);
        widget && !shortcutWindow_(widget->window()))
        return false;
    const QWidget* active = QApplication::activeWindow();
    return !active || shortcutWindow_(active);
}

bool KeyFilter::Held(int key) const {
    return down_.count(key) != 0;
}

std::vector<Command> KeyFilter::HandleKeyEvent(const QKeyEvent& event, const QObject* target) {
    const bool press = event.type() == QEvent::KeyPress;
    const bool release = event.type() == QEvent::KeyRelease;
    if (!press && !release) return {};
    const int key = event.key();

    // X11 repeats a held key as release and press pairs; the repeated press alone stands for
    // the repeat, the key stays down.
    if (release && event.isAutoRepeat()) return {};

    // Keep the key state first, so the table below sees it as of this event.
    bool wentDownWithCtrl = false;
    if (key == Qt::Key_Control) {
        const bool right = event.nativeVirtualKey() == kRightCtrlSym;
        (right ? rightCtrlDown_ : leftCtrlDown_) = press;
    } else {
        if (press) {
            down_.insert(key);
        } else {
            down_.erase(key);
        }
        // A modifier released while another application had the keyboard: the event's own
        // modifier state tells the truth.
        if (!(event.modifiers() & Qt::ControlModifier)) leftCtrlDown_ = rightCtrlDown_ = false;
        if (key != Qt::Key_Alt && !(event.modifiers() & Qt::AltModifier)) down_.erase(Qt::Key_Alt);
        // A fast chord lets Ctrl go before the key (xdotool key ctrl+a: Ctrl down, A down,
        // Ctrl up, A up): a key that went down with the left Ctrl held keeps it until its
        // release.
        if (press && leftCtrlDown_)
            withCtrl_.insert(key);
        else if (press)
            withCtrl_.erase(key);
        else
            wentDownWithCtrl = withCtrl_.erase(key) != 0;
    }

    if (!applicationActive_()) return {};
    auto released = [&](int k) { return release && key == k; };
    // Help and the emergency exit type nothing, so they act everywhere.
    if (!ShortcutsReach(target)) {
        std::vector<Command> global;
        if (released(Qt::Key_F1)) global.push_back(Command::Help);
        if (released(Qt::Key_F3)) global.push_back(Command::QuitNow);
        for (Command c : global) emit shortcut(c);
        return global;
    }

    const bool ctrl = leftCtrlDown_;
    // "Ctrl held, key on release": Ctrl is down now, or was when the key went down.
    auto ctrlReleased = [&](int k) { return (ctrl || wentDownWithCtrl) && released(k); };
    const bool alt = Held(Qt::Key_Alt);

    using C = Command;
    std::vector<Command> commands;
    auto test = [&](bool condition, Command command) {
        if (condition) commands.push_back(command);
    };
    // Table order; every line on its own, so one event may trigger several.
    test(released(Qt::Key_F1), C::Help);
    test(released(Qt::Key_F5), C::OpenPicker);
    test(released(Qt::Key_F3), C::QuitNow);
    test(released(Qt::Key_Space), C::SpaceToggle);
    test(released(Qt::Key_Delete), C::Remove);
    test(released(Qt::Key_F12), C::Snapshot);
    test(ctrlReleased(Qt::Key_H), C::Help);
    test(alt && Held(Qt::Key_F), C::PopupFile);
    test(alt && Held(Qt::Key_E), C::PopupEdit);
    test(alt && Held(Qt::Key_A), C::PopupActions);
    test(alt && Held(Qt::Key_T), C::PopupTools);
    test(alt && Held(Qt::Key_H), C::PopupHelp);
    test(ctrlReleased(Qt::Key_A), C::AddFiles);
    test(ctrlReleased(Qt::Key_D) && !folderDialogActive_(), C::AddFolder);
    test(ctrlReleased(Qt::Key_T), C::Properties);
    test(ctrl && Held(Qt::Key_R), C::RunBackground);
    test(ctrlReleased(Qt::Key_C), C::Clear);
    test(ctrl && Held(Qt::Key_N), C::Rename);
    test(ctrl && Held(Qt::Key_L), C::CheckAll);
    test(ctrl && Held(Qt::Key_U), C::UncheckAll);
    test(ctrlReleased(Qt::Key_V) && !batchRunning_(), C::Convert);
    test(ctrl && Held(Qt::Key_P), C::Pause);
    test(ctrl && Held(Qt::Key_S), C::Stop);
    test(ctrlReleased(Qt::Key_I) && !settingsDialogActive_(), C::Settings);
    test(ctrl && Held(Qt::Key_F), C::Feedback);
    // Keys the window design leaves free.
    test(ctrlReleased(Qt::Key_B), C::Browse);
    test(ctrlReleased(Qt::Key_O), C::OpenOutput);
    test(ctrlReleased(Qt::Key_Z), C::UndoRemoval);
    test(alt && released(Qt::Key_Up), C::MoveUp);
    test(alt && released(Qt::Key_Down), C::MoveDown);

    for (Command c : commands) emit shortcut(c);
    return commands;
}

}  // namespace vc
