// The main window at every size: fitted to small screens, growth given to the list and the
// preview, its place remembered; the picker driven by keys; reorder and undo in the job list;
// no stale text in the progress area; a name for every control a screen reader reaches.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTreeView>
#include <QWheelEvent>
#include <functional>
#include <set>

#include "app/MainWindowExtras.h"
#include "app/Tfm_main.h"
#include "jobs/JobListStore.h"
#include "shell/PictureButton.h"
#include "shell/WindowLayout.h"
#include "support/keys.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

Job NamedJob(const char* caption) {
    Job j;
    j.caption = caption;
    j.info = TenSecondClip(std::string("/x/") + caption + ".avi");
    return j;
}

QRect Area(Tfm_main& w, const char* name) {
    skin::SkinRect r;
    auto* o = w.Display().Engine()->WindowRoot(&w)->FindChild(name);
    if (o && o->placement()) o->placement()->GetArea(r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// What the user clicks: the picture buttons shown, the skin's buttons, the menu bar.
std::vector<std::pair<std::string, QRect>> Commands(Tfm_main& w) {
    std::vector<std::pair<std::string, QRect>> out;
    for (const auto& [name, b] : w.buttons)
        if (!b->isHidden()) out.emplace_back(name, b->geometry());
    for (const char* name : {"mainclose", "dvdfile", "profiles", "browse", "open"})
        out.emplace_back(name, Area(w, name));
    out.emplace_back("menubar", MenuBarOf(w)->geometry());
    out.emplace_back("ed_output", w.ed_output->geometry());
    out.emplace_back("cb_audio", w.cb_audio->geometry());
    out.emplace_back("cb_subtitle", w.cb_subtitle->geometry());
    return out;
}

void ExpectAllReachable(Tfm_main& w, const std::string& where) {
    const auto commands = Commands(w);
    const QRect inside = w.rect();
    for (size_t i = 0; i < commands.size(); ++i) {
        const auto& [name, r] = commands[i];
        EXPECT_TRUE(inside.contains(r)) << where << ": " << name << " lies outside the window";
        EXPECT_GT(r.width(), 0) << where << ": " << name;
        for (size_t j = i + 1; j < commands.size(); ++j)
            EXPECT_FALSE(r.intersects(commands[j].second))
                << where << ": " << name << " overlaps " << commands[j].first;
    }
}

}  // namespace

TEST(Window, FitsTheAvailableAreaOfEveryScreenAndScale) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    ASSERT_EQ(w.size(), QSize(820, 562)) << "a large screen shows the design size";
    // Screen size, scale, a panel's height: the window lies in what is left.
    const struct {
        QSize screen;
        double scale;
        int panel;
    } cases[] = {{{1280, 1024}, 2.0, 0},  {{1280, 1024}, 2.0, 24}, {{1366, 768}, 1.0, 32},
                 {{1024, 600}, 1.0, 0},   {{1920, 1080}, 1.5, 0},  {{1280, 800}, 1.25, 28},
                 {{3840, 2160}, 2.0, 40}, {{800, 600}, 1.0, 0}};
    for (const auto& c : cases) {
        const QSize logical(int(c.screen.width() / c.scale), int(c.screen.height() / c.scale));
        const QRect available(0, c.panel, logical.width(), logical.height() - c.panel);
        const std::string where = std::to_string(c.screen.width()) + "x" +
                                  std::to_string(c.screen.height()) + " at " +
                                  std::to_string(int(c.scale * 100)) + "%";
        // A place kept from a larger screen, far off this one.
        w.Frame().Fit(QRect(900, 700, 1100, 800), false, available);
        Pump();
        EXPECT_TRUE(available.contains(w.geometry()))
            << where << ": window at " << w.geometry().x() << "," << w.geometry().y() << " "
            << w.width() << "x" << w.height();
        ExpectAllReachable(w, where);
        // The progress row's texts stay apart and the job's name keeps room to be read.
        std::vector<std::pair<const char*, QRect>> row;
        for (const char* name :
             {"filename", "filesize", "elapsedlabel", "usedtime", "remaininglabel", "resttime"})
            if (Area(w, name).width() > 0) row.emplace_back(name, Area(w, name));
        row.emplace_back("bt_pause", w.button("bt_pause")->geometry());
        for (size_t i = 0; i + 1 < row.size(); ++i)
            EXPECT_LT(row[i].second.right(), row[i + 1].second.left())
                << where << ": " << row[i].first << " runs into " << row[i + 1].first;
        EXPECT_GE(Area(w, "filename").width(), 120) << where;
    }
}

