// The sound track and subtitle boxes of the main window and the choice they keep per job.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "app/Tfm_main.h"
#include "jobs/JobList.h"
#include "jobs/JobListStore.h"
#include "preview/Tfm_info.h"
#include "shell/TrackChoiceBoxes.h"
#include "support/fake_preview.h"
#include "support/program.h"

using namespace vc;
using namespace vc::test;

namespace {

using K = MediaTrack::Kind;

// English (default) and German sound and a French text subtitle.
Toriginalinfo Film(const std::string& path, const std::string& secondLanguage = "ger") {
    Toriginalinfo info = TenSecondClip(path);
    info.tracks = {{K::Sound, 1, "eng", "aac", 2, false, true, "", ""},
                   {K::Sound, 2, secondLanguage, "ac3", 6, false, false, "", ""},
                   {K::Subtitle, 3, "fre", "subrip", 0, false, false, "", ""}};
    return info;
}

QStringList Items(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i) out << box.itemText(i);
    return out;
}

}  // namespace

TEST(TrackChoice, BoxesSetTheChoiceOfEverySelectedJobWithTheSameTracks) {
    JobList jobs;
    for (const auto& [caption, language] :
         {std::pair{"a", "ger"}, std::pair{"b", "ger"}, std::pair{"c", "spa"}}) {
        Job j;
        j.caption = caption;
        j.info = Film(std::string("/films/") + caption + ".mkv", language);
        jobs.Append(j);
    }
    QComboBox sound, subtitle;
    std::vector<int> selected = {0, 1, 2};
    std::string extension = ".mkv";
    TrackChoiceBoxes boxes(
        &sound, &subtitle, &jobs, [&] { return selected; }, [&] { return extension; });
    EXPECT_EQ(Items(sound), (QStringList{"1: English, AAC stereo", "2: German, AC-3 5.1"}));
    EXPECT_EQ(sound.currentIndex(), 0) << "the source's default track";
    EXPECT_EQ(Items(subtitle),
              (QStringList{"No subtitles", "French (burned in)", "French (as a track)"}));
    EXPECT_EQ(subtitle.currentIndex(), 0);

    emit sound.activated(1);
    emit subtitle.activated(2);
    EXPECT_EQ(jobs.At(0)->choice, (TrackChoice{2, 0, true}));
    EXPECT_EQ(jobs.At(1)->choice, (TrackChoice{2, 0, true}));
    EXPECT_EQ(jobs.At(2)->choice, TrackChoice{}) << "its second track is another language";

    // The boxes show a job's own choice; an AVI output offers no subtitle track.
    selected = {2};
    extension = ".avi";
    boxes.Refresh();
    EXPECT_EQ(Items(sound)[1], "2: Spanish, AC-3 5.1");
    EXPECT_EQ(sound.currentIndex(), 0);
    EXPECT_EQ(Items(subtitle), (QStringList{"No subtitles", "French (burned in)"}));
    selected = {1};
    boxes.Refresh();
    EXPECT_EQ(sound.currentIndex(), 1);
    EXPECT_EQ(subtitle.currentIndex(), 0) << "kept as a track is not offered for AVI";

    // Nothing selected: empty, disabled boxes.
    selected = {};
    boxes.Refresh();
    EXPECT_EQ(sound.count(), 0);
    EXPECT_FALSE(sound.isEnabled());
    EXPECT_FALSE(subtitle.isEnabled());
}

