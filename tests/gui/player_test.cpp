// The preview player, the cut window, snapshots and the properties dialog, driven through the
// main window with the real libPreview.so (silent, without picture) and the real encoder.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "app/Tfm_main.h"
#include "core/appinfo.h"
#include "core/invocation.h"
#include "core/timeutil.h"
#include "preview/Snapshot.h"
#include "preview/Tfm_dvdcutter.h"
#include "preview/Tfm_info.h"
#include "profiles/Tfm_set.h"
#include "shell/PictureButton.h"
#include "support/clips.h"
#include "support/processes.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

QString Status(Tfm_main& w, int row) {
    return w.Jobs().Text(row, 4);
}

int Shown(Tfm_main& w, const char* object) {
    return HmsToSeconds(w.Display().Text(object).toStdString());
}

QString Probe(const QString& file, const QString& entries) {
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", entries, "-of", "default=nw=1:nk=1", file});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

skin::ISkinObject* MainObject(Tfm_main& w, const char* name) {
    return w.Display().Engine()->WindowRoot(&w)->FindChild(name);
}

// A small picture keeps clip making and decoding quick.
std::string MakeSmallClip(const std::string& dir, const std::string& name, int seconds) {
    const std::string s = std::to_string(seconds);
    return MakeClip(dir, name,
                    "-f lavfi -i testsrc=size=160x120:rate=10:duration=" + s +
                        " -f lavfi -i sine=duration=" + s +
                        " -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -shortest");
}

}  // namespace

class Player : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("VC_PREVIEW_AO_NULL", "1");
        src = dir.path().toStdString();
    }
    void Add(Program& p, const QStringList& files) {
        p.fx.fileAnswers.push_back(files);
        p.fm_main->AddFiles();
        ASSERT_TRUE(WaitForAdding(*p.fm_main));
        ASSERT_EQ(p.fm_main->Jobs().Count(), files.size())
            << (p.fx.messages.empty() ? "" : p.fx.messages.back().text.toStdString());
    }
    void SelectOnly(Tfm_main& w, int row) {
        w.lv->clearSelection();
        w.SelectRow(row);
        w.lvClick();
    }
    // Waits until the library reported positions and the display moved past `seconds`.
    bool WaitShown(Tfm_main& w, const char* object, int seconds, int timeoutMs = 15000) {
        return WaitFor([&] { return Shown(w, object) >= seconds; }, timeoutMs);
    }
    QTemporaryDir dir;
    std::string src;
};

