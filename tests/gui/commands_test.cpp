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
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>
#include <stdexcept>

#include "app/Tfm_main.h"
#include "core/command.h"
#include "core/siblings.h"
#include "preview/Tfm_dvdcutter.h"
#include "profiles/Tfm_dir.h"
#include "profiles/Tfm_set.h"
#include "shell/JobListView.h"
#include "shell/KeyFilter.h"
#include "shell/PictureButton.h"
#include "support/fake_runner.h"
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

// ---- what every command does, in a state where it is enabled

// A job that need not exist, selected, in the list as the user sees it.
void SelectedJob(Program& p) {
    p.fm_main->AppendJob("clip", TenSecondClip("/nonexistent/clip.mp4"), TrimRecord{10, 0, 10});
    p.fm_main->lv->setVisible(true);
    p.fm_main->SelectRow(0);
}
void TwoJobs(Program& p, bool checked) {
    for (const char* caption : {"one", "two"}) {
        p.fm_main->AppendJob(caption, TenSecondClip("/nonexistent/clip.mp4"), TrimRecord{});
        p.fm_main->Jobs().SetChecked(p.fm_main->Jobs().Count() - 1, checked);
    }
}
// A preview of the first of two jobs, as the player's state says; no playback runs.
void Previewing(Program& p) {
    TwoJobs(p, true);
    HoldPreview(*p.fm_main);
}
bool AllChecked(Tfm_main& w, bool checked) {
    for (int r = 0; r < w.Jobs().Count(); ++r)
        if (w.Jobs().Checked(r) != checked) return false;
    return w.Jobs().Count() > 0;
}
bool Opened(Program& p, const QString& end) {
    return p.fx.opened.size() == 1 && p.fx.opened[0].endsWith(end);
}
// The preview library is missing from the tests' program folder: a playback that the command
// starts ends in this message, at once and without a player thread.
// A preview began: it plays, or the program folder has no preview library and says so.
bool PreviewStarted(Program& p) {
    if (p.fm_main->Player().Playing()) return true;
    const QStringList errors = p.fx.Texts("error");
    return errors.size() == 1 && errors[0].startsWith("The preview is not available.");
}

struct CommandCase {
    Command command;
    std::function<void(Program&)> setUp;
    std::function<bool(Program&, Observed&)> happened;
    std::function<void(Program&)> tearDown = {};
    bool endsTheProgram = false;
};

// Runs act in the application's event loop, as the program does, and answers the loop's exit
// code. For the command that ends the program: outside a running loop, Qt would end the next
// nested loop (a modal dialog, the cut window's playback) at once instead.
int InsideTheEventLoop(const std::function<void()>& act) {
    QTimer guard;  // only if the command fails to end the loop
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    QTimer::singleShot(0, act);
    return QCoreApplication::exec();
}

void Act(const CommandCase& c, const std::function<void()>& act) {
    if (c.endsTheProgram)
        EXPECT_EQ(InsideTheEventLoop(act), 0) << CommandName(c.command) << " ends the program";
    else
        act();
}

