#include "core/trackchoice.h"

#include <gtest/gtest.h>

#include "core/probeparse.h"

using namespace vc;

namespace {

// Two languages of sound, the second marked default, a text subtitle stream and an English
// subtitle file beside the source.
Toriginalinfo Film() {
    Toriginalinfo job;
    ProbeResult r;
    for (const char* line :
         {"    Stream #0.0: Video: h264, yuv420p, 720x404, 900 kb/s, 25.00 fps ",
          "    Stream #0.1: Audio: aac, 48000 Hz, stereo, fltp, 128 kb/s",
          "    Stream #0.2: Audio: ac3, 48000 Hz, 5.1(side), fltp, 384 kb/s",
          "    Track #0.1: sound eng aac 2 - []", "    Track #0.2: sound ger ac3 6 default []",
          "    Track #0.3: subtitle fre subrip text - [Forced%3A signs]",
          "    Track file: subtitle en subrip text - [/films/film.en.srt]"})
        ProbeReadLine(r, line);
    job.tracks = r.tracks;
    return job;
}

}  // namespace

TEST(TrackLines, EveryFieldAndOnlyWholeLines) {
    MediaTrack t;
    ASSERT_TRUE(
        ParseTrackLine("    Track #0.4: sound spa eac3 6 default [Video%3A 12 kb/s%5D]\n", &t));
    EXPECT_EQ(t.kind, MediaTrack::Kind::Sound);
    EXPECT_EQ(t.stream, 4);
    EXPECT_EQ(t.language, "spa");
    EXPECT_EQ(t.codec, "eac3");
    EXPECT_EQ(t.channels, 6);
    EXPECT_TRUE(t.isDefault);
    EXPECT_EQ(t.title, "Video: 12 kb/s]");

    ASSERT_TRUE(ParseTrackLine("    Track #0.5: subtitle und hdmv_pgs_subtitle picture - []", &t));
    EXPECT_EQ(t.kind, MediaTrack::Kind::Subtitle);
    EXPECT_TRUE(t.picture);
    EXPECT_EQ(t.language, "");
    EXPECT_FALSE(t.isDefault);

    ASSERT_TRUE(ParseTrackLine("    Track file: subtitle - ass text - [/a%3Ab/film.ass]", &t));
    EXPECT_EQ(t.stream, -1);
    EXPECT_EQ(t.file, "/a:b/film.ass");

    for (const char* refused : {
             "    Track #0.4: sound spa eac3 6 default [Direc",  // in part
             "    Track #0.1",
             "    Track #0.x: sound spa eac3 6 default []",
             "    Track #0.1: sound spa eac3 default []",  // a field short
             "    Track #0.1: music spa eac3 6 default []",
             "    Track file: sound en mp3 2 - [/a.mp3]",  // files are subtitles only
             "    Track file: subtitle en subrip text - []",
             "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s",
         })
        EXPECT_FALSE(ParseTrackLine(refused, &t)) << refused;

    // A line delivered in part and then whole is one track; the stream lines keep their values.
    ProbeResult r;
    ProbeReadLine(r, "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s");
    ProbeReadLine(r, "    Track #0.1: sound eng mp3 2 default [Comm");
    ProbeReadLine(r, "    Track #0.1: sound eng mp3 2 default [Commentary]");
    ProbeReadLine(r, "    Track #0.1: sound eng mp3 2 default [Commentary]");
    ASSERT_EQ(r.tracks.size(), 1u);
    EXPECT_EQ(r.tracks[0].title, "Commentary");
    EXPECT_EQ(r.audioFormat, "mp3");
    EXPECT_EQ(r.channels, " stereo");
    EXPECT_EQ(r.audioRate, "128");
}

TEST(TrackChoiceEntries, BoxTextsAndTheChoiceTheyStandFor) {
    const Toriginalinfo job = Film();
    EXPECT_EQ(SoundEntries(job),
              (std::vector<std::string>{"1: English, AAC stereo", "2: German, AC-3 5.1"}));
    EXPECT_EQ(DefaultSoundStream(job), 2) << "the track marked default, not the first";
    EXPECT_EQ(SoundEntryOf(job, TrackChoice{}), 1);
    EXPECT_EQ(SoundEntryOf(job, TrackChoice{1, -1, false}), 0);
    EXPECT_EQ(ChosenSoundStream(job, TrackChoice{7, -1, false}), 2) << "a stream it lacks";

    std::vector<std::string> texts;
    for (const auto& e : SubtitleEntries(job, true)) texts.push_back(e.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"No subtitles", "French (burned in)", "French (as a track)",
                                        "English - film.en.srt (burned in)",
                                        "English - film.en.srt (as a track)"}));
    const auto burnOnly = SubtitleEntries(job, false);
    ASSERT_EQ(burnOnly.size(), 3u);
    EXPECT_EQ(burnOnly[2].text, "English - film.en.srt (burned in)");
    EXPECT_EQ(burnOnly[2].subtitle, 1);
    EXPECT_EQ(SubtitleEntryOf(SubtitleEntries(job, true), TrackChoice{-1, 1, true}), 4);
    // Kept as a track where the output cannot keep it: the box shows none.
    EXPECT_EQ(SubtitleEntryOf(burnOnly, TrackChoice{-1, 1, true}), 0);
    EXPECT_EQ(SubtitleEntryOf(burnOnly, TrackChoice{}), 0);

    EXPECT_EQ(TrackDescriptions(job),
              (std::vector<std::string>{"Sound 1: English, AAC stereo",
                                        "Sound 2: German, AC-3 5.1 (default)",
                                        "Subtitle 1: French, subrip, text (Forced: signs)",
                                        "Subtitle 2: English - film.en.srt"}));

    EXPECT_TRUE(KeepsSubtitleTracks(".MKV"));
    EXPECT_TRUE(KeepsSubtitleTracks(".mp4"));
    EXPECT_FALSE(KeepsSubtitleTracks(".avi"));
}

TEST(TrackChoiceEntries, JobsShareAChoiceOnlyWithTheSameTracks) {
    const Toriginalinfo a = Film();
    Toriginalinfo b = Film();
    b.tracks.back().file = "/films/other.en.srt";
    EXPECT_TRUE(SameTracks(a, b)) << "subtitle files of the same language";
    b.tracks[1].language = "fre";
    EXPECT_FALSE(SameTracks(a, b));
    Toriginalinfo c = Film();
    c.tracks.pop_back();
    EXPECT_FALSE(SameTracks(a, c));
    EXPECT_EQ(LanguageName("deu"), "German");
    EXPECT_EQ(LanguageName("de"), "German");
    EXPECT_EQ(LanguageName("qqq"), "qqq");
    EXPECT_EQ(LanguageName("und"), "");
}