TEST(Window, GrowthGoesToTheListAndThePreview) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    const QRect list = w.lv->geometry(), video = w.pl_play->geometry();
    const QRect start = w.button("bt_start")->geometry(), add = w.button("bt_dvdopen")->geometry();
    const QRect browse = Area(w, "browse"), profileRow = Area(w, "profilerow");
    w.resize(w.width() + 300, w.height() + 200);
    Pump();
    EXPECT_EQ(w.lv->height(), list.height() + 200);
    EXPECT_EQ(w.pl_play->height(), video.height() + 200);
    EXPECT_EQ(w.lv->width() + w.pl_play->width(), list.width() + video.width() + 300)
        << "the list and the preview share the extra width";
    EXPECT_GT(w.lv->width(), list.width());
    EXPECT_GT(w.pl_play->width(), video.width());
    EXPECT_EQ(w.pl_play->x() - w.lv->geometry().right(), video.x() - list.right());
    // Everything else keeps its place from its edge.
    EXPECT_EQ(w.button("bt_dvdopen")->geometry(), add);
    EXPECT_EQ(w.button("bt_start")->geometry(), start.translated(300, 200));
    EXPECT_EQ(Area(w, "browse"), browse.translated(300, 200));
    EXPECT_EQ(Area(w, "profilerow").width(), profileRow.width() + 300);
    ExpectAllReachable(w, "grown");
    // A full progress fill spans the grown track.
    w.SetPosFill("convertpos", 10000);
    EXPECT_EQ(Area(w, "convertpos").right(), Area(w, "converttrack").right());
    w.resize(820, 562);
    Pump();
    EXPECT_EQ(w.lv->geometry(), list);
    EXPECT_EQ(w.pl_play->geometry(), video);
}

TEST(Window, PlaceAndMaximisedStateAreKeptPerEdition) {
    QTemporaryDir config;
    {
        Program p("VideoConverter", "", config.path().toStdString());
        p.Show();
        p.fm_main->setGeometry(40, 30, 1000, 700);
        Pump();
        ASSERT_TRUE(p.Close());
    }
    {
        Program other("iPodVideoConverter", "", config.path().toStdString());
        other.Show();
        EXPECT_EQ(other.fm_main->size(), QSize(820, 562)) << "another edition keeps its own";
        ASSERT_TRUE(other.Close());
    }
    Program again("VideoConverter", "", config.path().toStdString());
    again.Show();
    Pump();
    EXPECT_EQ(again.fm_main->geometry(), QRect(40, 30, 1000, 700));
    EXPECT_EQ(again.fm_main->lv->height(), 296 + 700 - 562);
}