const std::vector<CommandCase>& CommandCases() {
    using C = Command;
    auto none = [](Program&) {};
    auto endBatch = [](Program& p) { ReleaseBatch(*p.fm_main); };
    auto endPreview = [](Program& p) { ReleasePreview(*p.fm_main); };
    auto dialog = [](const char* name) {
        return [name](Program&, Observed& o) { return o.dialogs == QStringList{name}; };
    };
    auto menu = [](QMenu* MainMenus::*m) {
        return [m](Program& p, Observed&) { return VisibleMenu(*p.fm_main) == (*p.fm_main).*m; };
    };
    auto gone = [](Program& p, Observed&) { return !p.fm_main->isVisible(); };
    auto hold = [](Program& p) { HoldBatch(*p.fm_main); };
    auto cutAt40 = [](Program& p) {
        p.fm_main->AppendJob("long", TenSecondClip("/nonexistent/long.mp4"),
                             TrimRecord{100, 0, 100});
        HoldPreview(*p.fm_main);
        p.fm_main->ShowText("cut_play_time", "00:00:40");
    };
    static const std::vector<CommandCase> cases = {
        {C::AddFiles, none, [](Program& p, Observed&) { return !p.fx.lastFilter.isEmpty(); }},
        {C::AddFolder, none,
         [](Program& p, Observed& o) {
             return o.dialogs == QStringList{"fm_dir"} &&
                    p.fm_dir->windowTitle() == "File Directory";
         }},
        {C::Properties, SelectedJob, dialog("fm_info")},
        {C::RunBackground, none,
         [](Program& p, Observed&) {
             // Without a system tray the window is minimised instead.
             return !p.fm_main->isVisible() || p.fm_main->isMinimized();
         }},
        {C::Exit, none, gone},
        {C::Remove, SelectedJob,
         [](Program& p, Observed&) { return p.fm_main->Jobs().Count() == 0; }},
        {C::Clear, [](Program& p) { TwoJobs(p, true); },
         [](Program& p, Observed&) {
             return p.fm_main->Jobs().Count() == 0 && p.fx.Texts("confirm").size() == 1;
         }},
        {C::Rename, SelectedJob,
         [](Program& p, Observed&) { return p.fm_main->edt_tit->isVisible(); }},
        {C::CheckAll, [](Program& p) { TwoJobs(p, false); },
         [](Program& p, Observed&) { return AllChecked(*p.fm_main, true); }},
        {C::UncheckAll, [](Program& p) { TwoJobs(p, true); },
         [](Program& p, Observed&) { return AllChecked(*p.fm_main, false); }},
        {C::Convert,
         [](Program& p) {
             static QTemporaryDir out;
             p.fm_main->Batch().SetRunnerFactory(FakeRunners());
             TwoJobs(p, true);
             p.fm_main->ed_output->setText(out.path() + "/");
         },
         [](Program& p, Observed&) { return p.fm_main->Converting(); }, endBatch},
        {C::Pause, hold,
         [](Program& p, Observed&) {
             return p.fm_main->Batch().state() == BatchRunner::State::Paused;
         },
         endBatch},
        {C::Stop, hold, [](Program& p, Observed&) { return !p.fm_main->Converting(); }, endBatch},
        {C::Settings, none, dialog("fm_set")},
        {C::Help, none, [](Program& p, Observed&) { return Opened(p, "help/index.html"); }},
        {C::Feedback, none, [](Program& p, Observed&) { return Opened(p, "help/feedback.html"); }},
        {C::About, none, [](Program& p, Observed&) { return Opened(p, "help/about.html"); }},
        {C::Website, none,
         [](Program& p, Observed&) {
             return p.fx.opened.size() == 1 && p.fx.opened[0].startsWith("url:http");
         }},
        {C::Play, SelectedJob, [](Program& p, Observed&) { return PreviewStarted(p); }},
        {C::PlayPause, Previewing, [](Program& p, Observed&) { return p.fm_main->paused(); },
         endPreview},
        {C::PlayStop,
         [](Program& p) {
             Previewing(p);
             p.fm_main->ShowText("play_time", "00:00:07");
         },
         [](Program& p, Observed&) {
             return !p.fm_main->playing() && p.fm_main->Display().Text("play_time") == "00:00:00";
         }},
        {C::Previous,
         [](Program& p) {
             Previewing(p);
             p.fm_main->Player().SetPreviewRow(1);
         },
         [](Program& p, Observed&) {
             return p.fm_main->SelectedRows() == std::vector<int>{0} && PreviewStarted(p) &&
                    p.fm_main->Player().PreviewRow() == 0;
         },
         endPreview},
        {C::Next, Previewing,
         [](Program& p, Observed&) {
             return p.fm_main->SelectedRows() == std::vector<int>{1} && PreviewStarted(p) &&
                    p.fm_main->Player().PreviewRow() == 1;
         },
         endPreview},
        {C::Cut, SelectedJob, dialog("fm_dvdcutter")},
        {C::Snapshot, none,
         [](Program& p, Observed&) {
             // Without a job it says what it needs.
             const QStringList info = p.fx.Texts("information");
             return info.size() == 1 && info[0].contains("snapshot");
         }},
        {C::OpenPicker, none,
         [](Program& p, Observed&) { return p.fm_main->Picker().pl_main->isVisible(); }},
        {C::Browse, none,
         [](Program& p, Observed& o) {
             return o.dialogs == QStringList{"fm_dir"} &&
                    p.fm_dir->windowTitle() == "Choose the output folder";
         }},
        {C::OpenOutput, none,
         [](Program& p, Observed&) {
             return p.fx.opened.size() == 1 && p.fx.opened[0].startsWith("folder:");
         }},
        {C::SpaceToggle, SelectedJob, [](Program& p, Observed&) { return PreviewStarted(p); }},
        {C::CutPlay,
         [](Program& p) {
             SelectedJob(p);
             p.fm_dvdcutter->FormShow();
         },
         [](Program& p, Observed&) { return PreviewStarted(p); },
         [](Program& p) { p.fm_dvdcutter->FormClose(); }},
        {C::BeginMark,
         [](Program& p) {
             SelectedJob(p);
             p.fm_main->ShowText("cut_play_time", "00:00:04");
         },
         [](Program& p, Observed&) { return p.fm_main->Jobs().At(0)->trim.begin == 4; }},
        {C::EndMark,
         [](Program& p) {
             SelectedJob(p);
             p.fm_main->ShowText("cut_play_time", "00:00:06");
         },
         [](Program& p, Observed&) { return p.fm_main->Jobs().At(0)->trim.end == 6; }},
        {C::PopupFile, none, menu(&MainMenus::zm_popup_file)},
        {C::PopupEdit, none, menu(&MainMenus::zm_pop_edit)},
        {C::PopupActions, none, menu(&MainMenus::zm_pop_actions)},
        {C::PopupTools, none, menu(&MainMenus::zm_pop_tools)},
        {C::PopupHelp, none, menu(&MainMenus::zm_pop_help)},
        {C::PopupDvd, none, menu(&MainMenus::pop_dvd)},
        {C::CloseMain, none, gone},
        {C::CloseCut, [](Program& p) { p.fm_dvdcutter->show(); },
         [](Program& p, Observed&) { return !p.fm_dvdcutter->isVisible(); }},
        {C::JumpBack, cutAt40,
         [](Program& p, Observed&) { return p.fm_main->Player().DisplayFloor() == 10.0; },
         endPreview},
        {C::JumpForward, cutAt40,
         [](Program& p, Observed&) { return p.fm_main->Player().DisplayFloor() == 70.0; },
         endPreview},
        {C::CutterNote, hold,
         [](Program& p, Observed&) {
             return p.fx.Texts("warning") == QStringList{p.fm_main->LanguageText(26)};
         },
         endBatch},
        {C::MoveUp,
         [](Program& p) {
             TwoJobs(p, true);
             p.fm_main->lv->setVisible(true);
             p.fm_main->SelectRow(1);
         },
         [](Program& p, Observed&) { return p.fm_main->Jobs().At(0)->caption == "two"; }},
        {C::MoveDown,
         [](Program& p) {
             TwoJobs(p, true);
             p.fm_main->lv->setVisible(true);
             p.fm_main->SelectRow(0);
         },
         [](Program& p, Observed&) { return p.fm_main->Jobs().At(1)->caption == "one"; }},
        {C::UndoRemoval,
         [](Program& p) {
             TwoJobs(p, true);
             p.fm_main->Jobs().Remove({0});
         },
         [](Program& p, Observed&) {
             return p.fm_main->Jobs().Count() == 2 && p.fm_main->Jobs().At(0)->caption == "one";
         }},
        {C::QuitNow, hold, [](Program& p, Observed&) { return !p.fm_main->Converting(); }, endBatch,
         true},
    };
    return cases;
}

