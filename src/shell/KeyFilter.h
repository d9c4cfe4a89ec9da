#pragma once
// The application-wide keyboard filter: watches every key event the application receives and
// turns the program's shortcuts into commands. It never consumes an event, so the focused
// control (the rename editor, a combo box) still gets every key; and while the user types in
// a text field, or works in a window that is not one of the shortcut windows, it leaves the
// keys alone (F1 and F3 excepted).
#include <QObject>
#include <QPointer>
#include <functional>
#include <set>
#include <vector>

#include "core/command.h"

class QKeyEvent;
class QWidget;

namespace vc {

class KeyFilter : public QObject {
    Q_OBJECT
  public:
    // X11 key symbols of the two Ctrl keys, as QKeyEvent::nativeVirtualKey reports them.
    static constexpr quint32 kLeftCtrlSym = 0xffe3;
    static constexpr quint32 kRightCtrlSym = 0xffe4;

    explicit KeyFilter(QObject* parent = nullptr);

    // Install with qApp->installEventFilter(filter).
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Shortcuts act only while this answers true; by default, while one of the application's
    // windows is active.
    void SetApplicationActive(std::function<bool()> isActive);
    // The windows whose keys may be shortcuts (the key's window and the active window are
    // asked); by default every window.
    void SetShortcutWindow(std::function<bool(const QWidget* window)> isShortcutWindow);
    // Ctrl+D does nothing while this answers true (the output directory dialog is active).
    void SetFolderDialogActive(std::function<bool()> isActive);
    // Ctrl+V does nothing while this answers true (a batch is converting).
    void SetBatchRunning(std::function<bool()> isRunning);
    // Ctrl+I does nothing while this answers true (the settings dialog is already active).
    void SetSettingsDialogActive(std::function<bool()> isActive);

    // Feeds one key event through the shortcut table as if the application had received it,
    // meant for 'target' (the widget that gets the key; none: the application's focus widget).
    // Returns the commands it triggered, in table order (also emitted as shortcut()).
    std::vector<Command> HandleKeyEvent(const QKeyEvent& event, const QObject* target = nullptr);

    // True for the widgets the user types into: line edits, editable combo boxes, spin boxes
    // and text editors.
    static bool IsTextField(const QObject* object);

    // Forgets every key held down (keys released while another application was active never
    // reach us).
    void ResetKeys();

  signals:
    // One emission per triggered command. The filter runs inside event delivery: a handler
    // that opens a modal dialog should be connected with Qt::QueuedConnection.
    void shortcut(vc::Command command);

  private:
    bool IsDuplicateDelivery(QObject* watched, const QKeyEvent* event);
    bool Held(int key) const;
    bool ShortcutsReach(const QObject* target) const;

    std::function<bool()> applicationActive_;
    std::function<bool(const QWidget*)> shortcutWindow_;
    std::function<bool()> folderDialogActive_;
    std::function<bool()> batchRunning_;
    std::function<bool()> settingsDialogActive_;

    std::set<int> down_;      // Qt::Key values of the keys held down (Ctrl keys excluded)
    std::set<int> withCtrl_;  // keys that went down while the left Ctrl was held
    bool leftCtrlDown_ = false;
    bool rightCtrlDown_ = false;

    // The same key event travels through several receivers (window, focus widget, parents);
    // it counts once, at the first. The events of a fast chord may share both address and
    // timestamp, so only the path between receivers tells a delivery from a new event.
    const QEvent* lastEvent_ = nullptr;
    QPointer<QObject> lastReceiver_;
    bool lastReceiverWasWindow_ = false;
    int lastType_ = 0;
};

}  // namespace vc
