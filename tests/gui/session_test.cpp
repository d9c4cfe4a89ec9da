// The conversion session without a window: what each job runs with, what the settings file
// keeps, how a profile switch reports trouble, and the settings dialog bound to it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "core/choicebox.h"
#include "core/inifile.h"
#include "jobs/BatchRunner.h"
#include "jobs/ConversionSession.h"
#include "jobs/JobList.h"
#include "profiles/Tfm_set.h"
#include "support/fake_runner.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

constexpr int kMp3Profile = 17;
constexpr int kMp4Profile = 102;

class Session : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        session.SetProgramDirectory(std::string(VC_PROGRAM_DIR) + "/");
    }
    Job MakeJob(const QString& caption) const {
        Job j;
        j.caption = caption;
        j.info = TenSecondClip(dir.filePath(caption + ".wav").toStdString());
        j.trim = {10, 0, 10};
        return j;
    }

    QTemporaryDir config;
    QTemporaryDir dir;
    ConversionSession session;
};

TEST_F(Session, EachJobRunsWithTheChoicesInForceWhenItStarts) {
    session.SelectProfile(kMp3Profile);
    session.SetSimultaneousConversions(1);  // the second job starts after the first
    const QString first = dir.filePath("first/"), second = dir.filePath("second/");
    session.SetOutputFolderText(first);
    JobList jobs;
    jobs.Append(MakeJob("a"));
    jobs.Append(MakeJob("b"));
    BatchRunner batch(&jobs, &session);
    batch.SetRunnerFactory(FakeRunners());
    ASSERT_TRUE(batch.Start());
    EXPECT_EQ(batch.Invocation().outputFile, QString(first + "a.mp3").toStdString());
    EXPECT_EQ(session.OutputDirectory(), first.toStdString()) << "saved once a job goes there";

    // The user types another folder while the first job runs: the next job takes it.
    session.SetOutputFolderText(second);
    EXPECT_EQ(session.OutputDirectory(), first.toStdString()) << "typing alone saves nothing";
    QFile out(QString::fromStdString(batch.Invocation().outputFile));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("x");
    out.close();
    CurrentFake()->Finish(0);
    Pump();
    EXPECT_EQ(batch.Invocation().outputFile, QString(second + "b.mp3").toStdString());
    EXPECT_TRUE(QDir(second).exists()) << "the folder in force is made when missing";
    EXPECT_EQ(session.OutputDirectory(), second.toStdString());
    batch.Stop();
}

TEST_F(Session, TheSettingsFileKeepsTheSavedFolderNotTheTypedOne) {
    const std::string defaultOut = dir.path().toStdString() + "/videos/";
    AppSettings loaded = session.LoadSettings(kMp4Profile, defaultOut);
    EXPECT_EQ(session.OutputFolderText().toStdString(), defaultOut);
    EXPECT_EQ(session.OutputDirectory(), defaultOut);
    EXPECT_EQ(session.Finish(), ConversionSession::FinishAction::Nothing);
    EXPECT_EQ(session.SimultaneousConversions(), 0) << "Auto";
    EXPECT_TRUE(session.LowPriority());

    session.SelectProfile(kMp3Profile);
    session.SetSimultaneousConversions(3);
    session.SetLowPriority(false);
    session.ChooseOutputDirectory(dir.path().toStdString() + "/chosen");
    EXPECT_EQ(session.OutputFolderText(), dir.path() + "/chosen/");
    session.SetOutputFolderText("/typed/but/never/used");
    session.SetFinish(ConversionSession::FinishAction::OpenFolder);
    session.SetLastAddFolder("/media/music");
    loaded.categoryIndex = 9;  // another owner's key goes through untouched
    ASSERT_TRUE(session.SaveSettings(loaded));

    ConversionSession again;
    again.SetProgramDirectory(session.ProgramDirectory());
    const AppSettings s = again.LoadSettings(kMp4Profile, defaultOut);
    EXPECT_EQ(s.profileId, kMp3Profile);
    EXPECT_EQ(s.categoryIndex, 9);
    EXPECT_EQ(again.OutputFolderText(), dir.path() + "/chosen/");
    EXPECT_EQ(again.Finish(), ConversionSession::FinishAction::OpenFolder);
    EXPECT_EQ(again.LastAddFolder(), "/media/music");
    EXPECT_EQ(again.SimultaneousConversions(), 3);
    EXPECT_FALSE(again.LowPriority());

    // A number of jobs that no machine has is a damaged value: Auto.
    for (const char* damaged : {"-2", "100000", "two"}) {
        IniFile ini(session.SettingsFilePath());
        ini.WriteString("convert", "Simultaneous", damaged);
        ASSERT_TRUE(ini.Save());
        again.LoadSettings(kMp4Profile, defaultOut);
        EXPECT_EQ(again.SimultaneousConversions(), 0) << damaged;
    }
}