const CommandCase& CaseOf(Command c) {
    for (const CommandCase& k : CommandCases())
        if (k.command == c) return k;
    throw std::logic_error(std::string("no case for ") + CommandName(c));
}

// A program over a folder without the preview library, with every modal dialog recorded.
struct CommandProgram {
    Program p;
    Observed o;
    explicit CommandProgram(const ProgramFolder& folder) : p("VideoConverter", folder.Path()) {
        Watch(p, o);
        p.Show();
        p.fm_main->keyFilter()->SetApplicationActive([] { return true; });
    }
    ~CommandProgram() {
        if (QMenu* m = VisibleMenu(*p.fm_main)) m->hide();
    }
};

ProgramFolder& FolderWithoutPreview() {
    static ProgramFolder folder;
    static bool once = (folder.Remove("libPreview.so"), true);
    (void)once;
    return folder;
}

struct KeyCase {
    const char* keys;
    int modifier;  // 0, Qt::Key_Control or Qt::Key_Alt
    int key;
    Command command;
};
// Every shortcut of the program, with the command it runs.
const KeyCase kKeys[] = {
    {"F1", 0, Qt::Key_F1, Command::Help},
    {"F5", 0, Qt::Key_F5, Command::OpenPicker},
    {"F3", 0, Qt::Key_F3, Command::QuitNow},
    {"Space", 0, Qt::Key_Space, Command::SpaceToggle},
    {"Delete", 0, Qt::Key_Delete, Command::Remove},
    {"F12", 0, Qt::Key_F12, Command::Snapshot},
    {"Ctrl+H", Qt::Key_Control, Qt::Key_H, Command::Help},
    {"Alt+F", Qt::Key_Alt, Qt::Key_F, Command::PopupFile},
    {"Alt+E", Qt::Key_Alt, Qt::Key_E, Command::PopupEdit},
    {"Alt+A", Qt::Key_Alt, Qt::Key_A, Command::PopupActions},
    {"Alt+T", Qt::Key_Alt, Qt::Key_T, Command::PopupTools},
    {"Alt+H", Qt::Key_Alt, Qt::Key_H, Command::PopupHelp},
    {"Ctrl+A", Qt::Key_Control, Qt::Key_A, Command::AddFiles},
    {"Ctrl+D", Qt::Key_Control, Qt::Key_D, Command::AddFolder},
    {"Ctrl+T", Qt::Key_Control, Qt::Key_T, Command::Properties},
    {"Ctrl+R", Qt::Key_Control, Qt::Key_R, Command::RunBackground},
    {"Ctrl+C", Qt::Key_Control, Qt::Key_C, Command::Clear},
    {"Ctrl+N", Qt::Key_Control, Qt::Key_N, Command::Rename},
    {"Ctrl+L", Qt::Key_Control, Qt::Key_L, Command::CheckAll},
    {"Ctrl+U", Qt::Key_Control, Qt::Key_U, Command::UncheckAll},
    {"Ctrl+V", Qt::Key_Control, Qt::Key_V, Command::Convert},
    {"Ctrl+P", Qt::Key_Control, Qt::Key_P, Command::Pause},
    {"Ctrl+S", Qt::Key_Control, Qt::Key_S, Command::Stop},
    {"Ctrl+I", Qt::Key_Control, Qt::Key_I, Command::Settings},
    {"Ctrl+F", Qt::Key_Control, Qt::Key_F, Command::Feedback},
    {"Ctrl+B", Qt::Key_Control, Qt::Key_B, Command::Browse},
    {"Ctrl+O", Qt::Key_Control, Qt::Key_O, Command::OpenOutput},
    {"Ctrl+Z", Qt::Key_Control, Qt::Key_Z, Command::UndoRemoval},
    {"Alt+Up", Qt::Key_Alt, Qt::Key_Up, Command::MoveUp},
    {"Alt+Down", Qt::Key_Alt, Qt::Key_Down, Command::MoveDown},
};

