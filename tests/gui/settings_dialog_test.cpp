// The format settings dialog's typed-size check, reached by moving the keyboard focus the way
// a user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/Tfm_main.h"
#include "profiles/Tfm_set.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

TEST(SettingsDialog, ATypedSizeIsCheckedWhenTheFocusLeavesTheBox) {
    Program p;
    p.Show();
    Tfm_set* s = p.fm_set;
    s->show();
    QApplication::setActiveWindow(s);
    ASSERT_TRUE(WaitFor([&] { return s->isActiveWindow(); }, 2000));
    ASSERT_TRUE(s->cb_size->isEditable());
    s->cb_videobitrate->setFocus();
    ASSERT_TRUE(WaitFor([&] { return s->cb_videobitrate->hasFocus(); }, 2000));
    struct Case {
        const char* typed;
        int warnings;
    } cases[] = {{"641X480", 2}, {"0x480", 1}, {"640x", 1}, {"axb", 2}, {"640x480", 0}};
    for (const Case& c : cases) {
        p.fx.messages.clear();
        s->cb_size->setFocus();
        ASSERT_TRUE(WaitFor([&] { return s->cb_size->hasFocus(); }, 2000));
        s->cb_size->setEditText(c.typed);
        s->cb_videobitrate->setFocus();  // Tab or a click elsewhere
        Pump();
        EXPECT_EQ(p.fx.Texts("warning").size(), c.warnings)
            << c.typed << " became " << s->cb_size->currentText().toStdString();
    }
    // The warning itself takes the focus away: it must not warn again for that.
    s->cb_size->lineEdit()->setFocus();
    s->cb_size->setEditText("0x0");
    p.fx.messages.clear();
    s->Button2->setFocus();
    Pump();
    EXPECT_EQ(p.fx.Texts("warning").size(), 2);
    s->hide();
}
