// The program among the desktop's things: keys that reach it while the user types, files from
// the command line, a drop and a second start, the tray, the title drag, menus that show their
// keys and controls that screen readers can name.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>
#include <cstdio>
#include <functional>

#include "app/DesktopStart.h"
#include "app/Tfm_main.h"
#include "core/appsettings.h"
#include "core/nativepath.h"
#include "core/startargs.h"
#include "preview/Tfm_dvdcutter.h"
#include "shell/BackgroundTray.h"
#include "shell/DesktopBus.h"
#include "shell/HelpWindow.h"
#include "shell/JobListView.h"
#include "shell/KeyFilter.h"
#include "shell/PictureButton.h"
#include "support/clips.h"
#include "support/keys.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;
using A = Command;

namespace {

// Records the key filter's actions instead of carrying them out.
struct Recorder {
    std::vector<A> fired;
    explicit Recorder(Tfm_main& w) {
        QObject::disconnect(w.keyFilter(), &KeyFilter::shortcut, &w, nullptr);
        QObject::connect(w.keyFilter(), &KeyFilter::shortcut, w.keyFilter(),
                         [this](A a) { fired.push_back(a); });
    }
};

struct KeyCase {
    const char* keys;
    int modifier;
    int key;
    A onTheList;  // what the key does on the job list
};
const KeyCase kKeys[] = {
    {"Delete", 0, Qt::Key_Delete, A::Remove},
    {"Space", 0, Qt::Key_Space, A::SpaceToggle},
    {"Ctrl+V", Qt::Key_Control, Qt::Key_V, A::Convert},
    {"Ctrl+C", Qt::Key_Control, Qt::Key_C, A::Clear},
    {"Ctrl+A", Qt::Key_Control, Qt::Key_A, A::AddFiles},
};

// Sends every key of the table at a person's pace and as a fast chord to the focused widget's
// window; returns what the filter did for each, as "keys:action" texts.
QStringList PressAll(QWidget* focused, Recorder& r, unsigned long& t) {
    QStringList out;
    for (const KeyCase& k : kKeys) {
        for (bool fast : {false, true}) {
            r.fired.clear();
            if (fast)
                FastChord(KeyWindow(focused), k.modifier, k.key, t += 1000);
            else
                SlowChord(KeyWindow(focused), k.modifier, k.key, t += 1000);
            for (A a : r.fired) out << QString("%1:%2").arg(k.keys).arg(int(a));
        }
    }
    return out;
}

QStringList Expected(bool onTheList) {
    QStringList out;
    if (!onTheList) return out;
    for (const KeyCase& k : kKeys)
        for (int i = 0; i < 2; ++i) out << QString("%1:%2").arg(k.keys).arg(int(k.onTheList));
    return out;
}

Toriginalinfo Info() {
    return TenSecondClip("/nonexistent/clip.mp4");
}

QString ProgramFile() {
    return QString(VC_PROGRAM_DIR) + "/VideoConverter";
}

}  // namespace

