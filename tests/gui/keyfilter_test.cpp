// The application-wide shortcut filter, fed with synthesised key events the way X11 delivers
// them (left and right Ctrl told apart by their key symbols).
#include "shell/KeyFilter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <memory>

#include "support/keys.h"

using namespace vc;
using A = Command;

namespace {

constexpr quint32 kLeft = KeyFilter::kLeftCtrlSym;
constexpr quint32 kRight = KeyFilter::kRightCtrlSym;

// A window with a list (any widget that is not a text field) and an edit box; every key goes
// to the receiver (the list unless a test says otherwise) through the application, so the
// installed filter sees it exactly as it would see a real key.
class KeyFilterTest : public ::testing::Test {
  protected:
    QWidget window;
    QWidget* list = new QWidget(&window);
    QLineEdit* edit = new QLineEdit(&window);
    QObject* receiver = list;
    KeyFilter filter;
    std::vector<A> fired;
    Qt::KeyboardModifiers mods;

    void SetUp() override {
        new QVBoxLayout(&window);
        list->setFocusPolicy(Qt::StrongFocus);
        window.layout()->addWidget(list);
        window.layout()->addWidget(edit);
        filter.SetApplicationActive([] { return true; });
        QObject::connect(&filter, &KeyFilter::shortcut, [this](A a) { fired.push_back(a); });
        qApp->installEventFilter(&filter);
    }
    void TearDown() override { qApp->removeEventFilter(&filter); }

    static Qt::KeyboardModifier ModifierOf(int key) {
        return key == Qt::Key_Control ? Qt::ControlModifier
               : key == Qt::Key_Alt   ? Qt::AltModifier
                                      : Qt::NoModifier;
    }
    void Send(QEvent::Type type, int key, quint32 nativeKey = 0, bool repeat = false) {
        if (type == QEvent::KeyPress) mods |= ModifierOf(key);
        QString text;
        if (key == Qt::Key_Space) text = " ";
        if (key >= Qt::Key_A && key <= Qt::Key_Z &&
            !(mods & (Qt::ControlModifier | Qt::AltModifier)))
            text = QChar(key).toLower();
        QKeyEvent e(type, key, mods, 0, nativeKey, 0, text, repeat);
        QCoreApplication::sendEvent(receiver, &e);
        if (type == QEvent::KeyRelease && !repeat) mods &= ~ModifierOf(key);
    }
    void Press(int key, quint32 nativeKey = 0, bool repeat = false) {
        Send(QEvent::KeyPress, key, nativeKey, repeat);
    }
    void Release(int key, quint32 nativeKey = 0, bool repeat = false) {
        Send(QEvent::KeyRelease, key, nativeKey, repeat);
    }
    void Tap(int key) {
        Press(key);
        Release(key);
    }
    // Modifier down, key down, key up, modifier up.
    void Combo(int modifier, int key, quint32 nativeModifier = 0) {
        Press(modifier, nativeModifier);
        Tap(key);
        Release(modifier, nativeModifier);
    }
    void CtrlCombo(int key, quint32 side = kLeft) { Combo(Qt::Key_Control, key, side); }
};

struct ShortcutCase {
    const char* keys;
    int modifier;  // 0, Qt::Key_Control or Qt::Key_Alt
    int key;
    A action;
};

const ShortcutCase kTable[] = {
    {"F1", 0, Qt::Key_F1, A::Help},
    {"F5", 0, Qt::Key_F5, A::OpenPicker},
    {"F3", 0, Qt::Key_F3, A::QuitNow},
    {"Space", 0, Qt::Key_Space, A::SpaceToggle},
    {"Delete", 0, Qt::Key_Delete, A::Remove},
    {"F12", 0, Qt::Key_F12, A::Snapshot},
    {"Ctrl+H", Qt::Key_Control, Qt::Key_H, A::Help},
    {"Alt+F", Qt::Key_Alt, Qt::Key_F, A::PopupFile},
    {"Alt+E", Qt::Key_Alt, Qt::Key_E, A::PopupEdit},
    {"Alt+A", Qt::Key_Alt, Qt::Key_A, A::PopupActions},
    {"Alt+T", Qt::Key_Alt, Qt::Key_T, A::PopupTools},
    {"Alt+H", Qt::Key_Alt, Qt::Key_H, A::PopupHelp},
    {"Ctrl+A", Qt::Key_Control, Qt::Key_A, A::AddFiles},
    {"Ctrl+D", Qt::Key_Control, Qt::Key_D, A::AddFolder},
    {"Ctrl+T", Qt::Key_Control, Qt::Key_T, A::Properties},
    {"Ctrl+R", Qt::Key_Control, Qt::Key_R, A::RunBackground},
    {"Ctrl+C", Qt::Key_Control, Qt::Key_C, A::Clear},
    {"Ctrl+N", Qt::Key_Control, Qt::Key_N, A::Rename},
    {"Ctrl+L", Qt::Key_Control, Qt::Key_L, A::CheckAll},
    {"Ctrl+U", Qt::Key_Control, Qt::Key_U, A::UncheckAll},
    {"Ctrl+V", Qt::Key_Control, Qt::Key_V, A::Convert},
    {"Ctrl+P", Qt::Key_Control, Qt::Key_P, A::Pause},
    {"Ctrl+S", Qt::Key_Control, Qt::Key_S, A::Stop},
    {"Ctrl+I", Qt::Key_Control, Qt::Key_I, A::Settings},
    {"Ctrl+F", Qt::Key_Control, Qt::Key_F, A::Feedback},
    {"Ctrl+B", Qt::Key_Control, Qt::Key_B, A::Browse},
    {"Ctrl+O", Qt::Key_Control, Qt::Key_O, A::OpenOutput},
    {"Ctrl+Z", Qt::Key_Control, Qt::Key_Z, A::UndoRemoval},
    {"Alt+Up", Qt::Key_Alt, Qt::Key_Up, A::MoveUp},
    {"Alt+Down", Qt::Key_Alt, Qt::Key_Down, A::MoveDown},
};

// Combos acted on while both keys are down; the rest act on the key's release.
bool ActsWhileHeld(const ShortcutCase& c) {
    return (c.modifier == Qt::Key_Alt && c.key >= Qt::Key_A && c.key <= Qt::Key_Z) ||
           (c.modifier == Qt::Key_Control &&
            QByteArray("RNLUPSF").contains(char(c.key - Qt::Key_A + 'A')));
}

}  // namespace

