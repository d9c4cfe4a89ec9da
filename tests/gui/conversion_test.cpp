// The conversion road end to end: files added through the program, a profile selected,
// the batch run through the real register.dat and FFmpeg, outputs checked with ffprobe.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/Tfm_main.h"
#include "core/profilesettings.h"
#include "core/rates.h"
#include "jobs/EncoderRunner.h"
#include "profiles/Tfm_set.h"
#include "shell/ShutdownCountdown.h"
#include "support/clips.h"
#include "support/processes.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {
QString Probe(const QString& file, const QString& entries) {
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", entries, "-of", "default=nw=1:nk=1", file});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString Status(Tfm_main& w, int row) {
    return w.Jobs().Text(row, 4);
}

// Live children of ours that serve a batch's encoders ("register.dat -vormserve").
int EncoderServers() {
    int found = 0;
    for (const ProcInfo& child : ChildrenOf(static_cast<int>(QCoreApplication::applicationPid()))) {
        QFile cmdline(QString("/proc/%1/cmdline").arg(child.pid));
        if (cmdline.open(QIODevice::ReadOnly) &&
            cmdline.readAll().split('\0').contains("-vormserve"))
            ++found;
    }
    return found;
}

bool EncoderAlive(qint64 pgid) {
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QString s = QString::fromUtf8(stat.readAll());
        const QStringList f = s.mid(s.lastIndexOf(')') + 2).split(' ');
        if (f.size() > 3 && f[3].toLongLong() == pgid && f[0] != "Z") return true;
    }
    return false;
}
}  // namespace

class Conversion : public ::testing::Test {
  protected:
    void SetUp() override {
        src = dir.path().toStdString();
        out = dir.path() + "/out/";
    }
    void AddFiles(Program& p, const QStringList& files) {
        p.fx.fileAnswers.push_back(files);
        p.fm_main->AddFiles();
        ASSERT_TRUE(WaitForAdding(*p.fm_main));
    }
    QTemporaryDir dir;
    std::string src;
    QString out;
};

TEST_F(Conversion, TwoClipsWithProfile102) {
    const std::string a = MakeMp4H264Aac(src, "holiday.mp4", 3);
    const std::string b = MakeAviMpeg4Mp3(src, "my \"best\" clip.avi", 2);
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(102);
    w.ed_output->setText(out);
    AddFiles(p, {QString::fromStdString(a), QString::fromStdString(b)});
    ASSERT_EQ(w.Jobs().Count(), 2)
        << (p.fx.messages.empty() ? "" : p.fx.messages[0].text.toStdString());
    EXPECT_EQ(w.Jobs().Text(1, 0), "my \"best\" clip");
    EXPECT_EQ(w.Jobs().Text(0, 2), "00:00:03");
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 120000));
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_EQ(Status(w, 1), "Finish");
    struct Expect {
        QString file;
        double seconds;
    } outputs[] = {{out + "holiday.avi", 3}, {out + "my \"best\" clip.avi", 2}};
    for (const auto& o : outputs) {
        ASSERT_TRUE(QFile::exists(o.file)) << o.file.toStdString();
        EXPECT_EQ(Probe(o.file, "format=format_name"), "avi");
        EXPECT_EQ(Probe(o.file, "stream=codec_type").split('\n'), QStringList({"video", "audio"}));
        EXPECT_NEAR(Probe(o.file, "format=duration").toDouble(), o.seconds, 0.5)
            << o.file.toStdString();
    }
    EXPECT_TRUE(p.fx.Texts("error").isEmpty());
}