TEST(Desktop, KeysGoWhereTheUserTypes) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.AppendJob("clip", Info(), TrimRecord{10, 0, 10});
    w.lv->setVisible(true);
    w.SelectRow(0);
    ASSERT_TRUE(w.isActiveWindow());
    Recorder r(w);
    unsigned long t = 1000;

    w.lv->setFocus();
    EXPECT_EQ(PressAll(w.lv, r, t), Expected(true)) << "the job list";
    SlowChord(KeyWindow(w.lv), 0, Qt::Key_Space, t += 1000);
    EXPECT_TRUE(w.Jobs().At(0)->checked) << "Space previews; the job stays in the batch";
    p.fm_dvdcutter->FormShow();
    QTreeWidget* cutList = p.fm_dvdcutter->lv;
    ASSERT_EQ(cutList->topLevelItemCount(), 1);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(cutList, &space);
    EXPECT_EQ(cutList->topLevelItem(0)->checkState(0), Qt::Checked) << "the cut window's list";
    p.fm_dvdcutter->FormClose();

    w.ed_output->setFocus();
    w.ed_output->clear();
    EXPECT_EQ(PressAll(w.ed_output, r, t), Expected(false)) << "the output folder box";
    SlowChord(KeyWindow(w.ed_output), 0, Qt::Key_X, t += 1000);
    SlowChord(KeyWindow(w.ed_output), 0, Qt::Key_Space, t += 1000);
    SlowChord(KeyWindow(w.ed_output), 0, Qt::Key_Y, t += 1000);
    EXPECT_TRUE(w.ed_output->text().endsWith("x y")) << w.ed_output->text().toStdString();

    w.RenameJob();
    ASSERT_TRUE(w.edt_tit->hasFocus()) << "the rename editor is open";
    EXPECT_EQ(PressAll(w.edt_tit, r, t), Expected(false)) << "the rename editor";
    w.RenameJob();
    ASSERT_TRUE(w.edt_tit->hasFocus());
    w.CommitRename();
    EXPECT_TRUE(w.lv->hasFocus()) << "after a rename the keys reach the list's shortcuts again";

    // The real Add File dialog, with the keys typed into its name box.
    QStringList inDialog;
    int dialogs = 0;
    p.fx.onOpenFiles = [&](QWidget* parent, const QString& caption, const QString& filter,
                           const QString& folder) {
        ++dialogs;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (name) {
                name->setFocus();
                inDialog = PressAll(name, r, t);
            }
            dialog->reject();
        });
        return DesktopSideEffects().OpenFiles(parent, caption, filter, folder);
    };
    w.RunCommand(Command::AddFiles);
    EXPECT_EQ(dialogs, 1) << "Ctrl+A in the dialog opens no second one";
    EXPECT_EQ(inDialog, Expected(false)) << "the Add File dialog";
    EXPECT_EQ(w.Jobs().Count(), 1);
}

TEST(Desktop, FastChordOnTheWindowActsOnce) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    int dialogs = 0;
    p.fx.onOpenFiles = [&](QWidget*, const QString&, const QString&, const QString&) {
        ++dialogs;
        return QStringList();
    };
    // Neither the filter twice nor a menu item's key as well.
    FastChord(KeyWindow(&w), Qt::Key_Control, Qt::Key_A, 5000);
    Pump(30);
    EXPECT_EQ(dialogs, 1);
    SlowChord(KeyWindow(&w), Qt::Key_Control, Qt::Key_A, 6000);
    Pump(30);
    EXPECT_EQ(dialogs, 2);
}

TEST(Desktop, MenuItemsShowKeysThatRunThem) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.AppendJob("clip", Info(), TrimRecord{10, 0, 10});
    w.lv->setVisible(true);
    w.lv->setFocus();
    Recorder r(w);
    const std::pair<QAction*, A> items[] = {{w.AddFiles2, A::AddFiles},
                                            {w.AddFolder2, A::AddFolder},
                                            {w.Properties1, A::Properties},
                                            {w.RunBackground1, A::RunBackground},
                                            {w.Remove1, A::Remove},
                                            {w.Clear2, A::Clear},
                                            {w.Rename1, A::Rename},
                                            {w.SelectAll1, A::CheckAll},
                                            {w.UnselectAll1, A::UncheckAll},
                                            {w.Convert2, A::Convert},
                                            {w.Pause1, A::Pause},
                                            {w.Stop2, A::Stop},
                                            {w.settings, A::Settings},
                                            {w.Help1, A::Help},
                                            {w.Feedback1, A::Feedback}};
    unsigned long t = 1000;
    for (const auto& [item, action] : items) {
        ASSERT_FALSE(item->shortcut().isEmpty()) << item->text().toStdString();
        EXPECT_TRUE(item->isShortcutVisibleInContextMenu()) << item->text().toStdString();
        const QKeyCombination k = item->shortcut()[0];
        const int modifier = k.keyboardModifiers() & Qt::ControlModifier ? Qt::Key_Control : 0;
        r.fired.clear();
        SlowChord(KeyWindow(w.lv), modifier, k.key(), t += 1000);
        EXPECT_EQ(r.fired, std::vector<A>{action})
            << item->text().toStdString() << " shows " << item->shortcut().toString().toStdString();
    }
}