TEST_F(KeyFilterTest, EveryShortcutReachesItsActionAtTheRightMoment) {
    for (const ShortcutCase& c : kTable) {
        fired.clear();
        if (c.modifier) Press(c.modifier, c.modifier == Qt::Key_Control ? kLeft : 0);
        Press(c.key);
        EXPECT_EQ(fired, ActsWhileHeld(c) ? std::vector<A>{c.action} : std::vector<A>{})
            << c.keys << " after the key went down";
        fired.clear();
        Release(c.key);
        EXPECT_EQ(fired, ActsWhileHeld(c) ? std::vector<A>{} : std::vector<A>{c.action})
            << c.keys << " after the key went up";
        fired.clear();
        if (c.modifier) Release(c.modifier, c.modifier == Qt::Key_Control ? kLeft : 0);
        EXPECT_TRUE(fired.empty()) << c.keys << " after the modifier went up";
    }
}

TEST_F(KeyFilterTest, CtrlWithoutKeySymbolCountsAsLeft) {
    CtrlCombo(Qt::Key_A, 0);
    CtrlCombo(Qt::Key_S, 0);
    EXPECT_EQ(fired, (std::vector<A>{A::AddFiles, A::Stop}));
}

TEST_F(KeyFilterTest, RightCtrlDoesNothing) {
    for (const ShortcutCase& c : kTable) {
        if (c.modifier != Qt::Key_Control) continue;
        CtrlCombo(c.key, kRight);
    }
    EXPECT_TRUE(fired.empty()) << int(fired.front());
    // Both Ctrl keys down, the right one released first: the left one still counts.
    Press(Qt::Key_Control, kLeft);
    Press(Qt::Key_Control, kRight);
    Release(Qt::Key_Control, kRight);
    mods |= Qt::ControlModifier;  // the left one is still down
    Tap(Qt::Key_T);
    Release(Qt::Key_Control, kLeft);
    EXPECT_EQ(fired, std::vector<A>{A::Properties});
}

TEST_F(KeyFilterTest, ConditionsFromTheMainWindowRefuse) {
    bool batch = true, folderDialog = true, settingsDialog = true;
    filter.SetBatchRunning([&] { return batch; });
    filter.SetFolderDialogActive([&] { return folderDialog; });
    filter.SetSettingsDialogActive([&] { return settingsDialog; });
    for (int key : {Qt::Key_V, Qt::Key_D, Qt::Key_I}) CtrlCombo(key);
    EXPECT_TRUE(fired.empty());
    // Other shortcuts are not affected by a running batch.
    CtrlCombo(Qt::Key_P);
    CtrlCombo(Qt::Key_S);
    EXPECT_EQ(fired, (std::vector<A>{A::Pause, A::Stop}));
    fired.clear();
    batch = folderDialog = settingsDialog = false;
    for (int key : {Qt::Key_V, Qt::Key_D, Qt::Key_I}) CtrlCombo(key);
    EXPECT_EQ(fired, (std::vector<A>{A::Convert, A::AddFolder, A::Settings}));
}