TEST_F(Conversion, TwoSoundFilesSideBySide) {
    const std::string a = MakeWav(src, "left.wav", 20);
    const std::string b = MakeWav(src, "right.wav", 12);
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(17);
    w.Session().SetSimultaneousConversions(2);
    w.ed_output->setText(out);
    AddFiles(p, {QString::fromStdString(a), QString::fromStdString(b)});
    ASSERT_EQ(w.Jobs().Count(), 2);
    int together = 0;
    QObject::connect(&w.Batch(), &BatchRunner::jobStarted, &w,
                     [&](int) { together = std::max(together, w.Batch().RunningCount()); });
    w.StartBatch();
    EXPECT_EQ(together, 2);
    EXPECT_EQ(w.Display().Text("filename"), "2 running, 0 done, 0 left");
    // A batch of sounds has its encoder server, and it ends with the batch.
    EXPECT_EQ(EncoderServers(), 1);
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 120000));
    EXPECT_TRUE(WaitFor([] { return EncoderServers() == 0; }, 10000));
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_EQ(Status(w, 1), "Finish");
    EXPECT_EQ(w.Display().Text("filename"), "2 converted");
    struct Expect {
        QString file;
        double seconds;
    } outputs[] = {{out + "left.mp3", 20}, {out + "right.mp3", 12}};
    for (const auto& o : outputs) {
        ASSERT_TRUE(QFile::exists(o.file)) << o.file.toStdString();
        EXPECT_EQ(Probe(o.file, "stream=codec_name"), "mp3");
        EXPECT_NEAR(Probe(o.file, "format=duration").toDouble(), o.seconds, 0.5)
            << o.file.toStdString();
    }
}

TEST_F(Conversion, StopDuringSecondOfThreeJobs) {
    const std::string a = MakeMp4H264Aac(src, "one.mp4", 2);
    const std::string b = MakeClip(
        src, "two.mp4",
        "-f lavfi -i testsrc2=size=1280x720:rate=30:duration=60 -c:v libx264 -preset ultrafast");
    const std::string c = MakeMp4H264Aac(src, "three.mp4", 2);
    ASSERT_FALSE(b.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(125);
    w.ed_output->setText(out);
    AddFiles(p, {QString::fromStdString(a), QString::fromStdString(b), QString::fromStdString(c)});
    ASSERT_EQ(w.Jobs().Count(), 3);
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return w.JobIndex() == 1 && Status(w, 1).endsWith('%'); }, 60000));
    const qint64 pgid = w.Batch().Runner()->ProcessId();
    w.PauseToggle();
    EXPECT_EQ(w.Pause1->text(), "Continue");
    EXPECT_EQ(w.Display().Text("convertinfo"), "Paused") << "the progress area shows the pause";
    const QString file = QString::fromStdString(w.CurrentInvocation().outputFile);
    Pump(600);
    const qint64 paused = QFileInfo(file).size();
    Pump(1200);
    EXPECT_EQ(QFileInfo(file).size(), paused) << "the output does not grow while paused";
    w.PauseToggle();
    EXPECT_EQ(w.Pause1->text(), "Pause");
    EXPECT_TRUE(WaitFor([&] { return QFileInfo(file).size() > paused; }, 20000));
    // A command during the batch (one that finds nothing to do: no cut window plays) leaves
    // the running job's figures alone.
    ASSERT_TRUE(w.RunCommand(Command::JumpBack));
    EXPECT_EQ(w.Display().Text("filename"), QFileInfo(file).fileName());
    w.StopBatch();
    EXPECT_FALSE(w.Converting());
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_EQ(Status(w, 1), "Stop");
    EXPECT_EQ(Status(w, 2), "Status");
    EXPECT_TRUE(WaitFor([&] { return !EncoderAlive(pgid); }, 5000)) << "no encoder process is left";
    Pump(300);
    EXPECT_EQ(Status(w, 2), "Status");
    EXPECT_EQ(p.fx.opened.size(), 0) << "no finish action after a stop";
    EXPECT_FALSE(QFile::exists(file)) << "the stopped job's incomplete output is removed";
    EXPECT_EQ(w.Display().Text("filename"), "Stopped: 1 converted");
    EXPECT_TRUE(QFile::exists(QDir(out).filePath("one.mkv"))) << "a finished output stays";
}