TEST(Desktop, ButtonsAreNamedAndShowTheirFocus) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    for (const auto& [name, b] : w.buttons) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->role(), QAccessible::Button) << name;
        // The preview's pause button is read as what it does; its hint stays the design's.
        EXPECT_EQ(a->text(QAccessible::Name), name == "bt_playpause" ? "Pause" : b->toolTip())
            << name;
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << name;
    }
    auto pauseName = [&] {
        return QAccessible::queryAccessibleInterface(w.button("bt_pause"))->text(QAccessible::Name);
    };
    EXPECT_EQ(pauseName(), "Pause conversion");
    HoldBatch(w);
    w.PauseToggle();
    EXPECT_EQ(pauseName(), "Continue conversion");
    w.PauseToggle();
    EXPECT_EQ(pauseName(), "Pause conversion");
    ReleaseBatch(w);

    // The focused button wears an accent frame along its edge; without focus it does not.
    PictureButton* b = w.button("bt_ifo");
    b->setFocus();
    ASSERT_TRUE(b->hasFocus());
    const QImage focused = b->grab().toImage();
    w.ed_output->setFocus();
    ASSERT_FALSE(b->hasFocus());
    const QImage plain = b->grab().toImage();
    const QPoint edge(1, focused.height() / 2);
    EXPECT_EQ(focused.pixelColor(edge).name(), "#5aaef7");
    EXPECT_NE(plain.pixelColor(edge).name(), "#5aaef7");
}

TEST(Desktop, SkinObjectsReachScreenReaders) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    QAccessibleInterface* surface =
        QAccessible::queryAccessibleInterface(w.Display().Engine()->Surface(&w));
    ASSERT_NE(surface, nullptr);
    ASSERT_GT(surface->childCount(), 20);
    std::map<QString, QAccessibleInterface*> byName;
    for (int i = 0; i < surface->childCount(); ++i) {
        QAccessibleInterface* c = surface->child(i);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(surface->indexOfChild(c), i);
        EXPECT_EQ(c->parent(), surface);
        EXPECT_FALSE(c->text(QAccessible::Name).isEmpty()) << i;
        byName[c->text(QAccessible::Name)] = c;
    }
    // Named by their hints from the language file, by the skin's labels, or by their captions.
    QAccessibleInterface* add = byName[w.LanguageText(22)];
    ASSERT_NE(add, nullptr) << "openfiles by its hint";
    EXPECT_EQ(add->role(), QAccessible::Button);
    EXPECT_FALSE(add->state().invisible);
    EXPECT_EQ(add->rect().size(), QSize(120, 28));
    ASSERT_NE(byName["Close"], nullptr) << "the close glyph by the skin's label";
    EXPECT_EQ(byName["Conversion progress"]->role(), QAccessible::ProgressBar);
    // A text is read with what it shows.
    ASSERT_NE(byName["Elapsed time: 00:00:00"], nullptr);
    EXPECT_EQ(byName["Elapsed time: 00:00:00"]->text(QAccessible::Value), "00:00:00");
    EXPECT_EQ(byName["Video Converter"]->role(), QAccessible::TitleBar);
    // A screen reader's press clicks the object.
    ASSERT_NE(add->actionInterface(), nullptr);
    add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Pump(20);
    EXPECT_FALSE(p.fx.lastFilter.isEmpty()) << "the press added files";
    // The point under the pointer names its object.
    const QPoint centre = add->rect().center();
    EXPECT_EQ(surface->childAt(centre.x(), centre.y()), add);
}