TEST_F(Player, PlayPauseStopWithStatusTextsAndRefusals) {
    const std::string clip = MakeSmallClip(src, "walk.mp4", 20);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});

    // Nothing selected: nothing happens.
    w.lv->clearSelection();
    w.PlaySelectedJob();
    EXPECT_FALSE(w.playing());

    // A converted job: the preview's states show over its result for as long as it plays.
    w.Jobs().SetStatus(0, "Finish");
    SelectOnly(w, 0);
    w.PlaySelectedJob();
    ASSERT_TRUE(w.playing());
    EXPECT_FALSE(w.paused());
    EXPECT_EQ(Status(w, 0), "Play");
    EXPECT_TRUE(w.play_time->isActive());
    EXPECT_TRUE(w.button("bt_images")->isEnabled());
    EXPECT_FALSE(w.button("bt_play")->isEnabled());
    ASSERT_TRUE(WaitShown(w, "play_time", 2)) << "the time display follows the playback";
    EXPECT_GT(w.Display().SliderPosition("play_bar"), 0);
    // The offset comes from the first report, not from the first tick a second into the
    // playback, so the display does not run a second behind.
    EXPECT_FALSE(w.Player().AwaitingFirstReport());
    EXPECT_EQ(w.Player().StartOffset(), 0);

    // While playing the cut window stays closed: its button and its command are disabled.
    int dialogs = 0;
    p.fx.onDialog = [&](QDialog*) { return ++dialogs, int(QDialog::Rejected); };
    w.button("bt_cut")->click();
    EXPECT_FALSE(w.RunCommand(Command::Cut));
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(p.fx.Texts("warning").isEmpty());

    w.TogglePause();
    EXPECT_TRUE(w.paused());
    EXPECT_EQ(Status(w, 0), "Pause");
    EXPECT_FALSE(w.play_time->isActive());
    // A play command while paused resumes the same playback.
    w.PlaySelectedJob();
    EXPECT_FALSE(w.paused());
    EXPECT_TRUE(w.playing());
    EXPECT_EQ(Status(w, 0), "Play");
    EXPECT_TRUE(w.play_time->isActive());

    // Stop while paused ends in idle; the next playback starts unpaused and pauses again.
    w.TogglePause();
    w.StopPlayback();
    EXPECT_FALSE(w.playing());
    EXPECT_FALSE(w.paused());
    EXPECT_EQ(Status(w, 0), "Finish");
    EXPECT_EQ(w.Display().Text("play_time"), "00:00:00");
    EXPECT_EQ(w.Display().SliderPosition("play_bar"), 0);
    EXPECT_FALSE(w.play_time->isActive());
    EXPECT_TRUE(w.button("bt_play")->isEnabled());
    w.PlaySelectedJob();
    EXPECT_FALSE(w.paused());
    w.TogglePause();
    EXPECT_TRUE(w.paused());
    w.StopPlayback();

    // While a batch converts Space is refused; Play and Cut are disabled.
    HoldBatch(w);
    EXPECT_FALSE(w.RunCommand(Command::SpaceToggle));
    EXPECT_FALSE(w.RunCommand(Command::Play));
    EXPECT_FALSE(w.RunCommand(Command::Cut));
    EXPECT_FALSE(w.playing());
    EXPECT_EQ(dialogs, 0);
    ReleaseBatch(w);
    EXPECT_EQ(p.fx.Texts("warning"), QStringList({w.LanguageText(26)}));
    EXPECT_TRUE(p.fx.Texts("error").isEmpty());
}

// Every Play prepares a new player in the library; what its threads allocated must go back
// when it stops. After the first playback, a hundred more add at most 20 MB.
TEST_F(Player, MemoryStaysFlatOverAHundredPlayStopCycles) {
    const std::string clip = MakeSmallClip(src, "loop.mp4", 20);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    SelectOnly(w, 0);
    auto cycle = [&] {
        w.PlaySelectedJob();
        ASSERT_TRUE(w.playing());
        ASSERT_TRUE(WaitFor([&] { return !w.Player().AwaitingFirstReport(); }, 15000))
            << "the playback reported its position";
        w.StopPlayback();
        ASSERT_FALSE(w.playing());
        Pump();
    };
    cycle();
    const long first = ResidentKb();
    ASSERT_GT(first, 0);
    long most = first;
    for (int i = 0; i < 100; ++i) {
        cycle();
        most = std::max(most, ResidentKb());
    }
    std::printf("resident memory after the first playback %ld KB, at most %ld KB over 100 more\n",
                first, most);
    EXPECT_LE(most - first, 20 * 1024);
}

TEST_F(Player, BarDragSeeksAndReleaseRestartsTheTick) {
    const std::string clip = MakeSmallClip(src, "walk.mp4", 30);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    skin::ISkinObject* bar = MainObject(w, "play_bar");
    ASSERT_NE(bar, nullptr);

    // Idle: a press and release only set and clear dragging.
    w.Skin1MouseDown(bar, Qt::LeftButton, 0, 0);
    EXPECT_TRUE(w.Player().Dragging());
    w.Skin1MouseUp(bar, Qt::LeftButton, 0, 0);
    EXPECT_FALSE(w.Player().Dragging());
    EXPECT_FALSE(w.play_time->isActive());

    SelectOnly(w, 0);
    w.PlaySelectedJob();
    ASSERT_TRUE(WaitShown(w, "play_time", 1));
    w.Skin1MouseDown(bar, Qt::LeftButton, 0, 0);
    EXPECT_TRUE(w.Player().Dragging());
    EXPECT_FALSE(w.play_time->isActive()) << "the tick rests while the bar is held";
    w.Display().SetSliderPosition("play_bar", 5000);
    w.Skin1ScrollTrack(bar, 5000);
    EXPECT_EQ(w.Display().Text("play_time"), "00:00:15");
    w.Skin1MouseUp(bar, Qt::LeftButton, 0, 0);
    EXPECT_FALSE(w.Player().Dragging());
    EXPECT_TRUE(w.play_time->isActive());
    EXPECT_EQ(w.Player().DisplayFloor(), 15 + w.Player().StartOffset());
    // The playback went on from the new position.
    EXPECT_TRUE(WaitShown(w, "play_time", 16, 8000)) << w.Display().Text("play_time").toStdString();
    w.StopPlayback();
}