// The key as the user presses it on the job list: modifier down, key down and up, modifier up.
void PressOnTheList(Tfm_main& w, int modifier, int key) {
    const Qt::KeyboardModifiers mods = modifier == Qt::Key_Control ? Qt::ControlModifier
                                       : modifier == Qt::Key_Alt   ? Qt::AltModifier
                                                                   : Qt::NoModifier;
    auto send = [&](QEvent::Type t, int k, Qt::KeyboardModifiers m, quint32 sym = 0) {
        QKeyEvent e(t, k, m, 0, sym, 0);
        QCoreApplication::sendEvent(w.lv, &e);
    };
    const quint32 sym = modifier == Qt::Key_Control ? KeyFilter::kLeftCtrlSym : 0;
    if (modifier) send(QEvent::KeyPress, modifier, mods, sym);
    send(QEvent::KeyPress, key, mods);
    send(QEvent::KeyRelease, key, mods);
    if (modifier) send(QEvent::KeyRelease, modifier, Qt::NoModifier, sym);
    Pump(20);  // the key filter's commands run queued
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
              QStringList({"&Add File(A)", "A&dd Folder(D)", "-", "Proper&ties(T)", "-",
                           "&Browse Output Folder…", "&Open Output Folder", "-",
                           "&Run Background(R)", "-", "&Exit(E)"}));
    EXPECT_EQ(captions(w.zm_pop_edit),
              QStringList({"&Remove(R)", "&Clear(C)", "Re&name(N)", "-", "Select A&ll(L)",
                           "&Unselect All(U)", "-", "Un&do Remove", "Move &Up", "Move Do&wn"}));
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

