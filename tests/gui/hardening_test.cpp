// Bad input and faults, tried as a new user would meet them: each gets a clear message or a
// sound default, never a crash or a stuck state, and no source file is changed.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <csignal>

#include "app/Tfm_main.h"
#include "jobs/EncoderRunner.h"
#include "shell/PictureButton.h"
#include "support/clips.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
QByteArray Hash(const std::string& path) {
    QFile f(QString::fromStdString(path));
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}
QString Status(Tfm_main& w, int row) {
    return w.Jobs().Text(row, 4);
}

bool AnyMessageContains(const FakeEffects& fx, const QString& part) {
    for (const auto& m : fx.messages)
        if (m.text.contains(part, Qt::CaseInsensitive)) return true;
    return false;
}
}  // namespace

class Hardening : public ::testing::Test {
  protected:
    void Add(Program& p, const std::vector<std::string>& files) {
        QStringList list;
        for (const auto& f : files) list << QString::fromStdString(f);
        p.fx.fileAnswers.push_back(list);
        p.fm_main->AddFiles();
        ASSERT_TRUE(WaitForAdding(*p.fm_main));
    }
    QTemporaryDir dir;
    std::string src = dir.path().toStdString();
};

TEST_F(Hardening, OutputIntoTheSourceFolderNeverOverwritesTheSource) {
    const std::string clip = MakeAviMpeg4Mp3(src, "same.avi", 2);
    const QByteArray before = Hash(clip);
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(103);  // .avi, like the source
    w.ed_output->setText(dir.path());
    Add(p, {clip});
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 60000));
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_EQ(Hash(clip), before);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/same_1.avi"));
}

TEST_F(Hardening, OutputFolderThatCannotBeMadeIsAnErrorAndNothingIsStuck) {
    const std::string clip = MakeMp4H264Aac(src, "a.mp4", 2);
    QFile blocker(dir.path() + "/file-not-folder");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    struct Case {
        QString folder;
    } cases[] = {
        {dir.path() + "/file-not-folder/sub"}, {dir.path() + "/missing/deeper/still"}, {""}};
    for (const auto& c : cases) {
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        w.SelectProfile(17);
        w.ed_output->setText(c.folder);
        Add(p, {clip});
        ASSERT_EQ(w.Jobs().Count(), 1);
        w.StartBatch();
        ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 30000)) << c.folder.toStdString();
        EXPECT_EQ(Status(w, 0), "Error") << c.folder.toStdString();
        EXPECT_EQ(p.fx.Texts("error").size(), 1) << c.folder.toStdString();
        EXPECT_TRUE(w.button("bt_start")->isEnabled());
    }
}

TEST_F(Hardening, EncoderKilledFromOutsideMarksTheJobAndTheBatchGoesOn) {
    const std::string longClip = MakeClip(
        src, "long.mp4",
        "-f lavfi -i testsrc2=size=1280x720:rate=30:duration=60 -c:v libx264 -preset ultrafast");
    const std::string shortClip = MakeMp4H264Aac(src, "short.mp4", 2);
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(125);
    w.ed_output->setText(dir.path() + "/out");
    Add(p, {longClip, shortClip});
    ASSERT_EQ(w.Jobs().Count(), 2);
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return Status(w, 0).endsWith('%'); }, 30000));
    ::kill(-static_cast<pid_t>(w.Batch().Runner()->ProcessId()), SIGKILL);
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 60000));
    EXPECT_EQ(Status(w, 0), "Error");
    EXPECT_EQ(Status(w, 1), "Finish");
}

TEST_F(Hardening, MissingEncoderMakesAddsFailWithAMessage) {
    const std::string clip = MakeMp4H264Aac(src, "a.mp4", 2);
    ProgramFolder folder;
    folder.Remove("register.dat");
    Program p("VideoConverter", folder.Path());
    p.Show();
    Add(p, {clip});
    EXPECT_EQ(p.fm_main->Jobs().Count(), 0);
    EXPECT_EQ(p.fx.Texts("information"), QStringList({"a.mp4 is not support!"}));
}

TEST_F(Hardening, DamagedDataFilesGiveMessagesOrDefaults) {
    struct Case {
        const char* file;
        std::string text;
        const char* message;  // empty: defaults, no message
    } cases[] = {
        {"profiles.pop", "only one line\n", "profile file"},
        {"skn.skn", "form dozadozorozirivaz 820\nobject ???\n", "skin"},
        {"Skin.ini", "[bt_dvdopen\nLeft=abc\n\x01\x02\n", "Skin.ini"},
        {"language.info", "", ""},
    };
    for (const auto& c : cases) {
        ProgramFolder folder;
        folder.Write(c.file, c.text);
        Program p("VideoConverter", folder.Path());
        p.Show();
        Tfm_main& w = *p.fm_main;
        w.LanguageText(25);
        w.OpenPicker();
        w.Picker().Close();
        w.UpdateCommandState();
        if (c.message[0]) {
            EXPECT_TRUE(AnyMessageContains(p.fx, c.message)) << c.file;
        }
        EXPECT_TRUE(w.isVisible()) << c.file;
    }
}