TEST(Desktop, FilesFromTheCommandLineADropAndASecondStart) {
    QTemporaryDir media;
    const QString dir = media.path();
    const QString first = QString::fromStdString(MakeMkv(dir.toStdString(), "first clip.mkv", 1));
    QDir().mkpath(dir + "/folder");
    const QString sound =
        QString::fromStdString(MakeMp3(QString(dir + "/folder").toStdString(), "song.mp3", 1));
    QFile notes(dir + "/folder/notes.txt");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    const QString dropped =
        QString::fromStdString(MakeMp4H264Aac(dir.toStdString(), "dropped.mp4", 1));
    const QString later = QString::fromStdString(MakeWav(dir.toStdString(), "later.wav", 1));
    ASSERT_FALSE(first.isEmpty() || sound.isEmpty() || dropped.isEmpty() || later.isEmpty());

    // The first start: a file and a folder named on its command line.
    Program p;
    DesktopStart desktop;
    ASSERT_TRUE(desktop.Claim(SettingsFilePathFor("VideoConverter"), {first, dir + "/folder"}));
    desktop.Attach(p.fm_main.get());
    p.Show();
    Tfm_main& w = *p.fm_main;
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() == 2; }, 20000));
    EXPECT_EQ(w.Jobs().Text(0, JobList::CaptionColumn), "first clip");
    EXPECT_EQ(w.Jobs().Text(1, JobList::CaptionColumn), "song") << "the folder's media file";
    EXPECT_TRUE(w.lv->isVisible());

    // A drop on the list: a drag of plain text is refused, one of files accepted.
    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent enterText(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.lv->viewport(), &enterText);
    EXPECT_FALSE(enterText.isAccepted());
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dropped)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                          {});
    QCoreApplication::sendEvent(w.lv->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.lv->viewport(), &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the files stay where they are";
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() == 3; }, 20000));
    EXPECT_EQ(w.Jobs().Text(2, JobList::CaptionColumn), "dropped");

    // A second start hands its file to this window and ends, before it builds an application:
    // without a display and a platform named, one would abort.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(p.configHome));
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    env.insert("VC_EXIT_AFTER_SHOW", "1");  // a window of its own would end at once, and say so
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(dir);
    w.showMinimized();
    second.start(ProgramFile(), {"later.wav"});
    ASSERT_TRUE(second.waitForStarted(10000));
    ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardOutput().contains("startup_ms")) << "it opened no window";
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() == 4; }, 20000));
    EXPECT_EQ(w.Jobs().Text(3, JobList::CaptionColumn), "later") << "relative to its folder";
    EXPECT_FALSE(w.isMinimized()) << "the window came forward";
}

// Names that are not UTF-8 (Latin-1 bytes) keep their bytes by every way in, as Add Folder
// does: probed and added under their own names, not refused as unsupported.
TEST(Desktop, NamesThatAreNotUtf8FromTheCommandLineADropAndASecondStart) {
    QTemporaryDir media;
    const std::string dir = media.path().toStdString();
    const std::string named = "caf\xff.wav", dropped = "d\xe9pos\xe9.wav",
                      later = "apr\xe8s \xe9t\xe9.wav";
    for (const std::string& raw : {named, dropped, later}) {
        const std::string made = MakeWav(dir, "made.wav", 1);
        ASSERT_FALSE(made.empty());
        ASSERT_EQ(::rename(made.c_str(), (dir + "/" + raw).c_str()), 0);
    }
    struct Cleanup {
        std::vector<std::string> files;
        ~Cleanup() {
            for (const std::string& f : files) ::unlink(f.c_str());  // QTemporaryDir misses them
        }
    } cleanup{{dir + "/" + named, dir + "/" + dropped, dir + "/" + later}};
    auto rawPath = [&](int row, Tfm_main& w) {
        return PathFromQString(QString::fromStdString(w.Jobs().At(row)->info.sourcePath));
    };

    // The command line as the system hands it over: bytes.
    std::string program = "VideoConverter", arg = named;
    char* argv[] = {program.data(), arg.data()};
    const StartArgs args = ParseStartArgs(ArgumentsAsText(2, argv), PathToQString(dir));
    Program p;
    DesktopStart desktop;
    ASSERT_TRUE(desktop.Claim(SettingsFilePathFor("VideoConverter"), args.paths));
    desktop.Attach(p.fm_main.get());
    p.Show();
    Tfm_main& w = *p.fm_main;
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() == 1; }, 20000))
        << p.fx.Texts("warning").join('|').toStdString();
    EXPECT_EQ(rawPath(0, w), dir + "/" + named);

    // A drop: the file manager escapes the bytes in the address.
    QMimeData files;
    files.setUrls({QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(dir).toPercentEncoding("/") + "/d%E9pos%E9.wav")});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.lv->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.lv->viewport(), &drop);
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() == 2; }, 20000))
        << p.fx.Texts("warning").join('|').toStdString();
    EXPECT_EQ(rawPath(1, w), dir + "/" + dropped);

    // A second start: its argument's bytes through a shell, which QProcess cannot pass on.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(p.configHome));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VC_EXIT_AFTER_SHOW", "1");
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(media.path());
    second.start("/bin/sh",
                 {"-c", "exec \"$0\" \"$(printf 'apr\\350s \\351t\\351.wav')\"", ProgramFile()});
    ASSERT_TRUE(second.waitForStarted(10000));
    ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    ASSERT_TRUE(WaitFor([&] { return w.Jobs().Count() == 3; }, 20000))
        << p.fx.Texts("warning").join('|').toStdString();
    EXPECT_EQ(rawPath(2, w), dir + "/" + later);
    EXPECT_TRUE(p.fx.Texts("warning").isEmpty()) << p.fx.Texts("warning").join('|').toStdString();
}