TEST_F(Player, EndOfFileStopsThePreview) {
    const std::string clip = MakeSmallClip(src, "short.mp4", 3);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    SelectOnly(w, 0);
    w.PlaySelectedJob();
    ASSERT_TRUE(w.playing());
    EXPECT_TRUE(WaitFor([&] { return !w.playing(); }, 15000));
    EXPECT_EQ(Status(w, 0), "Status") << "the row shows its conversion status again";
    EXPECT_EQ(w.Display().Text("play_time"), "00:00:00");
    EXPECT_FALSE(w.play_time->isActive());
    // A file that cannot be played ends at once, too.
    QFile::remove(QString::fromStdString(clip));
    w.PlaySelectedJob();
    EXPECT_TRUE(WaitFor([&] { return !w.playing(); }, 5000));
    EXPECT_EQ(Status(w, 0), "Status");
}

TEST_F(Player, TrimmedJobStopsAtTheEndOfItsRange) {
    const std::string clip = MakeSmallClip(src, "long.mp4", 30);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    p.fx.onDialog = [&](QDialog*) {
        w.ShowText("cut_play_time", "00:00:03");
        w.SetEndMark();
        return int(QDialog::Accepted);
    };
    w.bt_cutClick();
    ASSERT_EQ(w.Jobs().At(0)->info.durationText, "00:00:03");
    SelectOnly(w, 0);
    QElapsedTimer t;
    t.start();
    w.PlaySelectedJob();
    ASSERT_TRUE(w.playing());
    // Stopped by the tick that finds two played seconds, long before the source ends.
    EXPECT_TRUE(WaitFor([&] { return !w.playing(); }, 15000));
    EXPECT_LT(t.elapsed(), 8000);
    EXPECT_EQ(Status(w, 0), "Status");
}

TEST_F(Player, StalledPositionStopsAfterTwoTicksAndEveryPlaybackStartsCounting) {
    const std::string clip = MakeSmallClip(src, "walk.mp4", 30);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    SelectOnly(w, 0);
    for (int round = 0; round < 2; ++round) {
        w.PlaySelectedJob();
        ASSERT_TRUE(w.playing());
        EXPECT_EQ(w.Player().StallCount(), 0) << "round " << round;
        ASSERT_TRUE(WaitShown(w, "play_time", 2));
        // Away from the last tick, so that the paused position differs from the one it saw.
        Pump(500);
        // Paused, the library reports no positions: the ticks find the position standing.
        w.TogglePause();
        Pump(300);
        w.play_timeTimer();  // records the standing difference
        const QString shown = w.Display().Text("play_time");
        w.play_timeTimer();
        w.play_timeTimer();
        EXPECT_EQ(w.Player().StallCount(), 2);
        EXPECT_TRUE(w.playing()) << "two stalled ticks change nothing";
        EXPECT_EQ(w.Display().Text("play_time"), shown);
        w.play_timeTimer();
        EXPECT_FALSE(w.playing()) << "the third stalled tick stops the preview";
        EXPECT_EQ(Status(w, 0), "Status");
    }
}

