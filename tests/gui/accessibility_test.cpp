// What a screen reader finds in the main window: a window with the program's title, and a name
// for every object the user can act on, the profile picker's included.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTreeView>
#include <QWidget>
#include <functional>
#include <set>

#include "app/Tfm_main.h"
#include "core/catalogue.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

bool Interactive(QAccessibleInterface* i) {
    static const std::set<QAccessible::Role> roles = {
        QAccessible::Button,       QAccessible::CheckBox,   QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::List,       QAccessible::Tree,
        QAccessible::Table,        QAccessible::MenuItem,   QAccessible::Slider,
        QAccessible::RadioButton,  QAccessible::SpinBox,    QAccessible::Link,
        QAccessible::PageTab,      QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    if (roles.count(i->role())) return true;
    auto* actions = i->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// Every shown object under root, with the path of roles that leads to it.
void Walk(QAccessibleInterface* i, const std::string& path,
          const std::function<void(QAccessibleInterface*, const std::string&)>& visit,
          int depth = 0) {
    if (!i || !i->isValid() || depth > 30) return;
    if (i->state().invisible) return;
    const std::string here = path + "/" + i->text(QAccessible::Name).toStdString() + "[" +
                             std::to_string(int(i->role())) + "]";
    visit(i, here);
    for (int c = 0; c < i->childCount(); ++c) Walk(i->child(c), here, visit, depth + 1);
}

std::vector<std::string> Unnamed(QWidget* window, std::set<QString>* names = nullptr) {
    std::vector<std::string> unnamed;
    Walk(QAccessible::queryAccessibleInterface(window), "",
         [&](QAccessibleInterface* i, const std::string& path) {
             const QString name = i->text(QAccessible::Name).trimmed();
             if (names) names->insert(name);
             if (Interactive(i) && name.isEmpty()) unnamed.push_back(path);
         });
    return unnamed;
}

}  // namespace

TEST(Accessibility, EveryInteractiveObjectHasAName) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&w);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->role(), QAccessible::Window);
    EXPECT_EQ(top->text(QAccessible::Name), "Video Converter");

    w.AppendJob("clip", TenSecondClip("/x/clip.avi"), TrimRecord{});
    ASSERT_TRUE(WaitForAdding(w));
    w.lv->show();
    std::set<QString> names;
    for (const std::string& path : Unnamed(&w, &names)) ADD_FAILURE() << "no name: " << path;
    for (const char* expected : {"Jobs", "Output folder", "Sound track", "Subtitle", "Pause",
                                 "File", "Help", "Start conversion"})
        EXPECT_TRUE(names.count(expected)) << expected;
    // The drawn texts say what they are and what they show; no internal name is read out.
    w.ShowText("usedtime", "00:01:05");
    names.clear();
    Unnamed(&w, &names);
    EXPECT_TRUE(names.count("Elapsed time: 00:01:05"));
    for (const char* internal : {"filepath", "convertinfo", "di", "hint"})
        EXPECT_FALSE(names.count(internal)) << internal;

    // The open picker: its categories and profiles are named buttons.
    w.OpenPicker();
    names.clear();
    for (const std::string& path : Unnamed(&w, &names))
        ADD_FAILURE() << "no name in the picker: " << path;
    EXPECT_TRUE(names.count(Categories()[0].title)) << "a category";
    EXPECT_TRUE(names.count(QString::fromStdString(w.Session().Profile().displayName)))
        << "the current profile";
}
