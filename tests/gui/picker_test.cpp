// The profile picker: pointing sequences over categories and buttons, and the editions.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/Tfm_main.h"
#include "shell/PictureButton.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
bool Shows(PictureLabel* pic, const char* folder) {
    return QFileInfo(pic->PicturePath()).dir().dirName() == folder;
}
}  // namespace

TEST(Picker, PointingAtCategoriesSwapsPicturesAndPanels) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.OpenPicker();
    w.Picker().PointCategory(3);
    w.Picker().PointCategory(4);
    EXPECT_TRUE(Shows(w.Picker().categoryPictures[3], "general"));
    EXPECT_TRUE(Shows(w.Picker().categoryPictures[4], "move"));
    EXPECT_FALSE(w.Picker().panels["pl_ipod"]->isVisible());
    EXPECT_TRUE(w.Picker().panels["pl_iphone"]->isVisible());
    EXPECT_EQ(w.Picker().CategoryIndex, 4);
    // The video category opens on the page the user left it on.
    w.Picker().VideoFirstPage = false;
    w.Picker().PointCategory(1);
    EXPECT_TRUE(w.Picker().panels["pl_video2"]->isVisible());
    EXPECT_FALSE(w.Picker().panels["pl_video1"]->isVisible());
}

TEST(Picker, SubPanelHoverRules) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.OpenPicker();
    w.Picker().PointCategory(2);
    w.Picker().PointCategory(1);
    w.Picker().PointButton(2);
    EXPECT_TRUE(w.Picker().panels["pl_avi"]->isVisible());
    w.Picker().PointButton(102);
    w.Picker().PointButton(103);
    EXPECT_TRUE(w.Picker().panels["pl_avi"]->isVisible())
        << "moving into the sub-panel keeps it open";
    EXPECT_TRUE(Shows(w.Picker().btim[2], "move")) << "the opening button stays highlighted";
    EXPECT_TRUE(Shows(w.Picker().btim[102], "general"));
    EXPECT_EQ(w.Picker().HoverButtonId, 103);
    w.Picker().PointButton(105);
    w.Picker().PointButton(1);
    EXPECT_FALSE(w.Picker().panels["pl_avi"]->isVisible());
    EXPECT_TRUE(Shows(w.Picker().btim[2], "general"));
    EXPECT_TRUE(Shows(w.Picker().btim[105], "move"))
        << "hidden with its sub-panel until pointed at again";
    w.Picker().PointButton(8);
    w.Picker().PointButton(109);  // the backdrop picture behaves as button 109
    EXPECT_TRUE(Shows(w.Picker().btim[8], "general"));
    EXPECT_EQ(w.Picker().HoverButtonId, 109);
}

TEST(Picker, PointingNeverSelects) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    const int before = w.Session().ProfileId();
    const QString shown = w.Display().Text("profilestext");
    w.OpenPicker();
    for (int n : {27, 28, 29, 2, 103}) w.Picker().PointButton(n);
    w.Picker().Close();
    EXPECT_EQ(w.Session().ProfileId(), before);
    EXPECT_EQ(w.Display().Text("profilestext"), shown);
    w.Picker().ProfileButtonClick(29);
    EXPECT_EQ(w.Session().ProfileId(), 29);
    EXPECT_FALSE(w.Picker().pl_main->isVisible()) << "a click closes the picker";
}

TEST(Picker, OpensOnTheSelectedProfilesCategoryAndPage) {
    struct Case {
        int profile;
        const char* panel;
        int category;
    } cases[] = {{22, "pl_audio2", 2}, {27, "pl_ipod", 3},   {33, "pl_ipod", 3},
                 {40, "pl_iphone", 4}, {45, "pl_gphone", 5}, {59, "pl_psp", 7},
                 {8, "pl_video2", 1},  {104, "pl_avi", 1}};
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    for (const auto& c : cases) {
        w.SelectProfile(c.profile);
        w.OpenPicker();
        EXPECT_TRUE(w.Picker().panels[c.panel]->isVisible()) << c.profile;
        EXPECT_EQ(w.Picker().CategoryIndex, c.category) << c.profile;
        w.Picker().Close();
        w.Picker().RestoreCategoryPicture(w.Picker().CategoryIndex);
        w.Picker().Close();
    }
}

TEST(Picker, Editions) {
    {
        Program p("iPodVideoConverter");
        p.Show();
        Tfm_main& w = *p.fm_main;
        EXPECT_EQ(w.Session().ProfileId(), 27);
        w.OpenPicker();
        EXPECT_TRUE(w.Picker().panels["pl_ipod"]->isVisible());
        EXPECT_FALSE(w.Picker().pl_main->isVisible());
        EXPECT_EQ(w.Picker().panels["pl_ipod"]->x(), w.Picker().pl_main->x());
        EXPECT_EQ(w.Picker().btim[27]->y(), -1);
        EXPECT_EQ(w.Picker().btim[33]->y(), 292);
    }
    {
        Program p("KavrinIPodAviConverter");
        p.Show();
        Tfm_main& w = *p.fm_main;
        EXPECT_EQ(w.Session().ProfileId(), 102) << "the default follows its own keyword order";
        w.OpenPicker();
        EXPECT_TRUE(w.Picker().panels["pl_ipod"]->isVisible());
        EXPECT_EQ(w.Picker().panels["pl_ipod"]->x(), 88);
    }
    {
        Program p("MediaFormatTool");
        p.Show();
        EXPECT_EQ(p.fm_main->Session().ProfileId(), 6);
        p.fm_main->OpenPicker();
        EXPECT_FALSE(p.fm_main->Picker().pl_main->isVisible())
            << "the rm edition's picker never opens";
    }
}