TEST_F(Player, PreviousAndNextAtBothEnds) {
    QStringList files;
    for (const char* name : {"one.mp4", "two.mp4", "three.mp4"}) {
        const std::string clip = MakeSmallClip(src, name, 20);
        ASSERT_FALSE(clip.empty());
        files << QString::fromStdString(clip);
    }
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, files);
    SelectOnly(w, 0);
    w.PlaySelectedJob();
    ASSERT_TRUE(w.playing());

    // Back on the first row: the selection goes, the playback goes on.
    w.PreviousJob();
    EXPECT_TRUE(w.SelectedRows().empty());
    EXPECT_TRUE(w.playing());
    EXPECT_EQ(w.Player().PreviewRow(), 0);

    struct Step {
        bool next;
        int row;
    } steps[] = {{true, 1}, {true, 2}, {false, 1}};
    for (const Step& s : steps) {
        const int before = w.Player().PreviewRow();
        // The step stops at once; the next row starts from the event loop.
        s.next ? w.NextJob() : w.PreviousJob();
        EXPECT_EQ(w.Player().PreviewRow(), s.row);
        EXPECT_EQ(Status(w, before), "Status");
        ASSERT_TRUE(WaitFor([&] { return w.playing(); }, 10000));
        EXPECT_EQ(Status(w, s.row), "Play");
        EXPECT_EQ(w.SelectedRows(), std::vector<int>{s.row});
    }
    w.NextJob();
    ASSERT_TRUE(WaitFor([&] { return w.playing(); }, 10000));
    EXPECT_EQ(w.Player().PreviewRow(), 2);
    // Forward on the last row: the selection goes, the playback goes on.
    w.NextJob();
    EXPECT_TRUE(w.SelectedRows().empty());
    EXPECT_TRUE(w.playing());
    EXPECT_EQ(w.Player().PreviewRow(), 2);
    EXPECT_EQ(Status(w, 2), "Play");
    // The program is closed with the preview still playing: no thread is left behind.
}

TEST_F(Player, MissingLibraryIsReportedAndNothingPlays) {
    const std::string clip = MakeSmallClip(src, "walk.mp4", 2);
    ASSERT_FALSE(clip.empty());
    ProgramFolder folder;
    folder.Remove("libPreview.so");
    Program p("VideoConverter", folder.Path());
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    SelectOnly(w, 0);
    w.PlaySelectedJob();
    EXPECT_FALSE(w.playing());
    ASSERT_EQ(p.fx.Texts("error").size(), 1);
    EXPECT_TRUE(p.fx.Texts("error")[0].contains("libPreview.so"));
    EXPECT_TRUE(w.button("bt_play")->isEnabled());
}