TEST_F(KeyFilterTest, HeldCombosActAgainOnEveryRepeat) {
    Press(Qt::Key_Control, kLeft);
    Press(Qt::Key_R);
    // X11 auto-repeat: a release and a press, both marked as repeats; only the press counts.
    for (int i = 0; i < 2; ++i) {
        Release(Qt::Key_R, 0, true);
        Press(Qt::Key_R, 0, true);
    }
    // Another key going down while both are held is one more event for the combo, and it
    // triggers its own held shortcut too: one event, two actions in table order.
    Press(Qt::Key_N);
    Release(Qt::Key_N);
    Release(Qt::Key_R);
    Release(Qt::Key_Control, kLeft);
    EXPECT_EQ(fired, (std::vector<A>{A::RunBackground, A::RunBackground, A::RunBackground,
                                     A::RunBackground, A::Rename, A::RunBackground}));
}

TEST_F(KeyFilterTest, ReleaseShortcutsActOnceOnTheRealRelease) {
    Press(Qt::Key_F3);
    for (int i = 0; i < 3; ++i) {
        Release(Qt::Key_F3, 0, true);
        Press(Qt::Key_F3, 0, true);
    }
    EXPECT_TRUE(fired.empty());
    Release(Qt::Key_F3);
    EXPECT_EQ(fired, std::vector<A>{A::QuitNow});
}

TEST_F(KeyFilterTest, NothingWhileTheApplicationIsInactive) {
    bool active = false;
    filter.SetApplicationActive([&] { return active; });
    Tap(Qt::Key_F1);
    CtrlCombo(Qt::Key_A);
    EXPECT_TRUE(fired.empty());
    active = true;
    Tap(Qt::Key_F1);
    EXPECT_EQ(fired, std::vector<A>{A::Help});
}

TEST_F(KeyFilterTest, ForgetsModifiersReleasedElsewhere) {
    Press(Qt::Key_Control, kLeft);
    // The Ctrl release went to another application; the next key says Ctrl is up.
    mods = Qt::NoModifier;
    Tap(Qt::Key_H);
    Press(Qt::Key_Alt);
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &deactivate);
    mods = Qt::NoModifier;
    Tap(Qt::Key_S);
    EXPECT_TRUE(fired.empty());
}

TEST_F(KeyFilterTest, TextFieldsKeepTheirKeys) {
    // Every widget the user types into; only F1 and F3, which type nothing, still act.
    struct Field {
        const char* what;
        std::function<QWidget*(QWidget*)> make;
    } fields[] = {
        {"line edit", [](QWidget* p) { return new QLineEdit(p); }},
        {"read-only line edit",
         [](QWidget* p) {
             auto* e = new QLineEdit(p);
             e->setReadOnly(true);
             return e;
         }},
        {"editable combo box",
         [](QWidget* p) {
             auto* c = new QComboBox(p);
             c->setEditable(true);
             return c;
         }},
        {"spin box", [](QWidget* p) { return new QSpinBox(p); }},
        {"text edit", [](QWidget* p) { return new QTextEdit(p); }},
        {"plain text edit", [](QWidget* p) { return new QPlainTextEdit(p); }},
    };
    for (const Field& f : fields) {
        std::unique_ptr<QWidget> field(f.make(&window));
        receiver = field.get();
        fired.clear();
        for (int key : {Qt::Key_Delete, Qt::Key_Space, Qt::Key_F5, Qt::Key_F12}) Tap(key);
        for (int key : {Qt::Key_V, Qt::Key_C, Qt::Key_A, Qt::Key_R, Qt::Key_N, Qt::Key_S})
            CtrlCombo(key);
        Combo(Qt::Key_Alt, Qt::Key_F);
        EXPECT_TRUE(fired.empty()) << f.what << ": " << int(fired.front());
        Tap(Qt::Key_F1);
        Tap(Qt::Key_F3);
        EXPECT_EQ(fired, (std::vector<A>{A::Help, A::QuitNow})) << f.what;
    }
    // A combo box the user only picks from is no text field.
    QComboBox picker(&window);
    receiver = &picker;
    fired.clear();
    Tap(Qt::Key_Delete);
    EXPECT_EQ(fired, std::vector<A>{A::Remove});
}