TEST_F(Conversion, TheShownSizeIsTheFinishedFilesAndAFailureSaysWhy) {
    const std::string a = MakeMp3(src, "song.mp3", 2);
    const std::string b = MakeVideoOnly(src, "silent.mp4", 2);
    const std::string c = MakeWav(src, "tone.wav", 2);
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(17);  // MP3: a source without sound cannot give one
    // One job at a time: the progress area shows each job's own figures.
    w.Session().SetSimultaneousConversions(1);
    w.ed_output->setText(out);
    AddFiles(p, {QString::fromStdString(a), QString::fromStdString(b), QString::fromStdString(c)});
    ASSERT_EQ(w.Jobs().Count(), 3);
    QStringList shownAtEnd;
    QObject::connect(&w.Batch(), &BatchRunner::jobEnded, &w, [&](int, BatchRunner::Outcome o) {
        if (o == BatchRunner::Outcome::Finished) shownAtEnd << w.Display().Text("filesize");
    });
    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 120000));
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_EQ(Status(w, 1), "Error");
    EXPECT_EQ(Status(w, 2), "Finish");
    EXPECT_EQ(w.Jobs().At(1)->hint.toStdString(), "the source has no sound");
    EXPECT_FALSE(w.Jobs().At(1)->log.isEmpty()) << "the failed run's log is kept";
    const QStringList warnings = p.fx.Texts("warning");
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("silent: the source has no sound"))
        << warnings[0].toStdString();
    ASSERT_EQ(shownAtEnd.size(), 2);
    const qint64 lastSize =
        QFileInfo(QString::fromStdString(w.CurrentInvocation().outputFile)).size();
    EXPECT_EQ(shownAtEnd.last(), QString::number(lastSize / 1024) + " KB");
    EXPECT_EQ(w.Display().Text("resttime"), "00:00:00");
    EXPECT_EQ(w.Display().Text("filename"), "2 converted, 1 failed");
    for (int row : {0, 2}) {
        const QString file = QDir(out).filePath(w.Jobs().At(row)->caption + ".mp3");
        EXPECT_EQ(w.Jobs().Text(row, JobList::OutputColumn).toStdString(),
                  FormatFileSize(QFileInfo(file).size()))
            << "the row shows the written file's size";
    }
    EXPECT_EQ(w.Display().Text("convertinfo"), "");
    EXPECT_FALSE(QFile::exists(QDir(out).filePath("silent.mp3"))) << "no half file of the failure";
}

TEST_F(Conversion, ShutDownWaitsForAMinuteAndCanBeCancelled) {
    const std::string a = MakeWav(src, "tone.wav", 1);
    for (const bool cancel : {true, false}) {
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        w.SelectProfile(17);
        w.ed_output->setText(out);
        w.Session().SetFinish(ConversionSession::FinishAction::ShutDown);
        AddFiles(p, {QString::fromStdString(a)});
        QStringList seen;
        p.fx.onDialog = [&](QDialog* d) {
            seen << d->objectName();
            auto* c = qobject_cast<ShutdownCountdown*>(d);
            if (!c) return int(QDialog::Rejected);
            EXPECT_EQ(c->SecondsLeft(), 60);
            if (cancel) return int(QDialog::Rejected);
            // Nobody there: the count runs out.
            for (int i = 0; i < 60; ++i) c->Tick();
            return c->result();
        };
        w.StartBatch();
        ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 60000));
        EXPECT_EQ(seen, QStringList{"fm_shutdown"});
        EXPECT_EQ(p.fx.shutdowns, cancel ? 0 : 1);
    }
}

