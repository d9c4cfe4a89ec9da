// Every entry point reaches its operation: skin commands, menu items, picture buttons,
// keyboard shortcuts, the tray and the closing duties.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>

#include "app/Tfm_main.h"
#include "core/siblings.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/KeyFilter.h"
#include "shell/PictureButton.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
// What a command did, read from the recorded side effects and the window.
struct Observed {
    QStringList dialogs;  // object names of modal dialogs shown
};

void Watch(Program& p, Observed& o) {
    p.fx.onDialog = [&o](QDialog* d) {
        o.dialogs << d->objectName();
        return int(QDialog::Rejected);
    };
}

void ClickSkin(Tfm_main& w, QWidget* window, const char* name) {
    skin::ISkinObject* obj = w.Display().Engine()->WindowRoot(window)->FindChild(name);
    ASSERT_NE(obj, nullptr) << name;
    w.Skin1Click(obj);
}

QMenu* VisibleMenu(Tfm_main& w) {
    for (QMenu* m : {w.zm_popup_file, w.zm_pop_edit, w.zm_pop_actions, w.zm_pop_tools,
                     w.zm_pop_help, w.pop_dvd})
        if (m->isVisible()) return m;
    return nullptr;
}
}  // namespace

TEST(Commands, SkinCommandsReachTheirOperations) {
    struct Case {
        const char* name;
        std::function<bool(Program&, Observed&)> happened;
    } cases[] = {
        {"openfiles", [](Program& p, Observed&) { return !p.fx.lastFilter.isEmpty(); }},
        {"openfolder", [](Program&, Observed& o) { return o.dialogs == QStringList{"fm_dir"}; }},
        {"browse",
         [](Program& p, Observed& o) {
             return o.dialogs == QStringList{"fm_dir"} &&
                    p.fm_dir->windowTitle() == "Choose the output folder";
         }},
        {"open",
         [](Program& p, Observed&) {
             return p.fx.opened.size() == 1 && p.fx.opened[0].startsWith("folder:");
         }},
        {"profiles",
         [](Program& p, Observed&) { return p.fm_main->Picker().pl_main->isVisible(); }},
        {"help",
         [](Program& p, Observed&) { return VisibleMenu(*p.fm_main) == p.fm_main->zm_pop_help; }},
        {"file",
         [](Program& p, Observed&) { return VisibleMenu(*p.fm_main) == p.fm_main->zm_popup_file; }},
        {"dvdfile",
         [](Program& p, Observed&) { return VisibleMenu(*p.fm_main) == p.fm_main->pop_dvd; }},
        {"register",
         [](Program& p, Observed&) { return VisibleMenu(*p.fm_main) == p.fm_main->zm_pop_tools; }},
        {"settings",
         [](Program& p, Observed&) { return VisibleMenu(*p.fm_main) == p.fm_main->zm_pop_edit; }},
        {"purchase",
         [](Program& p, Observed&) {
             return VisibleMenu(*p.fm_main) == p.fm_main->zm_pop_actions;
         }},
    };
    for (const auto& c : cases) {
        Program p;
        Observed o;
        Watch(p, o);
        p.Show();
        ClickSkin(*p.fm_main, p.fm_main.get(), c.name);
        Pump(50);
        EXPECT_TRUE(c.happened(p, o)) << c.name;
        if (QMenu* m = VisibleMenu(*p.fm_main)) m->hide();
    }
}

TEST(Commands, RefusalsAndNothingCommands) {
    Program p;
    Observed o;
    Watch(p, o);
    p.Show();
    Tfm_main& w = *p.fm_main;
    for (const char* n : {"chapter", "ifoopen", "dvdopen", "cutter"}) ClickSkin(w, &w, n);
    EXPECT_TRUE(p.fx.messages.empty());
    EXPECT_TRUE(o.dialogs.isEmpty());
    HoldPreview(w);
    ASSERT_TRUE(w.playing());
    for (const char* n : {"cutter", "remove", "clear", "converter"}) ClickSkin(w, &w, n);
    ReleasePreview(w);
    HoldBatch(w);
    for (const char* n : {"cutter", "openfiles", "openfolder", "profiles"}) ClickSkin(w, &w, n);
    ReleaseBatch(w);
    QStringList expected;
    for (int i = 0; i < 4; ++i) expected << w.LanguageText(27);
    for (int i = 0; i < 4; ++i) expected << w.LanguageText(26);
    EXPECT_EQ(p.fx.Texts("warning"), expected);
}

TEST(Commands, MenuCaptionsAreExact) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    auto captions = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? "-" : a->text());
        return out;
    };
    EXPECT_EQ(captions(w.zm_popup_file),
              QStringList({"&Add File(A)", "A&dd Folder(D)", "-", "Proper&ties(T)",
                           "&Run Background(R)", "-", "&Exit(E)"}));
    EXPECT_EQ(captions(w.zm_pop_edit), QStringList({"&Remove(R)", "&Clear(C)", "Re&name(N)", "-",
                                                    "Select A&ll(L)", "&Unselect All(U)"}));
    EXPECT_EQ(captions(w.zm_pop_actions), QStringList({"Con&vert(V)", "&Pause(P)", "&Stop(S)"}));
    EXPECT_EQ(captions(w.zm_pop_tools), QStringList({"Sett&ings(I)"}));
    EXPECT_EQ(captions(w.zm_pop_help), QStringList({"&Help(H)", "-", "&Feedback and Support(F)",
                                                    "-", "About VideoConverter"}));
    EXPECT_EQ(captions(w.pop_dvd),
              QStringList({"Add DVD", "Add IFO", "-", "Select All", "Unselect ALL", "-", "Convert",
                           "Stop", "-", "Exit"}));
}

