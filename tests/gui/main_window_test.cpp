#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

#include "app/Tfm_main.h"
#include "shell/PictureButton.h"
#include "support/fake_runner.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
skin::SkinRect Area(Tfm_main& w, const char* name) {
    skin::SkinRect r;
    auto* o = w.Display().Engine()->WindowRoot(&w)->FindChild(name);
    if (o && o->placement()) o->placement()->GetArea(r);
    return r;
}
}  // namespace

TEST(MainWindow, StartUpRunsOnceAndShowsTheSkin) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    ASSERT_TRUE(w.Display().IsBound());
    EXPECT_EQ(w.ExeFileName, "VideoConverter");
    EXPECT_EQ(w.size(), QSize(820, 562));
    EXPECT_TRUE(p.fx.messages.empty()) << p.fx.messages.front().text.toStdString();
    EXPECT_EQ(w.About1->text(), "About VideoConverter");
    EXPECT_FALSE(w.lv->isVisible()) << "the list appears with the first job";
    EXPECT_EQ(w.Jobs().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Title");
    // Showing again changes nothing: the sequence ran once.
    w.ShowText("profilestext", "changed");
    w.hide();
    w.show();
    Pump();
    EXPECT_EQ(w.Display().Text("profilestext"), "changed");
}

// The video panel is a native window; the widgets beside it are not, except the picker's
// backdrop and panels, which spread over it and must lie above it.
TEST(MainWindow, OnlyWhatLiesOverTheVideoIsANativeWindowBesideIt) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    auto natives = [&w] {
        QStringList names;
        for (QWidget* c : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c->isVisible() && c->testAttribute(Qt::WA_NativeWindow)) names << c->objectName();
        names.sort();
        return names.join(' ').toStdString();
    };
    EXPECT_EQ(natives(), "pl_play");
    w.OpenPicker();
    Pump();
    const QStringList open = QString::fromStdString(natives()).split(' ');
    EXPECT_TRUE(open.contains("pl_play") && open.contains("pl_back")) << natives();
    EXPECT_FALSE(open.contains("lv") || open.contains("ed_output")) << natives();
    w.Picker().Close();
}

TEST(MainWindow, SetPosFillScalesToTheLayoutWidth) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    const skin::SkinRect start = Area(w, "convertpos");
    const int width = w.Layout().FillWidth("convert");
    struct Case {
        int value, expected;
    } cases[] = {{0, 0}, {10000, width}, {20000, width}, {5000, (width + 1) / 2}, {1, 0}};
    for (const auto& c : cases) {
        w.SetPosFill("convertpos", c.value);
        skin::SkinRect r = Area(w, "convertpos");
        EXPECT_EQ(r.right - r.left, c.expected) << c.value;
        EXPECT_EQ(r.left, start.left);
        EXPECT_EQ(r.top, start.top);
    }
    // The conversion fill also shows the encoder's latest line in the hint.
    HoldBatch(w);
    ASSERT_NE(CurrentFake(), nullptr);
    CurrentFake()->Print("frame=10 time=1.00 bitrate=100");
    w.SetPosFill("convertpos", 100);
    EXPECT_EQ(w.Display().Text("hint"), "frame=10 time=1.00 bitrate=100");
    ReleaseBatch(w);
}

TEST(MainWindow, SetPosFillDefaultWidthWithoutPlaySection) {
    ProgramFolder folder;
    // The controls the window needs are placed; nothing more.
    folder.Write("Skin.ini",
                 "[bt_dvdopen]\nLeft=12\n"
                 "[bt_start]\nLeft=690\nTop=496\nWidth=110\nHeight=48\n"
                 "[Bt_Convertstop]\nLeft=640\nTop=500\nWidth=40\nHeight=40\n"
                 "[ed_output]\nLeft=88\nTop=453\nWidth=536\n"
                 "[lv]\nLeft=12\nTop=100\nheight=296\nWidth=488\n"
                 "[pl_play]\nLeft=520\nTop=108\nWidth=280\nHeight=158\n");
    Program p("VideoConverter", folder.Path());
    p.Show();
    const skin::SkinRect start = Area(*p.fm_main, "playpos");
    p.fm_main->SetPosFill("playpos", 10000);
    EXPECT_EQ(Area(*p.fm_main, "playpos").right, start.left + 263);
}

TEST(MainWindow, PlaceBackdropMovesTheSkinObjectAndPanel) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.PlaceBackdrop(true, 174, 100, 250, 300);
    skin::SkinRect r = Area(w, "di");
    EXPECT_EQ(r.left, 174);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right, 424);
    EXPECT_EQ(r.bottom, 400);
    EXPECT_TRUE(w.Picker().pl_back->isVisible());
    EXPECT_EQ(w.Picker().pl_back->pos(), QPoint(174, 100));
    w.PlaceBackdrop(false, 0, 0, 0, 0);
    EXPECT_FALSE(w.Picker().pl_back->isVisible());
    EXPECT_EQ(Area(w, "di").right, 0);
}