TEST(TrackChoice, KeptJobListHoldsTracksAndChoiceAndReadsOlderLists) {
    QTemporaryDir dir;
    JobList jobs;
    Job j;
    j.caption = "film";
    j.info = Film("/films/film.mkv");
    j.info.sampleAspect = "32:27";
    j.info.tracks.push_back({K::Subtitle, -1, "en", "subrip", 0, false, false, "", "/f/film.srt"});
    j.choice = {2, 1, true};
    jobs.Append(j);
    const QString file = dir.filePath("jobs.json");
    ASSERT_TRUE(JobListStore::Save(file, jobs, QStringList()));
    JobList restored;
    ASSERT_TRUE(JobListStore::Restore(file, restored));
    ASSERT_EQ(restored.Count(), 1);
    EXPECT_EQ(restored.At(0)->info.tracks, j.info.tracks);
    EXPECT_EQ(restored.At(0)->info.sampleAspect, "32:27");
    EXPECT_EQ(restored.At(0)->choice, j.choice);

    // A list kept before tracks were known.
    const QString old = dir.filePath("old.json");
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"jobs":[{"caption":"old","source":"/films/old.avi","size":"640x480",)"
            R"("duration":"00:00:10","total":10,"begin":0,"end":10}],"running":""})");
    f.close();
    JobList older;
    ASSERT_TRUE(JobListStore::Restore(old, older));
    ASSERT_EQ(older.Count(), 1);
    EXPECT_TRUE(older.At(0)->info.tracks.empty());
    EXPECT_EQ(older.At(0)->info.sampleAspect, "");
    EXPECT_EQ(older.At(0)->choice, TrackChoice{});
}

TEST(TrackChoice, MainWindowShowsTheBoxesWhereTheLayoutPlacesThem) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    EXPECT_TRUE(w.cb_audio->isVisible());
    EXPECT_TRUE(w.cb_subtitle->isVisible());
    EXPECT_EQ(w.cb_audio->pos(), QPoint(520, 342));
    EXPECT_EQ(w.cb_subtitle->pos(), QPoint(520, 370));
    w.AppendJob("film", Film("/films/film.mkv"), TrimRecord{10, 0, 10});
    w.SelectRow(0);
    Pump();
    ASSERT_EQ(w.cb_audio->count(), 2);
    emit w.cb_audio->activated(1);
    EXPECT_EQ(w.Jobs().At(0)->choice.sound, 2);
    // The batch's run of the job takes the chosen track.
    const InvocationResult r = w.Session().BuildJobInvocation(*w.Jobs().At(0));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_NE(JoinCommandLine(r.rec).find(" -map 0:2"), std::string::npos)
        << JoinCommandLine(r.rec);
}

TEST(TrackChoice, PropertiesListEveryTrack) {
    Tfm_info info;
    info.FormShow(Film("/films/film.mkv"), TrimRecord{10, 0, 10});
    QStringList lines;
    for (int i = 0; i < info.lb_tracks->count(); ++i) lines << info.lb_tracks->item(i)->text();
    EXPECT_EQ(lines,
              (QStringList{"Sound 1: English, AAC stereo (default)", "Sound 2: German, AC-3 5.1",
                           "Subtitle 1: French, subrip, text"}));
    // A file without tracks (an older kept list) leaves nothing from the job before.
    info.FormShow(TenSecondClip("/films/plain.avi"), TrimRecord{10, 0, 10});
    EXPECT_EQ(info.lb_tracks->count(), 0);
}

TEST(TrackChoice, PreviewPlaysTheChosenTracks) {
    Program p;
    p.Show();
    Tfm_main& w = *p.fm_main;
    Toriginalinfo info = Film("/films/film.mkv");
    info.tracks.push_back({K::Subtitle, -1, "en", "subrip", 0, false, false, "", "/f/film.srt"});
    w.AppendJob("film", info, TrimRecord{10, 0, 10});
    const struct {
        TrackChoice choice;
        int sound, subtitle;
        const char* file;
    } cases[] = {
        {{}, 1, 0, ""},
        {{2, 0, false}, 2, 1, ""},
        {{-1, 1, true}, 1, 2, "/f/film.srt"},  // after the file's one subtitle stream
    };
    for (const auto& c : cases) {
        w.Jobs().SetChoice(0, c.choice);
        HoldPreview(w);
        const FakeTracks t = LastFakeTracks();
        ReleasePreview(w);
        EXPECT_EQ(t.sound, c.sound);
        EXPECT_EQ(t.subtitle, c.subtitle);
        EXPECT_EQ(t.subtitleFile, c.file);
    }
}