TEST(Window, PickerIsDrivenByKeys) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.activateWindow();
    w.SelectProfile(29);
    const int start = w.Session().ProfileId();
    w.RunCommand(Command::OpenPicker);
    ProfilePicker& picker = w.Picker();
    ASSERT_TRUE(picker.IsOpen());
    ASSERT_TRUE(WaitFor([&] { return picker.KeyboardHolder()->hasFocus(); }, 5000));
    const int category = picker.CategoryIndex;
    EXPECT_TRUE(picker.categoryPictures[category]->Frame().isValid())
        << "the keys start on the current profile's category";
    EXPECT_TRUE(picker.btim[start]->Frame().isValid()) << "the current profile is marked";
    unsigned long t = 1000;
    auto key = [&](int k, int modifier = 0) {
        SlowChord(KeyWindow(&w), modifier, k, t);
        t += 1000;
        Pump();
    };
    key(Qt::Key_Right);
    EXPECT_EQ(picker.KeyboardProfile(), start) << "Right goes to the current profile";
    key(Qt::Key_Left);
    EXPECT_EQ(picker.KeyboardProfile(), -1);
    key(Qt::Key_Down);
    EXPECT_EQ(picker.CategoryIndex, category + 1);
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(picker.CategoryIndex, category - 1);
    key(Qt::Key_Tab);
    const int first = picker.KeyboardProfile();
    ASSERT_GT(first, 0) << "Tab goes to the profiles";
    key(Qt::Key_Down);
    const int second = picker.KeyboardProfile();
    EXPECT_NE(second, first);
    key(Qt::Key_Return);
    EXPECT_FALSE(picker.IsOpen()) << "Return chooses and closes";
    EXPECT_EQ(w.Session().ProfileId(), second);

    w.RunCommand(Command::OpenPicker);
    ASSERT_TRUE(WaitFor([&] { return picker.KeyboardHolder()->hasFocus(); }, 5000));
    key(Qt::Key_Down);
    key(Qt::Key_Escape);
    EXPECT_FALSE(picker.IsOpen()) << "Escape closes";
    EXPECT_EQ(w.Session().ProfileId(), second) << "and chooses nothing";
}

TEST(Window, JobsMoveAndARemovalIsUndoneOnce) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    for (const char* name : {"a", "b", "c", "d"}) w.Jobs().Append(NamedJob(name));
    auto order = [&] {
        std::string s;
        for (int i = 0; i < w.Jobs().Count(); ++i) s += w.Jobs().At(i)->caption.toStdString();
        return s;
    };
    // Selected rows, direction, the order after the move.
    const struct {
        std::vector<int> rows;
        int delta;
        const char* after;
    } moves[] = {{{1}, -1, "bacd"},    {{0}, -1, "abcd"},    {{0, 1}, -1, "abcd"},
                 {{0, 2}, -1, "acbd"}, {{2, 3}, +1, "abcd"}, {{1, 2}, +1, "adbc"}};
    for (const auto& m : moves) {
        w.lv->clearSelection();
        for (int r : m.rows) w.SelectRow(r);
        w.RunCommand(m.delta < 0 ? Command::MoveUp : Command::MoveDown);
        EXPECT_EQ(order(), m.after);
        // Put the list back for the next case.
        while (w.Jobs().Count() > 0) w.Jobs().Remove({0});
        for (const char* name : {"a", "b", "c", "d"}) w.Jobs().Append(NamedJob(name));
    }
    // A drag within the list: c and d dropped before a.
    QMimeData* dragged = w.Jobs().mimeData({w.Jobs().index(2, 0), w.Jobs().index(3, 0)});
    EXPECT_FALSE(w.Jobs().dropMimeData(dragged, Qt::MoveAction, 0, 0, QModelIndex()))
        << "the view must not remove the dragged rows as well";
    delete dragged;
    EXPECT_EQ(order(), "cdab");

    w.lv->clearSelection();
    w.SelectRow(1);
    w.SelectRow(3);
    w.RunCommand(Command::Remove, Tfm_main::CommandSource::Widget);
    EXPECT_EQ(order(), "ca");
    w.RunCommand(Command::UndoRemoval);
    EXPECT_EQ(order(), "cdab");
    w.RunCommand(Command::UndoRemoval);
    EXPECT_EQ(order(), "cdab") << "once";
    w.RunCommand(Command::Clear);
    EXPECT_EQ(order(), "");
    w.UndoRemoval1->trigger();
    EXPECT_EQ(order(), "cdab") << "the menu item undoes a Clear";

    // The kept list follows a move.
    const QString kept = JobListKeeper::PathBeside(w.SettingsFilePath());
    w.lv->clearSelection();
    w.SelectRow(3);
    w.RunCommand(Command::MoveUp);
    EXPECT_EQ(order(), "cdba");
    const bool saved = WaitFor(
        [&] {
            JobList stored;
            if (!JobListStore::Restore(kept, stored) || stored.Count() != 4) return false;
            return stored.At(2)->caption == "b" && stored.At(3)->caption == "a";
        },
        10000);
    EXPECT_TRUE(saved) << "the kept job list has the new order";

    // By the keys, on the focused list: the job moves and stays selected.
    w.activateWindow();
    w.lv->setFocus();
    w.lv->clearSelection();
    w.SelectRow(0);
    SlowChord(KeyWindow(&w), Qt::Key_Alt, Qt::Key_Down, 5000);
    EXPECT_TRUE(WaitFor([&] { return order() == "dcba"; }, 5000)) << order();
    EXPECT_EQ(w.SelectedRows(), std::vector<int>{1});
}