// A kill between a save's new file and its rename leaves "<file>.XXXXXX" behind; the next
// start of the same edition removes such files of its own, and nothing else.
TEST(Desktop, AStartRemovesWhatSavesCutShortLeftBehind) {
    QTemporaryDir config;
    const QString folder = config.path() + "/VideoConverter/";
    ASSERT_TRUE(QDir().mkpath(folder));
    QTemporaryFile made(folder + "VideoConverter.ini.XXXXXX");  // named as a save names it
    ASSERT_TRUE(made.open());
    made.setAutoRemove(false);
    const QString madeName = QFileInfo(made.fileName()).fileName();
    made.close();
    const struct {
        QString name;
        bool removed;
    } files[] = {
        {madeName, true},
        {"pro VideoConverter.ini.aB3xYz", true},
        {"VideoConverter jobs.json.Qw9rTy", true},
        {"VideoConverter.ini", false},
        {"VideoConverter.ini.bak", false},
        {"VideoConverter.ini.abcdefg", false},
        {"VideoConverter.ini.ab-cde", false},
        {"iPodVideoConverter.ini.aB3xYz", false},  // another edition may be saving it now
        {"download.ini", false},
    };
    for (const auto& f : files) {
        QFile file(folder + f.name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << f.name.toStdString();
        file.write("[output]\npath=/tmp/\n");
    }
    QProcess start;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VC_EXIT_AFTER_SHOW", "1");
    env.insert("VC_UPDATE_HOST", "127.0.0.1:1");
    start.setProcessEnvironment(env);
    start.start(ProgramFile(), {});
    ASSERT_TRUE(start.waitForFinished(30000));
    EXPECT_EQ(start.exitCode(), 0) << start.readAllStandardError().toStdString();
    for (const auto& f : files)
        EXPECT_EQ(QFile::exists(folder + f.name), !f.removed) << f.name.toStdString();
}

TEST(Desktop, HelpAndVersionNeedNoDisplay) {
    for (const char* option : {"--help", "--version"}) {
        QProcess proc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        proc.setProcessEnvironment(env);
        proc.start(ProgramFile(), {option, "some.mp4"});
        ASSERT_TRUE(proc.waitForFinished(10000)) << option;
        const QString out = QString::fromUtf8(proc.readAllStandardOutput());
        EXPECT_EQ(proc.exitStatus(), QProcess::NormalExit) << option;
        EXPECT_EQ(proc.exitCode(), 0) << option;
        EXPECT_TRUE(out.startsWith(QString(option) == "--help" ? "Usage: VideoConverter"
                                                               : "VideoConverter "))
            << option << ": " << out.toStdString();
    }
    // An unknown option is an error, before any window; Qt's own options are not. Through
    // the launcher the usage names the command typed.
    const struct {
        QStringList args;
        const char* launcherName;
        int exitCode;
        const char* out;
        const char* err;
    } cases[] = {
        {{"--frobnicate", "some.mp4"},
         nullptr,
         2,
         "",
         "VideoConverter: unknown option --frobnicate\nUsage: VideoConverter [OPTION]"},
        {{"-x"},
         "videoconverter",
         2,
         "",
         "videoconverter: unknown option -x\nUsage: videoconverter"},
        {{"--help"}, "videoconverter", 0, "Usage: videoconverter [OPTION]", ""},
        {{"-platform", "offscreen", "--version"}, nullptr, 0, "VideoConverter ", ""},
    };
    for (const auto& c : cases) {
        const std::string what = c.args.join(' ').toStdString();
        QProcess proc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        if (c.launcherName) env.insert("VC_COMMAND_NAME", c.launcherName);
        proc.setProcessEnvironment(env);
        proc.start(ProgramFile(), c.args);
        ASSERT_TRUE(proc.waitForFinished(10000)) << what;
        EXPECT_EQ(proc.exitStatus(), QProcess::NormalExit) << what;
        EXPECT_EQ(proc.exitCode(), c.exitCode) << what;
        const QString out = QString::fromUtf8(proc.readAllStandardOutput());
        const QString err = QString::fromUtf8(proc.readAllStandardError());
        EXPECT_TRUE(*c.out ? out.startsWith(c.out) : out.isEmpty())
            << what << ": " << out.toStdString();
        EXPECT_TRUE(*c.err ? err.startsWith(c.err) : err.isEmpty())
            << what << ": " << err.toStdString();
    }
}

// Where no program shows HTML files, help opens in the program's own window, whose links and
// Back button work.
TEST(Desktop, HelpOpensInsideTheProgramWithoutAViewer) {
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());  // no xdg-mime, no xdg-open
    EXPECT_FALSE(HtmlViewerInstalled());
    const QString help = QString(VC_PROGRAM_DIR) + "/help/";
    DesktopSideEffects().ShowHelp(help + "index.html");
    qputenv("PATH", path);
    HelpWindow* window = HelpWindow::Current();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Page(), help + "index.html");
    QTextBrowser* browser = window->Browser();
    EXPECT_TRUE(browser->toPlainText().contains("Video Converter help"));
    EXPECT_TRUE(window->windowTitle().startsWith("Welcome")) << window->windowTitle().toStdString();

    // A link of the page (resolved against the page, as a click does), then Back.
    browser->setSource(browser->source().resolved(QUrl("converting.html")));
    EXPECT_EQ(window->Page(), help + "converting.html");
    auto* back = window->findChild<QPushButton*>();
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->text(), "Back");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(window->Page(), help + "index.html");

    // A second call shows its page in the same window.
    DesktopSideEffects().ShowHelp(help + "about.html");
    EXPECT_EQ(HelpWindow::Current(), window);
    EXPECT_EQ(window->Page(), help + "about.html");
    window->close();
    Pump();
    EXPECT_EQ(HelpWindow::Current(), nullptr);
}