TEST_F(Conversion, DeletedSourceIsAnErrorAndTheBatchGoesOn) {
    // One at a time the summary tells why the last job failed, and the last one here did
    // not; side by side either may end last, so a failure's reason always stays.
    const struct {
        int simultaneous;
        QString hint;
    } cases[] = {{1, ""}, {2, "Error: the source cannot be read"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.simultaneous);
        QDir(out).removeRecursively();
        const std::string a = MakeMp4H264Aac(src, "gone.mp4", 2);
        const std::string b = MakeMp4H264Aac(src, "kept.mp4", 2);
        Program p;
        p.Show();
        Tfm_main& w = *p.fm_main;
        w.SelectProfile(17);
        w.Session().SetSimultaneousConversions(c.simultaneous);
        w.Session().SetFinish(ConversionSession::FinishAction::OpenFolder);
        w.ed_output->setText(out);
        AddFiles(p, {QString::fromStdString(a), QString::fromStdString(b)});
        ASSERT_EQ(w.Jobs().Count(), 2);
        QFile::remove(QString::fromStdString(a));
        w.StartBatch();
        ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 60000));
        EXPECT_EQ(Status(w, 0), "Error");
        EXPECT_EQ(Status(w, 1), "Finish");
        EXPECT_TRUE(QFile::exists(out + "kept.mp3"));
        EXPECT_EQ(p.fx.opened, QStringList({"folder:" + out}));
        // The progress area tells what the batch did, not what its last job was, until the
        // next command.
        EXPECT_EQ(w.Display().Text("filename"), "1 converted, 1 failed");
        EXPECT_EQ(w.Display().Text("filepath"), "Saved in " + out);
        EXPECT_EQ(w.Display().Text("hint"), c.hint);
        EXPECT_EQ(w.Display().Text("convertinfo"), "");
        EXPECT_EQ(w.Display().Text("filesize"),
                  QString::number(QFileInfo(out + "kept.mp3").size() / 1024) + " KB")
            << "what the batch wrote";
        EXPECT_EQ(w.Display().Text("usedtime"), "00:00:00");
        ASSERT_TRUE(w.RunCommand(Command::JumpBack));
        EXPECT_EQ(w.Display().Text("filename"), "Ready to convert");
        EXPECT_EQ(w.Display().Text("filepath"), "");
        EXPECT_EQ(w.Display().Text("hint"), "") << "the next command clears it";
    }
}

TEST_F(Conversion, UnreadableFileIsNotSupported) {
    Program p;
    p.Show();
    QFile f(dir.path() + "/notes.avi");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a video\n");
    f.close();
    AddFiles(p, {f.fileName()});
    EXPECT_EQ(p.fm_main->Jobs().Count(), 0);
    EXPECT_EQ(p.fx.Texts("information"), QStringList({"notes.avi is not support!"}));
}

TEST_F(Conversion, SettingsSurviveARestart) {
    QTemporaryDir config;
    {
        Program p("VideoConverter", "", config.path().toStdString());
        p.Show();
        p.fm_main->SelectProfile(88);
        p.fm_main->Session().SetOutputDirectory(out.toStdString());
        p.fm_main->Session().SetFinish(ConversionSession::FinishAction::OpenFolder);
        // Cancel in the settings dialog keeps the finish action.
        p.fm_set->SetFinishItem(2);
        p.fm_set->Button2Click();
        EXPECT_TRUE(p.Close());
    }
    Program p("VideoConverter", "", config.path().toStdString());
    p.Show();
    EXPECT_EQ(p.fm_main->Session().ProfileId(), 88);
    EXPECT_EQ(p.fm_main->Session().Finish(), ConversionSession::FinishAction::OpenFolder);
    EXPECT_EQ(p.fm_main->ed_output->text(), out);
    EXPECT_EQ(p.fm_main->Display().Text("profilestext"), "Zune WMV-Windows Media Video(*.wmv)");
}

TEST_F(Conversion, StoredNumberWithoutProfileFallsBackToTheEditionDefault) {
    QTemporaryDir config;
    QDir().mkpath(config.path() + "/VideoConverter");
    QFile ini(config.path() + "/VideoConverter/iPodConverter.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[profiles]\nselcetsubindex=500\n");
    ini.close();
    Program p("iPodConverter", "", config.path().toStdString());
    p.Show();
    EXPECT_EQ(p.fm_main->Session().ProfileId(), 27);
}