// A layout file cut at a line boundary reads as a layout file, but the controls after the
// cut would shrink to 6x6 and hide: it is damaged, and the window gets the built-in layout.
TEST_F(Hardening, ALayoutFileCutShortGivesTheMessageAndTheBuiltInLayout) {
    QFile shipped(VC_SOURCE_DIR "/data/Skin.ini");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray text = shipped.readAll();
    ASSERT_GT(text.indexOf("[bt_start]"), 0);
    ProgramFolder folder;
    folder.Write("Skin.ini", text.left(text.indexOf("[bt_start]")).toStdString());
    Program p("VideoConverter", folder.Path());
    p.Show();
    Tfm_main& w = *p.fm_main;
    EXPECT_TRUE(AnyMessageContains(p.fx, "Skin.ini is damaged")) << "said once, at the start";
    for (const char* name : {"bt_start", "Bt_Convertstop"}) {
        PictureButton* b = w.button(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_TRUE(b->isVisible()) << name;
        EXPECT_GT(b->width(), 6) << name;
    }
    EXPECT_GT(w.lv->width(), 6);
    EXPECT_GT(w.ed_output->width(), 6);
}

TEST_F(Hardening, DamagedSettingsFilesGiveDefaults) {
    QTemporaryDir config;
    QDir().mkpath(config.path() + "/VideoConverter");
    auto write = [&](const QString& name, const QByteArray& text) {
        QFile f(config.path() + "/VideoConverter/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("VideoConverter.ini", "[profiles\nselcetsubindex=abc\nFinishSelcet=7\n\x00\xff garbage");
    write("pro VideoConverter.ini", "[1]\nsize=99\nvideo bitrate=-5\nChannel=x\n");
    Program p("VideoConverter", "", config.path().toStdString());
    p.Show();
    EXPECT_EQ(p.fm_main->Session().ProfileId(), 1);
    EXPECT_EQ(p.fm_main->Session().Finish(), ConversionSession::FinishAction::Nothing);
    EXPECT_FALSE(p.fm_main->ed_output->text().isEmpty());
}

TEST_F(Hardening, ClosingDuringABatchLeavesNoEncoder) {
    const std::string clip = MakeClip(
        src, "long.mp4",
        "-f lavfi -i testsrc2=size=1280x720:rate=30:duration=60 -c:v libx264 -preset ultrafast");
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(125);
    w.ed_output->setText(dir.path() + "/out");
    Add(p, {clip});
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return Status(w, 0).endsWith('%'); }, 30000));
    const pid_t pgid = static_cast<pid_t>(w.Batch().Runner()->ProcessId());
    p.fx.yesNoAnswers = {true};
    EXPECT_TRUE(p.Close());
    EXPECT_EQ(Status(w, 0), "Stop");
    EXPECT_TRUE(WaitFor([&] { return ::kill(-pgid, 0) != 0; }, 5000))
        << "the encoder's group is gone";
}

TEST_F(Hardening, OddFileNamesConvertAndStayUntouched) {
    const std::string odd = MakeMp4H264Aac(src, "-lead $(touch x) `id`; ünïcødé 名前.mp4", 2);
    ASSERT_FALSE(odd.empty());
    const QByteArray before = Hash(odd);
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(17);
    w.ed_output->setText(dir.path() + "/out");
    Add(p, {odd});
    ASSERT_EQ(w.Jobs().Count(), 1);
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 60000));
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/out/-lead $(touch x) `id`; ünïcødé 名前.mp3"));
    EXPECT_FALSE(QFileInfo::exists("x")) << "no part of a name is ever run";
    EXPECT_EQ(Hash(odd), before);
}

TEST_F(Hardening, AThousandJobs) {
    const std::string clip = MakeMp4H264Aac(src, "a.mp4", 2);
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {clip});
    ASSERT_EQ(w.Jobs().Count(), 1);
    const Toriginalinfo info = w.Jobs().At(0)->info;
    const TrimRecord trim = w.Jobs().At(0)->trim;
    for (int i = 1; i < 1000; ++i) w.AppendJob(QString("job %1").arg(i), info, trim);
    w.SelectProfile(118);
    EXPECT_EQ(w.Jobs().Text(999, 3), w.Jobs().Text(0, 3));
    for (int i = 0; i < 1000; i += 2) w.SelectRow(i);
    w.RemoveSelectedJobs();
    ASSERT_EQ(w.Jobs().Count(), 500);
    EXPECT_EQ(w.Jobs().Count(), 500u);
    EXPECT_EQ(w.Jobs().Text(0, 0), "job 1");
    p.fx.yesNoAnswers = {true};
    w.ClearJobs();
    EXPECT_EQ(w.Jobs().Count(), 0);
}

TEST_F(Hardening, FullDiskIsAnErrorAndTheSourceStays) {
    const std::string clip = MakeMp4H264Aac(src, "big.mp4", 4);
    const QString mount = dir.path() + "/small";
    QDir().mkpath(mount);
    QProcess m;
    m.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount});
    m.waitForFinished(10000);
    if (m.exitStatus() != QProcess::NormalExit || m.exitCode() != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root)";
    const QByteArray before = Hash(clip);
    {
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        w.SelectProfile(20);  // WAV: far more than 64 KB for four seconds
        w.ed_output->setText(mount);
        Add(p, {clip});
        w.StartBatch();
        EXPECT_TRUE(WaitFor([&] { return !w.Converting(); }, 60000));
        EXPECT_EQ(Status(w, 0), "Error");
    }
    QProcess::execute("umount", {mount});
    EXPECT_EQ(Hash(clip), before);
}