namespace {

// A service object on the test's own bus: records the calls and answers them.
class FakeService : public QDBusVirtualObject {
  public:
    explicit FakeService(std::function<QVariant(const QDBusMessage&)> answer)
        : answer_(std::move(answer)) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
        calls.push_back(m);
        const QVariant a = answer_(m);
        bus.send(a.isValid() ? m.createReply(a) : m.createReply());
        return true;
    }
    std::vector<QDBusMessage> calls;

  private:
    std::function<QVariant(const QDBusMessage&)> answer_;
};

}  // namespace

// The end of a batch reaches the desktop's notification service, with "Open folder", and
// "shut down" the login manager: both over D-Bus, here a bus of the test's own.
TEST(Desktop, NotificationAndPowerOffGoOverDBus) {
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!daemon.waitForStarted(5000)) GTEST_SKIP() << "no dbus-daemon here";
    ASSERT_TRUE(WaitFor([&] { return daemon.canReadLine(); }, 10000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    {
        QDBusConnection server = QDBusConnection::connectToBus(address, "vc-test-services");
        QDBusConnection client = QDBusConnection::connectToBus(address, "vc-test-program");
        ASSERT_TRUE(server.isConnected() && client.isConnected());
        FakeService notifications([](const QDBusMessage&) { return QVariant::fromValue(7u); });
        FakeService login([](const QDBusMessage&) { return QVariant(); });
        ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/Notifications", &notifications));
        ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/login1", &login));
        ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
        ASSERT_TRUE(server.registerService("org.freedesktop.login1"));

        DesktopNotifier notifier(client);
        QStringList opened;
        ASSERT_TRUE(notifier.Notify("Conversion finished", "2 converted, 0 failed", "/videos/out/",
                                    [&](const QString& f) { opened << f; }));
        ASSERT_TRUE(WaitFor([&] { return notifications.calls.size() == 1; }, 10000));
        const QDBusMessage& call = notifications.calls[0];
        EXPECT_EQ(call.interface(), "org.freedesktop.Notifications");
        EXPECT_EQ(call.member(), "Notify");
        const QList<QVariant> args = call.arguments();
        ASSERT_EQ(args.size(), 8);
        EXPECT_EQ(args[0].toString(), "Video Converter");
        EXPECT_EQ(args[3].toString(), "Conversion finished");
        EXPECT_EQ(args[4].toString(), "2 converted, 0 failed");
        EXPECT_TRUE(args[5].toStringList().contains("open-folder"));
        EXPECT_TRUE(args[5].toStringList().contains("Open folder"));
        Pump(50);  // the answer with the notification's number

        auto invoke = [&](uint id, const char* action) {
            QDBusMessage signal = QDBusMessage::createSignal(
                "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
            signal << id << QString(action);
            server.send(signal);
        };
        invoke(8, "open-folder");  // another program's notification
        invoke(7, "open-folder");
        EXPECT_TRUE(WaitFor([&] { return !opened.isEmpty(); }, 10000));
        Pump(50);
        EXPECT_EQ(opened, QStringList{"/videos/out/"}) << "only ours, once";

        QString refused = "not called";
        PowerOffThroughLoginManager([&](const QString& e) { refused = e; }, client);
        ASSERT_TRUE(WaitFor([&] { return login.calls.size() == 1; }, 10000));
        EXPECT_EQ(login.calls[0].interface(), "org.freedesktop.login1.Manager");
        EXPECT_EQ(login.calls[0].member(), "PowerOff");
        EXPECT_EQ(login.calls[0].arguments(), QList<QVariant>{true}) << "interactive";
        Pump(50);
        EXPECT_EQ(refused, "not called");

        // Nobody there to power off: the caller hears why.
        server.unregisterService("org.freedesktop.login1");
        PowerOffThroughLoginManager([&](const QString& e) { refused = e; }, client);
        EXPECT_TRUE(WaitFor([&] { return refused != "not called"; }, 10000));
        server.unregisterObject("/org/freedesktop/Notifications");
        server.unregisterObject("/org/freedesktop/login1");
    }
    QDBusConnection::disconnectFromBus("vc-test-services");
    QDBusConnection::disconnectFromBus("vc-test-program");
    daemon.kill();
    daemon.waitForFinished(5000);
}

TEST(Desktop, AddFileStartsInTheLastFolderUsedAcrossRestarts) {
    QTemporaryDir config, media;
    const QString clip =
        QString::fromStdString(MakeAviMpeg4Mp3(media.path().toStdString(), "clip.avi", 1));
    ASSERT_FALSE(clip.isEmpty());
    {
        Program p("VideoConverter", "", config.path().toStdString());
        p.Show();
        p.fx.fileAnswers.push_back({clip});
        p.fm_main->AddFiles();
        ASSERT_TRUE(WaitForAdding(*p.fm_main));
        EXPECT_NE(p.fx.lastFolder, media.path()) << "the first time: the videos or home folder";
        EXPECT_EQ(p.fm_main->Jobs().Count(), 1);
        p.fm_main->AddFiles();
        EXPECT_EQ(p.fx.lastFolder, media.path());
        ASSERT_TRUE(p.Close());
    }
    Program again("VideoConverter", "", config.path().toStdString());
    again.Show();
    again.fm_main->AddFiles();
    EXPECT_EQ(again.fx.lastFolder, media.path()) << "remembered in the settings";
}

TEST(Desktop, TrayClickAlwaysBringsTheWindowBack) {
    struct State {
        const char* what;
        std::function<void(QWidget&)> enter;
    } states[] = {
        {"hidden", [](QWidget& w) { w.hide(); }},
        {"minimised", [](QWidget& w) { w.showMinimized(); }},
        {"minimised, then hidden",
         [](QWidget& w) {
             w.showMinimized();
             w.hide();
         }},
        {"shown", [](QWidget&) {}},
    };
    for (const auto& s : states) {
        for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                            QSystemTrayIcon::MiddleClick}) {
            QWidget window;
            window.show();
            BackgroundTray tray(&window, QIcon());
            s.enter(window);
            Pump();
            tray.OnActivated(reason);
            Pump();
            EXPECT_TRUE(window.isVisible()) << s.what << ", reason " << reason;
            EXPECT_FALSE(window.isMinimized()) << s.what << ", reason " << reason;
        }
    }
}

TEST(Desktop, OnlyADragMovesTheWindow) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    QWidget* title = w.Display().Engine()->Surface(&w);  // the title bar is drawn there, at y 0..40
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &e);
    };
    const QPoint start = w.pos();
    const QPoint press(640, 20);
    // Clicks of any length and a wobble under the drag distance leave the window in place.
    send(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, press + QPoint(2, 1), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, press + QPoint(2, 1), Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, press + QPoint(40, 30), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w.pos(), start);
    // A drag moves it (by hand here: the offscreen platform has no move of its own).
    send(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, press + QPoint(25, 12), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(w.pos(), start + QPoint(25, 12));
    send(QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, press + QPoint(60, 60), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w.pos(), start + QPoint(25, 12)) << "released: no more moves";
}