TEST_F(KeyFilterTest, EditBoxGetsTheTextTyped) {
    receiver = edit;
    edit->setFocus();
    Tap(Qt::Key_A);
    Tap(Qt::Key_Space);
    Tap(Qt::Key_B);
    EXPECT_EQ(edit->text(), "a b");
    EXPECT_TRUE(fired.empty());
}

TEST_F(KeyFilterTest, OtherWindowsKeepTheirKeys) {
    filter.SetShortcutWindow([this](const QWidget* w) { return w == &window; });
    QWidget dialog;
    auto* inDialog = new QWidget(&dialog);
    receiver = inDialog;
    Tap(Qt::Key_Space);
    CtrlCombo(Qt::Key_A);
    CtrlCombo(Qt::Key_R);
    Tap(Qt::Key_F1);
    EXPECT_EQ(fired, std::vector<A>{A::Help});
    fired.clear();
    receiver = list;
    CtrlCombo(Qt::Key_A);
    EXPECT_EQ(fired, std::vector<A>{A::AddFiles}) << "the shortcut window itself";
}

TEST_F(KeyFilterTest, CtrlLetGoBeforeTheKeyStillCounts) {
    // xdotool key ctrl+a: Ctrl down, A down, Ctrl up, A up.
    Press(Qt::Key_Control, kLeft);
    Press(Qt::Key_A);
    Release(Qt::Key_Control, kLeft);
    Release(Qt::Key_A);
    EXPECT_EQ(fired, std::vector<A>{A::AddFiles});
    // A key that went down without Ctrl does not borrow it.
    fired.clear();
    Press(Qt::Key_C);
    Press(Qt::Key_Control, kLeft);
    Release(Qt::Key_Control, kLeft);
    Release(Qt::Key_C);
    // Nor one that went down with the right Ctrl.
    Press(Qt::Key_Control, kRight);
    Press(Qt::Key_V);
    Release(Qt::Key_Control, kRight);
    Release(Qt::Key_V);
    EXPECT_TRUE(fired.empty());
}

TEST_F(KeyFilterTest, ChordsOfAnySpeedThroughTheWindowSystemActOnce) {
    // Delivered as the platform does: window first, then its focus widget and the parents.
    // A fast chord's events share their timestamp (and Qt's event address).
    window.show();
    window.activateWindow();
    list->setFocus();
    QWindow* w = vc::test::KeyWindow(list);
    ASSERT_NE(w, nullptr);
    const std::pair<int, A> chords[] = {{Qt::Key_A, A::AddFiles}, {Qt::Key_V, A::Convert},
                                        {Qt::Key_C, A::Clear},    {Qt::Key_R, A::RunBackground},
                                        {Qt::Key_S, A::Stop},     {Qt::Key_I, A::Settings}};
    unsigned long t = 1000;
    for (const auto& [key, action] : chords) {
        fired.clear();
        vc::test::FastChord(w, Qt::Key_Control, key, t += 1000);
        EXPECT_EQ(fired, std::vector<A>{action}) << "fast chord, key " << key;
        fired.clear();
        vc::test::SlowChord(w, Qt::Key_Control, key, t += 1000);
        EXPECT_EQ(fired, std::vector<A>{action}) << "slow chord, key " << key;
    }
    fired.clear();
    vc::test::FastChord(w, 0, Qt::Key_Delete, t += 1000);
    vc::test::FastChord(w, 0, Qt::Key_Delete, t);
    EXPECT_EQ(fired, (std::vector<A>{A::Remove, A::Remove})) << "two taps at one time are two";
}

TEST_F(KeyFilterTest, OneKeyCountsOnceWhileItTravelsUpToTheWindow) {
    // A plain widget ignores F5, so the application hands the same event on to its parents.
    QWidget* inner = new QWidget(new QWidget(&window));
    int windowSaw = 0;
    struct Counter : QObject {
        int* n;
        explicit Counter(int* count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyRelease) ++*n;
            return false;
        }
    } counter(&windowSaw);
    window.installEventFilter(&counter);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier);
        QCoreApplication::sendEvent(inner, &press);
        QCoreApplication::sendEvent(inner, &release);
    }
    EXPECT_EQ(windowSaw, 2) << "the event did travel up";
    EXPECT_EQ(fired, (std::vector<A>{A::OpenPicker, A::OpenPicker}));
}

TEST_F(KeyFilterTest, FilterNeverConsumes) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    EXPECT_FALSE(filter.eventFilter(edit, &press));
    EXPECT_FALSE(filter.eventFilter(edit, &release));
    EXPECT_EQ(fired, std::vector<A>{A::Help});
}