TEST(Commands, MenuItemsAndButtonsReachTheirOperations) {
    struct Case {
        const char* what;
        std::function<void(Tfm_main&)> trigger;
        std::function<bool(Program&, Observed&)> happened;
    } cases[] = {
        {"Add File item", [](Tfm_main& w) { w.AddFiles2->trigger(); },
         [](Program& p, Observed&) { return !p.fx.lastFilter.isEmpty(); }},
        {"Add Folder item", [](Tfm_main& w) { w.AddFolder2->trigger(); },
         [](Program&, Observed& o) { return o.dialogs == QStringList{"fm_dir"}; }},
        {"bt_chapte without a selection",
         [](Tfm_main& w) {
             w.AppendJob("clip", Toriginalinfo{}, TrimRecord{});
             w.UpdateCommandState();
             w.button("bt_chapte")->click();
         },
         [](Program& p, Observed&) {
             return p.fx.Texts("information") == QStringList{p.fm_main->LanguageText(30)};
         }},
        {"Settings item", [](Tfm_main& w) { w.settings->trigger(); },
         [](Program&, Observed& o) { return o.dialogs == QStringList{"fm_set"}; }},
        {"Help item", [](Tfm_main& w) { w.Help1->trigger(); },
         [](Program& p, Observed&) {
             return p.fx.opened.size() == 1 && p.fx.opened[0].endsWith("help/index.html");
         }},
        {"Feedback item", [](Tfm_main& w) { w.Feedback1->trigger(); },
         [](Program& p, Observed&) {
             return p.fx.opened.size() == 1 && p.fx.opened[0].endsWith("help/feedback.html");
         }},
        {"About item", [](Tfm_main& w) { w.About1->trigger(); },
         [](Program& p, Observed&) {
             return p.fx.opened.size() == 1 && p.fx.opened[0].endsWith("help/about.html");
         }},
        {"bt_dvdopen", [](Tfm_main& w) { w.button("bt_dvdopen")->click(); },
         [](Program& p, Observed&) { return !p.fx.lastFilter.isEmpty(); }},
        {"bt_ifo", [](Tfm_main& w) { w.button("bt_ifo")->click(); },
         [](Program&, Observed& o) { return o.dialogs == QStringList{"fm_dir"}; }},
        {"bt_web", [](Tfm_main& w) { w.button("bt_web")->click(); },
         [](Program& p, Observed&) { return p.fx.opened.size() == 1; }},
    };
    for (const auto& c : cases) {
        Program p;
        Observed o;
        Watch(p, o);
        p.Show();
        c.trigger(*p.fm_main);
        Pump(20);
        EXPECT_TRUE(c.happened(p, o)) << c.what;
    }
}

TEST(Commands, ShortcutsThroughTheKeyFilter) {
    Program p;
    Observed o;
    Watch(p, o);
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.keyFilter()->SetApplicationActive([] { return true; });
    auto key = [&](QEvent::Type t, int k, Qt::KeyboardModifiers m, quint32 sym = 0) {
        QKeyEvent e(t, k, m, 0, sym, 0);
        QCoreApplication::sendEvent(w.lv, &e);
    };
    auto ctrlCombo = [&](int k, quint32 ctrlSym) {
        key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, ctrlSym);
        key(QEvent::KeyPress, k, Qt::ControlModifier);
        key(QEvent::KeyRelease, k, Qt::ControlModifier);
        key(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, ctrlSym);
        Pump(20);
    };
    ctrlCombo(Qt::Key_A, KeyFilter::kLeftCtrlSym);
    EXPECT_FALSE(p.fx.lastFilter.isEmpty()) << "left Ctrl+A adds files";
    p.fx.lastFilter.clear();
    ctrlCombo(Qt::Key_A, KeyFilter::kRightCtrlSym);
    EXPECT_TRUE(p.fx.lastFilter.isEmpty()) << "the right Ctrl does nothing";
    ctrlCombo(Qt::Key_I, KeyFilter::kLeftCtrlSym);
    EXPECT_EQ(o.dialogs, QStringList({"fm_set"}));
    key(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    key(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier);
    Pump(20);
    EXPECT_TRUE(w.Picker().pl_main->isVisible()) << "F5 opens the picker";
    HoldBatch(w);
    ctrlCombo(Qt::Key_V, KeyFilter::kLeftCtrlSym);
    EXPECT_TRUE(p.fx.messages.empty()) << "Ctrl+V during a batch does nothing";
    ReleaseBatch(w);
}

TEST(Commands, SiblingsOpenAfterTheSettingsWhenTheMarkerExists) {
    QTemporaryDir root;
    const QString suite = root.path() + "/suite/";
    ProgramFolder folder;
    // The program folder sits inside the suite folder; siblings are looked for beside it.
    QDir().mkpath(suite);
    const QString programDir = suite + "VideoConverter/";
    QFile::link(QString::fromStdString(folder.Path()), suite + "VideoConverter");
    QFile marker(QString::fromStdString(folder.Path()) + "show.dat");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    int index = 0;
    QStringList expected;
    for (const std::string& s : SiblingPrograms()) {
        if (index++ % 5) continue;  // three of the fifteen
        const QString path = suite + QString::fromStdString(s);
        expected << path;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Program p("VideoConverter", programDir.toStdString());
    p.Show();
    EXPECT_TRUE(p.Close());
    EXPECT_EQ(p.fx.started, expected) << "exactly those three, in list order";
}