TEST_F(Session, AutoRunsSoundSideBySideAndVideoOneAtATime) {
    struct Case {
        int simultaneous;
        bool soundOnly;
        int cores, jobs;
    } cases[] = {
        {0, true, 4, 4},  {0, false, 4, 1}, {0, true, 1, 1}, {0, true, 0, 1},
        {2, false, 4, 2}, {1, true, 4, 1},  {8, true, 2, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConversionSession::JobsAtOnce(c.simultaneous, c.soundOnly, c.cores), c.jobs)
            << c.simultaneous << (c.soundOnly ? " sound " : " video ") << c.cores;
    // What the profile writes decides.
    session.SelectProfile(kMp3Profile);
    EXPECT_TRUE(session.SoundOnlyOutput());
    EXPECT_EQ(session.JobsAtOnce(), std::max(1, QThread::idealThreadCount()));
    session.SelectProfile(kMp4Profile);
    EXPECT_FALSE(session.SoundOnlyOutput());
    EXPECT_EQ(session.JobsAtOnce(), 1);
    session.SetSimultaneousConversions(2);
    EXPECT_EQ(session.JobsAtOnce(), 2);
}

TEST_F(Session, AProfileSwitchSaysWhetherTheProfileFileCouldBeRead) {
    QTemporaryDir program;
    session.SetProgramDirectory(program.path().toStdString() + "/");
    ConversionSession::ProfileSwitch r = session.SelectProfile(kMp3Profile);
    EXPECT_FALSE(r.profileFileRead);
    EXPECT_FALSE(r.problems.empty());
    EXPECT_EQ(session.ProfileId(), kMp3Profile) << "the switch happens all the same";

    // A file that ends early is read as far as it goes.
    QFile pop(program.filePath("profiles.pop"));
    ASSERT_TRUE(pop.open(QIODevice::WriteOnly));
    pop.write("only\nfour\nshort\nlines\n");
    pop.close();
    r = session.SelectProfile(kMp4Profile);
    EXPECT_TRUE(r.profileFileRead);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_NE(r.problems[0].find("ends before"), std::string::npos) << r.problems[0];
}

TEST_F(Session, TheSettingsDialogShowsAndChangesTheSessionsChoices) {
    Tfm_set dialog;
    dialog.Bind(&session);
    int edits = 0;
    QObject::connect(&session, &ConversionSession::changed, [&](ConversionSession::Change c) {
        if (c == ConversionSession::Change::Formats) ++edits;
    });
    session.SelectProfile(kMp4Profile);
    const FormatBoxes f = session.Formats();
    ASSERT_GT(f.size->count(), 1);
    ASSERT_EQ(dialog.cb_size->count(), f.size->count());
    for (int i = 0; i < f.size->count(); ++i)
        EXPECT_EQ(dialog.cb_size->itemText(i).toStdString(), f.size->itemText(i));
    EXPECT_EQ(dialog.cb_size->currentIndex(), f.size->currentIndex());
    EXPECT_EQ(dialog.cb_videobitrate->currentIndex(), f.video->currentIndex());

    // Picking and typing in the dialog change what the next job runs with.
    edits = 0;
    dialog.cb_videobitrate->setCurrentIndex(3);
    EXPECT_EQ(f.video->currentIndex(), 3);
    dialog.cb_size->setEditText("400x300");
    EXPECT_EQ(f.size->currentIndex(), -1);
    EXPECT_EQ(f.size->currentText(), "400x300");
    EXPECT_GE(edits, 2);
    session.SetOutputFolderText(dir.path() + "/");
    const InvocationResult r = session.BuildJobInvocation(MakeJob("clip"));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_NE(r.rec.sizeFragment.find("400x300"), std::string::npos) << r.rec.sizeFragment;

    // An audio profile's choices reach the dialog, the boxes it has no use for disabled.
    session.SelectProfile(kMp3Profile);
    EXPECT_EQ(dialog.cb_size->isEnabled(), f.size->isEnabled());
    EXPECT_EQ(dialog.cb_videobitrate->isEnabled(), f.video->isEnabled());
    EXPECT_EQ(dialog.cb_audiobitrate->currentText().toStdString(), f.audio->currentText());
}

TEST_F(Session, TheSettingsDialogTakesHowABatchRunsOnOkOnly) {
    Tfm_set dialog;
    dialog.Bind(&session);
    session.SetSimultaneousConversions(2);
    session.SetLowPriority(true);
    struct Case {
        bool ok;
        int chosen;  // the item's number; 0 Auto
        bool low;
        int simultaneous;  // the session's afterwards
        bool lowAfter;
    } cases[] = {
        {false, 1, false, 2, true},
        {true, 1, false, 1, false},
        {true, 0, true, 0, true},
    };
    for (const Case& c : cases) {
        dialog.show();
        EXPECT_EQ(dialog.JobsItem(), session.SimultaneousConversions()) << "shows the session's";
        EXPECT_EQ(dialog.chk_lowpriority->isChecked(), session.LowPriority());
        EXPECT_EQ(dialog.cb_jobs->itemText(0), "Auto");
        EXPECT_EQ(dialog.cb_jobs->count(),
                  1 + std::max(session.SimultaneousConversions(), QThread::idealThreadCount()))
            << "Auto, then 1 up to the cores, or the session's number when it is more";
        dialog.cb_jobs->setCurrentIndex(dialog.cb_jobs->findData(c.chosen));
        dialog.chk_lowpriority->setChecked(c.low);
        if (c.ok)
            dialog.Button1Click();
        else
            dialog.Button2Click();
        EXPECT_EQ(session.SimultaneousConversions(), c.simultaneous) << c.ok << c.chosen;
        EXPECT_EQ(session.LowPriority(), c.lowAfter) << c.ok << c.chosen;
    }
}

TEST(ChoiceCopy, OneBoxShowsWhatAnotherShows) {
    PlainChoiceBox typed({"320x240", "640x480"}, -1, true);
    typed.setEditText("100x100");
    PlainChoiceBox disabled({"Mono", "Stereo"}, 0);
    disabled.setEnabled(false);
    struct Case {
        const char* name;
        const PlainChoiceBox& from;
        PlainChoiceBox to;
        int index;
        std::string text;
    } cases[] = {
        {"entries rebuilt, entry chosen", PlainChoiceBox({"a", "b", "c"}, 2),
         PlainChoiceBox({"x"}, 0), 2, "c"},
        {"typed text into an editable box", typed, PlainChoiceBox(true), -1, "100x100"},
        {"typed text not into a pick-only box", typed, PlainChoiceBox({"320x240"}, 0), -1, ""},
        {"enabled state", disabled, PlainChoiceBox({"Mono", "Stereo"}, 1), 0, "Mono"},
    };
    for (Case& c : cases) {
        CopyChoice(c.from, c.to);
        EXPECT_EQ(c.to.items(), c.from.items()) << c.name;
        EXPECT_EQ(c.to.currentIndex(), c.index) << c.name;
        EXPECT_EQ(c.to.currentText(), c.text) << c.name;
        EXPECT_EQ(c.to.isEnabled(), c.from.isEnabled()) << c.name;
    }
}

}  // namespace