TEST(Window, ProgressAreaShowsNoTextOfAnEarlierState) {
    // What the area showed, what happened next, and the object that must not still show it.
    const struct {
        const char* name;
        const char* object;
        QString stale;
        std::function<void(Tfm_main&)> before, next;
    } cases[] = {
        {"time left at the next job", "convertinfo", "Batch 00:01:00 left", nullptr,
         [](Tfm_main& w) { emit w.Batch().jobStarted(0); }},
        {"snapshot note at the next preview", "hint", "Snapshot saved: /x/a.png", nullptr,
         [](Tfm_main& w) { emit w.Player().stateChanged(PreviewPlayer::State::Playing); }},
        {"hover hint once the picker closes", "hint", "Choose a profile",
         [](Tfm_main& w) { w.OpenPicker(); }, [](Tfm_main& w) { w.ClosePicker(); }},
    };
    for (const auto& c : cases) {
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        if (c.before) c.before(w);
        w.ShowText(c.object, c.stale);
        c.next(w);
        EXPECT_NE(w.Display().Text(c.object), c.stale) << c.name;
    }
    // The welcome line does not join what a batch left.
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.ShowText("hint", QString());
    w.ShowText("filepath", "Saved in /x/");
    w.LanguageText(25);
    EXPECT_EQ(w.Display().Text("hint"), QString());
    w.ShowText("filepath", QString());
    w.LanguageText(25);
    EXPECT_TRUE(w.Display().Text("hint").startsWith("Welcome")) << "an idle window welcomes";
}

TEST(Window, ListFollowsTheWork) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.lv->setVisible(true);
    auto shown = [&](int row) {
        const QRect r = w.lv->visualRect(w.Jobs().index(row, 0));
        return r.isValid() && w.lv->viewport()->rect().contains(r);
    };
    std::vector<Job> jobs(40);
    for (size_t i = 0; i < jobs.size(); ++i) {
        jobs[i].caption = QString("clip %1").arg(i);
        jobs[i].info = TenSecondClip("/x/clip.avi");
    }
    w.Jobs().AppendAll(jobs);
    Pump();
    EXPECT_TRUE(shown(39)) << "added rows are scrolled into view";
    EXPECT_FALSE(shown(0));
    emit w.Batch().jobStarted(2);
    Pump();
    EXPECT_TRUE(shown(2)) << "the running job is kept in view";
    // While the user scrolls, the list stays where the user put it.
    QWheelEvent wheel(QPointF(10, 10), w.lv->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w.lv->viewport(), &wheel);
    const int scrolled = w.lv->verticalScrollBar()->value();
    emit w.Batch().jobStarted(39);
    Pump();
    EXPECT_EQ(w.lv->verticalScrollBar()->value(), scrolled);
}