TEST_F(Player, CutMarksGiveTheRangeAndTheConversionUsesIt) {
    const std::string clip = MakeSmallClip(src, "holiday.mp4", 80);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    w.SelectProfile(102);
    const QString out = dir.path() + "/out/";
    w.ed_output->setText(out);
    Add(p, {QString::fromStdString(clip)});
    ASSERT_EQ(w.Jobs().At(0)->info.durationText, "00:01:20");

    Tfm_dvdcutter* cutter = p.fm_dvdcutter;
    bool ran = false;
    p.fx.onDialog = [&](QDialog* d) {
        ran = true;
        EXPECT_EQ(d, cutter);
        EXPECT_TRUE(w.Player().CutShown());
        EXPECT_EQ(cutter->lv->topLevelItemCount(), 1);
        EXPECT_EQ(cutter->SelectedRow(), 0);
        EXPECT_EQ(cutter->lv->topLevelItem(0)->text(0), "holiday");
        EXPECT_EQ(cutter->lv->topLevelItem(0)->text(2), "00:01:20");
        EXPECT_EQ(w.Display().Text("cut_end_time"), "00:01:20");
        EXPECT_EQ(w.Display().Text("cut_play_time"), "00:00:00");
        w.ShowText("cut_play_time", "00:00:10");
        w.SetBeginMark();
        w.ShowText("cut_play_time", "00:01:10");
        w.SetEndMark();
        // An end before the begin, or a begin after the end, is refused.
        w.ShowText("cut_play_time", "00:00:05");
        w.SetEndMark();
        w.ShowText("cut_play_time", "00:01:15");
        w.SetBeginMark();
        EXPECT_EQ(p.fx.Texts("warning").size(), 2);
        EXPECT_EQ(w.Display().Text("cut_begin_time"), "00:00:10");
        EXPECT_EQ(w.Display().Text("cut_end_time"), "00:01:10");
        EXPECT_EQ(cutter->lv->topLevelItem(0)->text(1), "00:00:10");
        EXPECT_EQ(cutter->lv->topLevelItem(0)->text(2), "00:01:10");
        return int(QDialog::Accepted);
    };
    w.bt_cutClick();
    ASSERT_TRUE(ran);
    EXPECT_FALSE(w.Player().CutShown());
    EXPECT_EQ(w.Jobs().At(0)->trim.begin, 10);
    EXPECT_EQ(w.Jobs().At(0)->trim.end, 70);
    EXPECT_EQ(w.Jobs().At(0)->trim.total, 80);
    EXPECT_EQ(w.Jobs().At(0)->info.durationText, "00:01:00");
    EXPECT_EQ(w.Jobs().Text(0, 2), "00:01:00");

    w.ed_output->setText(out);
    const InvocationResult r = w.Session().BuildJobInvocation(*w.Jobs().At(0));
    ASSERT_TRUE(r.ok()) << r.error;
    const std::string line = JoinCommandLine(r.rec);
    EXPECT_NE(line.find(" -ss 00:00:10 -vormin "), std::string::npos) << line;
    EXPECT_NE(line.find(" -t 00:01:00"), std::string::npos) << line;

    w.StartBatch();
    ASSERT_TRUE(WaitFor([&] { return !w.Converting(); }, 180000));
    EXPECT_EQ(Status(w, 0), "Finish");
    const QString file = QString::fromStdString(w.CurrentInvocation().outputFile);
    ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
    EXPECT_NEAR(Probe(file, "format=duration").toDouble(), 60.0, 0.5);
}

TEST_F(Player, CutWindowPlaysJumpsAndClosingStopsIt) {
    const std::string clip = MakeSmallClip(src, "walk.mp4", 60);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(clip)});
    Tfm_dvdcutter* cutter = p.fm_dvdcutter;
    int beforeJump = -1, afterJump = -1;
    bool playedInside = false;
    p.fx.onDialog = [&](QDialog* d) {
        d->show();  // on a display, the video then shows in the window's panel
        // "hou" too near the start does nothing.
        w.ShowText("cut_play_time", "00:00:25");
        w.JumpCut(-30);
        EXPECT_EQ(w.Player().DisplayFloor(), 0.0);
        w.ShowText("cut_play_time", "00:00:00");
        QTimer::singleShot(2600, cutter, [&] {
            playedInside = w.playing();
            beforeJump = Shown(w, "cut_play_time");
            w.JumpCut(30);
        });
        QTimer::singleShot(5200, cutter, [&] {
            afterJump = Shown(w, "cut_play_time");
            // Closed while the playback runs: the close step stops it first.
            cutter->reject();
        });
        w.CutPlay();  // returns when the playback has ended
        EXPECT_FALSE(w.playing());
        return int(QDialog::Rejected);
    };
    w.bt_cutClick();
    EXPECT_TRUE(playedInside);
    EXPECT_GE(beforeJump, 1);
    EXPECT_GE(afterJump, beforeJump + 30) << "the display moves on from the jump target";
    EXPECT_FALSE(w.playing());
    EXPECT_FALSE(w.Player().CutShown());
    EXPECT_EQ(w.Jobs().At(0)->info.durationText, "00:01:00");
    EXPECT_EQ(w.Display().Text("play_time"), "00:00:00");
    EXPECT_TRUE(p.fx.Texts("warning").isEmpty());
}