TEST(MainWindow, LanguageTextHintsAndTheConvertingRule) {
    ProgramFolder folder;
    std::string text;
    for (int i = 1; i <= 30; ++i) text += "text " + std::to_string(i) + "\n";
    folder.Write("language.info", text);
    Program p("Sample.exe", folder.Path());
    p.Show();
    Tfm_main& w = *p.fm_main;
    EXPECT_EQ(w.LanguageText(25), "text 25");
    EXPECT_EQ(w.Display().Text("hint"), "text 25 Sample.");
    EXPECT_EQ(w.LanguageText(9), "text 9");
    EXPECT_EQ(w.Display().Text("hint"), "text 9");
    EXPECT_EQ(w.LanguageText(30), "text 30");
    EXPECT_EQ(w.Display().Text("hint"), "text 9") << "ids above 25 change nothing but the result";
    EXPECT_EQ(w.LanguageText(31), "");
    HoldBatch(w);
    const QString hint = w.Display().Text("hint");
    EXPECT_EQ(w.LanguageText(3), "");
    EXPECT_EQ(w.Display().Text("hint"), hint) << "no hover hint during a batch";
    EXPECT_EQ(w.LanguageText(26), "text 26");
    ReleaseBatch(w);
}

// After a removal the row that took the removed one's place is selected, and the player's
// length shows that row's, not the removed one's.
TEST(MainWindow, RemovingARowShowsTheNextRowsLength) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    for (const char* length : {"00:00:03", "00:00:06", "00:00:09"}) {
        Toriginalinfo info = TenSecondClip("/nonexistent/clip.mp4");
        info.durationText = length;
        w.AppendJob(length, info, TrimRecord{});
    }
    w.SelectRow(1);
    w.lvClick();
    ASSERT_EQ(w.Display().Text("alltime").toStdString(), "00:00:06");
    w.RemoveSelectedJobs();
    EXPECT_EQ(w.SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(w.Display().Text("alltime").toStdString(), "00:00:09");
}

TEST(MainWindow, CommandStatesFollowListPreviewAndBatch) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    auto enabled = [&](const char* b) { return w.button(b)->isEnabled(); };
    w.UpdateCommandState();
    EXPECT_TRUE(enabled("bt_dvdopen"));
    EXPECT_FALSE(enabled("bt_remove"));
    EXPECT_FALSE(enabled("bt_start"));
    EXPECT_FALSE(w.menuItem("&Clear(C)")->isEnabled());

    w.AppendJob("clip", Toriginalinfo{}, TrimRecord{});
    w.UpdateCommandState();
    EXPECT_TRUE(enabled("bt_start"));
    EXPECT_TRUE(enabled("bt_set"));
    EXPECT_FALSE(enabled("bt_play"));
    w.SelectRow(0);
    w.UpdateCommandState();
    EXPECT_TRUE(enabled("bt_play"));
    EXPECT_TRUE(w.menuItem("Re&name(N)")->isEnabled());

    HoldPreview(w);
    ASSERT_TRUE(w.playing());
    EXPECT_TRUE(enabled("bt_playstop")) << "the player's start refreshes the command state";
    EXPECT_FALSE(enabled("bt_dvdopen"));
    ReleasePreview(w);
    EXPECT_FALSE(enabled("bt_playstop")) << "and so does its stop";
    HoldBatch(w);
    w.UpdateCommandState();
    EXPECT_TRUE(enabled("bt_pause"));
    EXPECT_TRUE(w.menuItem("&Stop(S)")->isEnabled());
    EXPECT_FALSE(enabled("bt_play"));
    EXPECT_FALSE(w.menuItem("Con&vert(V)")->isEnabled());
    ReleaseBatch(w);
}

TEST(MainWindow, CloseQuestionWhileConverting) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    HoldBatch(w);
    p.fx.yesNoAnswers = {false};
    EXPECT_FALSE(p.Close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(p.fx.Texts("askyesno").size(), 1);
    EXPECT_EQ(p.fx.Texts("askyesno")[0], "The convertion is processing, are you sure to quit?");
    ReleaseBatch(w);
    EXPECT_TRUE(p.Close()) << "no batch: closes without a question";
    EXPECT_EQ(p.fx.Texts("askyesno").size(), 1);
}

TEST(MainWindow, MissingDataFilesGiveMessagesNotCrashes) {
    struct Case {
        const char* file;
        const char* message;
    } cases[] = {{"skn.skn", "skin file"},
                 {"Skin.ini", "The program file cannot be found, please install again."},
                 {"language.info", "language.info"}};
    for (const auto& c : cases) {
        ProgramFolder folder;
        folder.Remove(c.file);
        Program p("VideoConverter", folder.Path());
        p.Show();
        p.fm_main->LanguageText(25);
        p.fm_main->SetPosFill("convertpos", 5000);
        p.fm_main->UpdateCommandState();
        bool found = false;
        for (const auto& m : p.fx.messages) found = found || m.text.contains(c.message);
        EXPECT_TRUE(found) << c.file;
    }
}

TEST(MainWindow, TitlePictureAndDrag) {
    {
        Program p("Sample.exe");  // no images/main/Sample.bmp
        p.Show();
        EXPECT_FALSE(p.fm_main->pl_appname->isVisible());
    }
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    ASSERT_TRUE(w.pl_appname->isVisible());
    const QPoint start = w.pos();
    // A move with the button held before any press on the title does not move the window.
    QMouseEvent move0(QEvent::MouseMove, QPointF(30, 10), QPointF(), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.img_name, &move0);
    EXPECT_EQ(w.pos(), start);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.img_name, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 25), QPointF(), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w.img_name, &move);
    EXPECT_EQ(w.pos(), start + QPoint(30, 15));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(40, 25), QPointF(), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.img_name, &release);
    QCoreApplication::sendEvent(w.img_name, &move);
    EXPECT_EQ(w.pos(), start + QPoint(30, 15)) << "released: no more moves";
}