TEST(Commands, EveryCommandRunsItsHandler) {
    std::map<Command, int> rows;
    for (const CommandCase& c : CommandCases()) ++rows[c.command];
    for (Command c : AllCommands()) EXPECT_EQ(rows[c], 1) << CommandName(c) << ": one case each";
    for (const CommandCase& c : CommandCases()) {
        CommandProgram cp(FolderWithoutPreview());
        Tfm_main& w = *cp.p.fm_main;
        c.setUp(cp.p);
        w.UpdateCommandState();
        Act(c, [&] { w.RunCommand(c.command); });
        Pump(20);
        EXPECT_TRUE(c.happened(cp.p, cp.o)) << CommandName(c.command);
        if (c.tearDown) c.tearDown(cp.p);
    }
}

TEST(Commands, EveryKeyRunsItsCommand) {
    for (const KeyCase& k : kKeys) {
        const CommandCase& c = CaseOf(k.command);
        CommandProgram cp(FolderWithoutPreview());
        Tfm_main& w = *cp.p.fm_main;
        c.setUp(cp.p);
        w.UpdateCommandState();
        Act(c, [&] { PressOnTheList(w, k.modifier, k.key); });
        EXPECT_TRUE(c.happened(cp.p, cp.o)) << k.keys << " runs " << CommandName(k.command);
        if (c.tearDown) c.tearDown(cp.p);
    }
}

TEST(Commands, AKeyDoesNothingWhileItsMenuItemIsDisabled) {
    // Two jobs, the second selected and unchecked, the first converting.
    auto batch = [](Program& p) {
        TwoJobs(p, false);
        p.fm_main->SelectRow(1);
        HoldBatch(*p.fm_main);
    };
    auto preview = [](Program& p) { Previewing(p); };
    auto rows = [](Program& p) { TwoJobs(p, true); };
    struct Case {
        const char* what;
        std::function<void(Program&)> state;
        int modifier, key;
        QAction* MainMenus::*item;
    } cases[] = {
        {"Ctrl+T during a batch", batch, Qt::Key_Control, Qt::Key_T, &MainMenus::Properties1},
        {"Ctrl+T without a selection", rows, Qt::Key_Control, Qt::Key_T, &MainMenus::Properties1},
        {"Ctrl+A during a preview", preview, Qt::Key_Control, Qt::Key_A, &MainMenus::AddFiles2},
        {"Ctrl+D during a batch", batch, Qt::Key_Control, Qt::Key_D, &MainMenus::AddFolder2},
        {"Ctrl+V during a preview", preview, Qt::Key_Control, Qt::Key_V, &MainMenus::Convert2},
        {"Delete during a batch", batch, 0, Qt::Key_Delete, &MainMenus::Remove1},
        {"Ctrl+C during a preview", preview, Qt::Key_Control, Qt::Key_C, &MainMenus::Clear2},
        {"Ctrl+N during a batch", batch, Qt::Key_Control, Qt::Key_N, &MainMenus::Rename1},
        {"Ctrl+L during a batch", batch, Qt::Key_Control, Qt::Key_L, &MainMenus::SelectAll1},
        {"Ctrl+U during a batch", batch, Qt::Key_Control, Qt::Key_U, &MainMenus::UnselectAll1},
    };
    for (const Case& c : cases) {
        CommandProgram cp(FolderWithoutPreview());
        Tfm_main& w = *cp.p.fm_main;
        c.state(cp.p);
        w.UpdateCommandState();
        ASSERT_FALSE((w.*c.item)->isEnabled()) << c.what;
        const BatchRunner::State batchState = w.Batch().state();
        const bool previewing = w.playing();
        std::vector<bool> checked;
        for (int r = 0; r < w.Jobs().Count(); ++r) checked.push_back(w.Jobs().Checked(r));

        PressOnTheList(w, c.modifier, c.key);
        EXPECT_TRUE(cp.p.fx.messages.empty())
            << c.what << ": " << cp.p.fx.messages[0].text.toStdString();
        EXPECT_TRUE(cp.o.dialogs.isEmpty()) << c.what;
        EXPECT_TRUE(cp.p.fx.lastFilter.isEmpty()) << c.what;
        EXPECT_TRUE(w.edt_tit->isHidden()) << c.what;
        EXPECT_EQ(w.Batch().state(), batchState) << c.what;
        EXPECT_EQ(w.playing(), previewing) << c.what;
        std::vector<bool> after;
        for (int r = 0; r < w.Jobs().Count(); ++r) after.push_back(w.Jobs().Checked(r));
        EXPECT_EQ(after, checked) << c.what << ": the same rows, checked as before";

        if (w.Converting()) ReleaseBatch(w);
        if (w.Player().Playing()) ReleasePreview(w);
    }
}