TEST_F(Player, SnapshotNamesAndPicture) {
    const std::string clip = MakeMp4H264Aac(src, "holiday.mp4", 4);
    ASSERT_FALSE(clip.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;

    // With no job there is nothing to take a picture of.
    w.bt_imagesClick();
    ASSERT_EQ(p.fx.Texts("information").size(), 1);
    EXPECT_FALSE(w.Snap().Busy());

    const QString out = dir.path() + "/shots";  // no trailing slash, not yet there
    w.ed_output->setText(out);
    Add(p, {QString::fromStdString(clip)});
    w.ShowText("play_time", "00:00:02");

    HoldBatch(w);
    EXPECT_FALSE(w.RunCommand(Command::Snapshot)) << "F12 during a batch";
    ReleaseBatch(w);
    EXPECT_EQ(p.fx.Texts("warning"), QStringList{w.LanguageText(26)});
    EXPECT_FALSE(w.Snap().Busy());

    const QString status = Status(w, 0);
    for (const char* name : {"holiday.bmp", "holiday_1.bmp"}) {
        w.bt_imagesClick();
        ASSERT_TRUE(w.Snap().Busy());
        const std::string line = JoinCommandLine(w.Snap().Invocation());
        EXPECT_NE(line.find(" -vormek -y  -ss 00:00:02 -vormin "), std::string::npos) << line;
        EXPECT_NE(line.find(" -t 0.01"), std::string::npos) << line;
        EXPECT_NE(line.find(" -f image2 "), std::string::npos) << line;
        EXPECT_EQ(w.Snap().Invocation().outputFile, QString(out + "/" + name).toStdString());
        ASSERT_TRUE(WaitFor([&] { return !w.Snap().Busy(); }, 30000));
        QImage shot(out + "/" + name);
        ASSERT_FALSE(shot.isNull()) << name;
        // The picture size the encoder was asked for, or the job's own.
        QString size = QString::fromStdString(w.Snap().Invocation().sizeFragment).trimmed();
        size = size.startsWith("-s ") ? size.mid(3).trimmed()
                                      : QString::fromStdString(w.Jobs().At(0)->info.pictureSize);
        EXPECT_EQ(QString("%1x%2").arg(shot.width()).arg(shot.height()), size);
    }
    EXPECT_EQ(Status(w, 0), status) << "a snapshot writes no status";
    EXPECT_EQ(w.Session().OutputDirectory(), QString(out + "/").toStdString());

    // A source that has gone leaves no picture, and says so.
    QFile::remove(QString::fromStdString(clip));
    w.bt_imagesClick();
    ASSERT_TRUE(WaitFor([&] { return !w.Snap().Busy(); }, 30000));
    Pump(100);
    EXPECT_FALSE(QFile::exists(out + "/holiday_2.bmp"));
    EXPECT_TRUE(WaitFor([&] { return p.fx.Texts("warning").size() == 2; }, 2000));
}

TEST_F(Player, PropertiesShowTheFirstSelectedJob) {
    const std::string a = MakeMp4H264Aac(src, "first.mp4", 4);
    const std::string b = MakeAviMpeg4Mp3(src, "second.avi", 3);
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Add(p, {QString::fromStdString(a), QString::fromStdString(b)});
    QStringList seen;
    p.fx.onDialog = [&](QDialog* d) {
        EXPECT_EQ(d, p.fm_info);
        Tfm_info* i = p.fm_info;
        seen =
            QStringList{i->ed_duration->text(),   i->ed_videobit->text(), i->ed_videoformat->text(),
                        i->ed_resolution->text(), i->ed_frame->text(),    i->ed_audioformat->text(),
                        i->ed_audiobit->text(),   i->ed_sample->text(),   i->ed_channels->text()};
        EXPECT_TRUE(i->ed_duration->isReadOnly());
        return int(QDialog::Accepted);
    };
    auto expected = [&](int row) {
        const Toriginalinfo& j = w.Jobs().At(row)->info;
        auto q = [](const std::string& s) { return QString::fromStdString(s); };
        return QStringList{q(j.durationText),        q(j.videoRate) + " Kb/s", q(j.videoFormat),
                           q(j.pictureSize),         q(j.frameRate),           q(j.audioFormat),
                           q(j.audioRate) + " Kb/s", q(j.sampleRate),          q(j.channels)};
    };
    // Both rows selected, the second one first: the first row of the list is shown.
    w.lv->clearSelection();
    w.SelectRow(1);
    w.SelectRow(0);
    w.ShowProperties();
    EXPECT_EQ(seen, expected(0));
    EXPECT_EQ(seen[0], "00:00:04");
    EXPECT_EQ(seen[3], "640x480");
    EXPECT_TRUE(seen[5].contains("aac")) << seen[5].toStdString();
    EXPECT_TRUE(seen[7].contains("44100")) << seen[7].toStdString();
    EXPECT_TRUE(seen[8].contains("stereo")) << seen[8].toStdString();
    // Then the other job: nothing is left over.
    SelectOnly(w, 1);
    w.Properties1->trigger();
    EXPECT_EQ(seen, expected(1));
    EXPECT_EQ(seen[3], "320x240");
    EXPECT_TRUE(seen[5].contains("mp3")) << seen[5].toStdString();
    // Without a selection: the message, no dialog.
    seen.clear();
    w.lv->clearSelection();
    w.ShowProperties();
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(p.fx.Texts("information"), QStringList{w.LanguageText(30)});
}

TEST(Properties, StreamsAFileLacksShowNothingAndATrimSaysHowMuchItKeeps) {
    Toriginalinfo full;
    full.durationText = "00:01:19";
    full.videoRate = "1200";
    full.videoFormat = "h264";
    full.pictureSize = "640x480";
    full.frameRate = " 25.00 fps";
    full.audioFormat = "aac";
    full.audioRate = "128";
    full.sampleRate = " 44100 Hz";
    full.channels = " stereo";
    // What the probe stores for missing streams: stand-in rates and picture size.
    Toriginalinfo silent = full;
    silent.audioFormat = silent.sampleRate = silent.channels = "";
    silent.audioRate = "1";
    Toriginalinfo sound = full;
    sound.videoFormat = sound.frameRate = "";
    sound.pictureSize = "320x240";
    sound.videoRate = "0";
    Toriginalinfo cut = full;
    cut.durationText = "00:00:12";
    Toriginalinfo endCut = full;
    endCut.durationText = "00:00:42";
    Toriginalinfo raw = full;
    raw.durationText = "--:--:--";
    const QStringList video = {"1200 Kb/s", "h264", "640x480", " 25.00 fps"};
    const QStringList audio = {"aac", "128 Kb/s", " 44100 Hz", " stereo"};
    const QStringList none = {"", "", "", ""};
    struct Case {
        const char* what;
        Toriginalinfo info;
        TrimRecord trim;
        QString duration;
        QStringList video, audio;
    } cases[] = {
        {"both streams", full, {79, 0, 79}, "00:01:19", video, audio},
        {"no sound", silent, {79, 0, 79}, "00:01:19", video, none},
        {"sound only", sound, {79, 0, 79}, "00:01:19", none, audio},
        {"cut at both ends", cut, {79, 30, 42}, "00:00:12 of 00:01:19", video, audio},
        {"cut at the end", endCut, {79, 0, 42}, "00:00:42 of 00:01:19", video, audio},
        {"no known length", raw, {0, 0, 0}, "--:--:--", video, audio},
    };
    Tfm_info dialog;
    for (const Case& c : cases) {
        dialog.FormShow(c.info, c.trim);
        EXPECT_EQ(dialog.ed_duration->text(), c.duration) << c.what;
        EXPECT_EQ(QStringList({dialog.ed_videobit->text(), dialog.ed_videoformat->text(),
                               dialog.ed_resolution->text(), dialog.ed_frame->text()}),
                  c.video)
            << c.what;
        EXPECT_EQ(QStringList({dialog.ed_audioformat->text(), dialog.ed_audiobit->text(),
                               dialog.ed_sample->text(), dialog.ed_channels->text()}),
                  c.audio)
            << c.what;
    }
}
