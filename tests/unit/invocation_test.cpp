#include "core/invocation.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/cmdline.h"
#include "core/profilesettings.h"
#include "core/timeutil.h"

using namespace vc;

namespace {

// A job and the boxes as a selection of the profile leaves them.
struct Job {
    QTemporaryDir dir;
    PlainFormatBoxes plain;
    InvocationInputs in;

    Job(int profileId, std::vector<std::string> sizes, const std::string& size, int video,
        int audio, int channel = 1) {
        FormatBoxes boxes = plain.boxes();
        InitFormatBoxes(boxes);
        SetSelectedProfile(in.profile, profileId);
        for (const std::string& s : sizes) plain.size.addItem(s);
        const int i = plain.size.findText(size);
        if (i >= 0)
            plain.size.setCurrentIndex(i);
        else
            plain.size.setEditText(size);
        plain.video.addItem(kKeepSourceVideo);
        plain.audio.addItem(kKeepSourceAudio);
        plain.video.setCurrentIndex(video);
        plain.audio.setCurrentIndex(audio);
        plain.channel.setCurrentIndex(channel);
        if (profileId == 112 || profileId == 113 || profileId == 114) {
            plain.video.setEnabled(false);
            plain.audio.setEnabled(false);
            plain.channel.setEnabled(false);
        }
        const std::string rates[5] = {"900", "700", "500", "300", "200"};
        for (int k = 0; k < 5; ++k) in.profile.videoRates[k] = rates[k];
        in.profile.arguments = "-c:v libx264 -f avi";
        in.boxes = boxes;
        in.outputFolderText = dir.path().toStdString() + "/out";
        in.caption = "clip";
        in.job.sourcePath = "/media/in.avi";
        in.job.pictureSize = "640x480";
        in.job.durationText = "00:01:40";
        in.job.videoRate = "1200";
        in.job.audioRate = "96";
        in.trim = {100, 0, 100};
        in.encoderPath = "/opt/vc/register.dat";
        in.programDirectory = "/opt/vc/";
    }
    std::string Out() const { return dir.path().toStdString() + "/out/"; }
};

}  // namespace

TEST(Invocation, WorkedExampleByteForByte) {
    Job j(102, {"160x120", "176x144", "320x240", "352x288", "640x480"}, "320x240", 2, 1);
    j.in.encoderPath = "/opt/Video Converter/register.dat";
    j.in.job.sourcePath = "/media/my clip.avi";
    j.in.profile.arguments = "-c:v libx264 -c:a libmp3lame -f avi";
    const InvocationResult r = BuildInvocation(j.in);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.rec.outputFile, j.Out() + "clip.avi");
    EXPECT_EQ(r.rec.lengthSeconds, 100);
    EXPECT_EQ(r.rec.workingDirectory, "/opt/vc/");
    const std::string expected =
        "\"/opt/Video Converter/register.dat\" -vormek -y  -ss 00:00:00 -vormin "
        "\"/media/my clip.avi\" -r 24 -b 799000 -ab 192000 -ac 2 -aspect 1.3333 -t 00:01:40 "
        "-s 320x240  -ar 44100 -c:v libx264 -c:a libmp3lame -f avi -sn  " +
        j.Out() + "clip.avi";
    EXPECT_EQ(JoinCommandLine(r.rec), expected);
}

TEST(Invocation, FragmentTable) {
    struct Case {
        const char* name;
        int profile;
        std::vector<std::string> sizes;
        std::string size;
        int video, audio, channel;
        // Expected fragments; nullptr = not checked.
        const char* sizeF;
        const char* aspectF;
        const char* videoF;
        const char* audioF;
        const char* sampleF;
        const char* channelF;
        const char* formatF;
    } cases[] = {
        // clang-format off
        {"VCD PAL", 112, {"PAL", "NTSC"}, "PAL", 2, 2, 1,
         "", "", "", "", "", " -ac 2", "-c:v libx264 -f avi -target pal-vcd "},
        {"SVCD NTSC", 113, {"PAL", "NTSC"}, "NTSC", 2, 2, 0,
         "", "", "", "", "", " -ac 1", "-c:v libx264 -f avi -target ntsc-svcd "},
        {"DVD", 114, {"PAL", "NTSC"}, "PAL", 2, 2, 1,
         "", "", "", "", "", nullptr, "-c:v libx264 -f avi -target pal-dvd "},
        {"3GP audio Normal", 8, {"176x144"}, "176x144", 2, 2, 1,
         " -s 176x144", " -aspect 1.2222", nullptr, " -ab 7400", " -ar 8000 ", " -ac 1 ", nullptr},
        {"AMR Lower", 71, {"No Video"}, "No Video", 2, 4, 1,
         nullptr, nullptr, nullptr, " -ab 4750", " -ar 8000 ", " -ac 1 ", nullptr},
        {"Higher audio: 48000", 102, {"320x240"}, "320x240", 2, 0, 1,
         nullptr, nullptr, " -r 24 -b 799000", " -ab 320000", " -ar 48000 ", nullptr, nullptr},
        {"High audio: 44100", 102, {"320x240"}, "320x240", 2, 1, 1,
         nullptr, nullptr, nullptr, " -ab 192000", " -ar 44100 ", nullptr, nullptr},
        {"Low audio: 22050", 102, {"320x240"}, "320x240", 2, 3, 1,
         nullptr, nullptr, nullptr, " -ab 64000", " -ar 22050 ", nullptr, nullptr},
        {"NTSC note", 102, {"720x480(NTSC)"}, "720x480(NTSC)", 2, 2, 1,
         " -s 720x480", " -aspect 1.5000", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"16:9", 102, {"1280x720"}, "1280x720", 2, 2, 1,
         " -s 1280x720", " -aspect 1.7778", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"keep-source size", 102, {"320x240", kKeepSourceSize}, kKeepSourceSize, 2, 2, 1,
         " -s 640x480", " -aspect 1.3333", " -r 24 -b 1598000", nullptr, nullptr, nullptr,
         nullptr},
        {"keep-source video and audio", 102, {"320x240"}, "320x240", 5, 5, 1,
         nullptr, nullptr, " -r 24 -b 1200000", " -ab 96000", " -ar 44100 ", nullptr, nullptr},
        {"typed size", 102, {"320x240"}, "400x300", 2, 2, 1,
         " -s 400x300", " -aspect 1.3333", " -r 24 -b 999000", nullptr, nullptr, nullptr,
         nullptr},
        {"device rates", 27, {"320x240"}, "320x240", 1, 2, 1,
         nullptr, nullptr, " -r 24 -b 700000", " -ab 128000", nullptr, nullptr, nullptr},
        {"no chosen channel: stereo", 27, {"320x240"}, "320x240", 1, 2, -1,
         nullptr, nullptr, nullptr, nullptr, nullptr, " -ac 2", nullptr},
        {"no chosen qualities: Normal", 27, {"320x240"}, "320x240", -1, -1, 1,
         nullptr, nullptr, " -r 24 -b 500000", " -ab 128000", nullptr, nullptr, nullptr},
        // 3GP: 96 x 1.51 = 145 plus 12 for the phone audio, minus 320 from the audio table
        // would be negative.
        {"small 3GP picture, rich audio", 8, {"128x96"}, "128x96", 4, 0, 1,
         nullptr, nullptr, " -r 24 -b 32000", " -ab 12200", nullptr, nullptr, nullptr},
        {"3GP Normal video and audio", 8, {"176x144"}, "176x144", 2, 2, 1,
         nullptr, nullptr, " -r 24 -b 359000", nullptr, nullptr, nullptr, nullptr},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Job j(c.profile, c.sizes, c.size, c.video, c.audio, c.channel);
        if (c.profile == 71) {
            j.in.profile.videoRates[0] = "*";
            j.plain.size.setEnabled(false);
        }
        const InvocationResult r = BuildInvocation(j.in);
        ASSERT_TRUE(r.ok()) << r.error;
        auto check = [](const char* want, const std::string& got) {
            if (want) {
                EXPECT_EQ(got, want);
            }
        };
        check(c.sizeF, r.rec.sizeFragment);
        check(c.aspectF, r.rec.aspectFragment);
        check(c.videoF, r.rec.videoRateFragment);
        check(c.audioF, r.rec.audioRateFragment);
        check(c.sampleF, r.rec.sampleRateFragment);
        check(c.channelF, r.rec.channelFragment);
        check(c.formatF, r.rec.formatFragment);
    }
}

TEST(Invocation, VcdCommandLineEndsWithTheTarget) {
    Job j(112, {"PAL", "NTSC"}, "PAL", 2, 2);
    j.in.profile.arguments = "-f vcd";
    const InvocationResult r = BuildInvocation(j.in);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(JoinCommandLine(r.rec),
              "/opt/vc/register.dat -vormek -y  -ss 00:00:00 -vormin /media/in.avi -ac 2 -t "
              "00:01:40 -f vcd -target pal-vcd  -sn  " +
                  j.Out() + "clip.mpg");
}

TEST(Invocation, InvalidSizesAndFoldersAreErrorsNotCrashes) {
    for (const char* typed :
         {"abc", "320x", "x240", "320X240", "0x240", "320x0", "320x240 -f null"}) {
        Job j(102, {"320x240"}, typed, 2, 2);
        const InvocationResult r = BuildInvocation(j.in);
        EXPECT_FALSE(r.ok()) << typed;
        EXPECT_NE(r.error.find("width"), std::string::npos) << r.error;
    }
    {
        Job j(102, {"320x240"}, "320x240", 2, 2);
        j.in.outputFolderText = "";
        EXPECT_FALSE(BuildInvocation(j.in).ok());
        j.in.outputFolderText = j.dir.path().toStdString() + "/no/such/parents";
        EXPECT_FALSE(BuildInvocation(j.in).ok());
    }
    {
        Job j(112, {"PAL", "NTSC"}, "", 2, 2);  // disc profile without a standard
        EXPECT_FALSE(BuildInvocation(j.in).ok());
    }
    {
        Job j(102, {"320x240"}, "320x240", 5, 2);
        j.in.job.videoRate = "fast";
        EXPECT_FALSE(BuildInvocation(j.in).ok());
    }
}

TEST(Invocation, OutputFolderIsCreatedAndNamesAvoidExistingFiles) {
    Job j(102, {"320x240"}, "320x240", 2, 2);
    namespace fs = std::filesystem;
    EXPECT_FALSE(fs::exists(j.Out()));
    std::vector<std::string> made;
    for (int k = 0; k < 3; ++k) {
        const InvocationResult r = BuildInvocation(j.in);
        ASSERT_TRUE(r.ok()) << r.error;
        made.push_back(r.rec.outputFile);
        std::ofstream(r.rec.outputFile) << "x";
    }
    EXPECT_EQ(made, (std::vector<std::string>{j.Out() + "clip.avi", j.Out() + "clip_1.avi",
                                              j.Out() + "clip_2.avi"}));
    // A folder typed with its trailing "/" is taken as it is.
    j.in.outputFolderText = j.Out();
    EXPECT_EQ(BuildInvocation(j.in).rec.outputFile, j.Out() + "clip_3.avi");

    struct Case {
        const char* caption;
        std::set<std::string> existing;
        const char* expected;
    } names[] = {
        {"my.clip", {}, "/o/my.avi"},
        {"my.clip", {"/o/my.avi"}, "/o/my.clip_1.avi"},
        {"clip", {"/o/clip.avi", "/o/clip_1.avi"}, "/o/clip_2.avi"},
        {"a.b.c", {}, "/o/a.b.avi"},
    };
    for (const Case& c : names) {
        auto exists = [&c](const std::string& p) { return c.existing.count(p) > 0; };
        EXPECT_EQ(ChooseOutputPath("/o/", c.caption, ".avi", exists), c.expected) << c.caption;
    }
}

TEST(Invocation, StartLengthAndQuotedPathsSurviveSplitting) {
    Job j(102, {"320x240"}, "320x240", 2, 2);
    j.in.trim = {100, 65, 90};
    j.in.job.durationText = "";
    j.in.job.sourcePath = "/media/say \"hi\" \\ now.avi";
    j.in.caption = "odd \"name\"";
    const InvocationResult r = BuildInvocation(j.in);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.rec.startFragment, " -ss 00:01:05");
    EXPECT_EQ(r.rec.lengthFragment, "") << "no length known: the whole source";
    EXPECT_EQ(r.rec.lengthSeconds, 0);
    const std::vector<std::string> args = SplitCommandLine(JoinCommandLine(r.rec));
    ASSERT_GE(args.size(), 6u);
    EXPECT_EQ(args[6], j.in.job.sourcePath);
    EXPECT_EQ(args.back(), j.Out() + "odd \"name\".avi");
}

TEST(Invocation, AnUntrimmedJobIsGivenItsWholeLength) {
    struct Case {
        const char* exact;
        TrimRecord trim;
        const char* durationText;
        const char* expected;
    } cases[] = {
        {"00:00:06.48", {6, 0, 6}, "00:00:06", "00:00:07"},      // the fraction is not cut off
        {"00:01:40.00", {100, 0, 100}, "00:01:40", "00:01:40"},  // whole seconds stay as they are
        {"00:01:40.04", {100, 10, 70}, "00:01:00", "00:01:00"},  // a trimmed range is exact
        {"00:01:40.04", {100, 0, 70}, "00:01:10", "00:01:10"},
        {"", {6, 0, 6}, "00:00:06", "00:00:06"},  // nothing better known
        {"N/A", {0, 0, 0}, "N/A, sta", "N/A, sta"},
    };
    for (const Case& c : cases) {
        Toriginalinfo job;
        job.exactDuration = c.exact;
        job.durationText = c.durationText;
        EXPECT_EQ(LengthText(job, c.trim), c.expected) << c.exact << " " << c.trim.begin;
    }
}

TEST(Invocation, ShapeFilterFitsTheShownShapeIntoTheFrame) {
    struct Case {
        const char* fragment;
        const char* source;
        const char* sar;
        const char* expected;
    } cases[] = {
        {" -s 640x480", "720x404", "", "scale=640:358,pad=640:480:0:60:black,setsar=1"},
        {" -s 1280x720", "640x480", "", "scale=960:720,pad=1280:720:160:0:black,setsar=1"},
        // A DVD picture shown at 16:9 goes wide, not 3:2.
        {" -s 640x480", "720x480", "32:27", "scale=640:360,pad=640:480:0:60:black,setsar=1"},
        {" -s 640x360", "720x480", "32:27", ""},
        {" -s 320x240", "640x480", "", ""},
        {" -s 320x240", "640x480", "1:1", ""},
        {" -s 1920x1080", "1918x1080", "", ""},  // within 1 %: no bars of a pixel
        {" -s 176x144", "333x201", "", "scale=176:106,pad=176:144:0:18:black,setsar=1"},
        {" -s 320x240", "", "", ""},  // nothing known of the source
        {"", "640x480", "", ""},
        {" -s 640x480", "720x405", "bad", "scale=640:360,pad=640:480:0:60:black,setsar=1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShapeFilter(c.fragment, c.source, c.sar), c.expected)
            << c.fragment << " " << c.source << " " << c.sar;
}

TEST(Invocation, ReshapedPictureOnlyForAProfileSize) {
    // A 16:9 source: the profile's 4:3 size gets bars, the keep-source size stays as it is.
    Job framed(102, {"320x240", "640x480", kKeepSourceSize}, "640x480", 2, 1);
    framed.in.job.pictureSize = "1280x720";
    InvocationResult r = BuildInvocation(framed.in);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_NE(JoinCommandLine(r.rec).find(
                  " -s 640x480 -vf scale=640:360,pad=640:480:0:60:black,setsar=1  -ar "),
              std::string::npos)
        << JoinCommandLine(r.rec);

    Job own(102, {"320x240", "640x480", kKeepSourceSize}, kKeepSourceSize, 2, 1);
    own.in.job.pictureSize = "720x480";
    own.in.job.sampleAspect = "32:27";
    r = BuildInvocation(own.in);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.rec.filterFragment, "");
    EXPECT_EQ(JoinCommandLine(r.rec).find("-vf"), std::string::npos);
}

TEST(Invocation, LengthOnlyWhenTheDurationIsATime) {
    const struct {
        const char* duration;
        const char* fragment;
        int seconds;
    } cases[] = {
        {"00:01:40", " -t 00:01:40", 100},
        {kUnknownDurationText, "", 0},  // a raw stream
        {"N/A, sta", "", 0},
        {"", "", 0},
        {"00:0", "", 0},
    };
    for (const auto& c : cases) {
        Job j(102, {"320x240"}, "320x240", 2, 2);
        j.in.job.durationText = c.duration;
        const InvocationResult r = BuildInvocation(j.in);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.rec.lengthFragment, c.fragment) << c.duration;
        EXPECT_EQ(r.rec.lengthSeconds, c.seconds) << c.duration;
        const std::vector<std::string> args = SplitCommandLine(JoinCommandLine(r.rec));
        const auto t = std::find(args.begin(), args.end(), "-t");
        if (*c.fragment) {
            ASSERT_NE(t, args.end()) << c.duration;
            EXPECT_EQ(*(t + 1), c.duration);
        } else {
            EXPECT_EQ(t, args.end()) << c.duration;
        }
    }
}

TEST(Invocation, TrackChoiceReachesTheCommandLine) {
    using K = MediaTrack::Kind;
    const std::vector<MediaTrack> film = {
        {K::Sound, 1, "eng", "aac", 2, false, false, "", ""},
        {K::Sound, 2, "ger", "ac3", 6, false, true, "", ""},
        {K::Subtitle, 3, "eng", "subrip", 0, false, false, "", ""},
        {K::Subtitle, 4, "eng", "hdmv_pgs_subtitle", 0, true, false, "", ""},
        {K::Subtitle, -1, "de", "subrip", 0, false, false, "", "/media/in.de.srt"},
    };
    const std::vector<MediaTrack> oneSound = {film[0], film[2]};
    const char* kSubs = "subtitles=filename=/media/in.mkv:si=0";
    struct Case {
        const char* what;
        std::vector<MediaTrack> tracks;
        TrackChoice choice;
        const char* extension;
        int begin;  // trim start
        std::string expected;
    } cases[] = {
        {"nothing to choose", {}, {}, ".avi", 0, ""},
        {"one sound track, no subtitle", oneSound, {}, ".avi", 0, ""},
        {"the default track, not the first", film, {}, ".avi", 0, " -map 0:v:0? -map 0:2"},
        {"the chosen track", film, {1, -1, false}, ".avi", 0, " -map 0:v:0? -map 0:1"},
        {"a track the file lacks", film, {9, -1, false}, ".avi", 0, " -map 0:v:0? -map 0:2"},
        {"text burned in", oneSound, {-1, 0, false}, ".avi", 0, std::string(" -vf ") + kSubs},
        {"text burned in after a trim",
         oneSound,
         {-1, 0, false},
         ".avi",
         30,
         std::string(" -vf setpts=PTS+30/TB,") + kSubs + ",setpts=PTS-STARTPTS"},
        {"picture subtitle laid over",
         film,
         {1, 1, false},
         ".avi",
         30,
         " -filter_complex [0:v:0][0:4]overlay=eof_action=pass[vout] -map [vout] -map 0:1"},
        {"file burned in",
         film,
         {-1, 2, false},
         ".avi",
         0,
         " -map 0:v:0? -vf subtitles=filename=/media/in.de.srt -map 0:2"},
        {"kept in MKV",
         film,
         {-1, 0, true},
         ".mkv",
         30,
         " -map 0:v:0? -map 0:2 -map 0:3 -c:s copy"},
        {"file kept in MP4",
         {film[0], film[2], film[4]},
         {-1, 1, true},
         ".mp4",
         0,
         " -map 0:v:0? -map 0:1 -vormsub /media/in.de.srt -map 1:0 -metadata:s:s:0 language=de "
         "-c:s mov_text"},
        {"picture subtitle cannot be an MP4 track",
         film,
         {1, 1, true},
         ".mp4",
         0,
         " -filter_complex [0:v:0][0:4]overlay=eof_action=pass[vout] -map [vout] -map 0:1"},
        {"AVI keeps no subtitle track: burned",
         oneSound,
         {-1, 0, true},
         ".avi",
         0,
         std::string(" -vf ") + kSubs},
    };
    for (const Case& c : cases) {
        Job j(102, {"320x240", "640x480"}, "320x240", 2, 1);
        j.in.job.sourcePath = "/media/in.mkv";
        j.in.job.tracks = c.tracks;
        j.in.choice = c.choice;
        j.in.profile.extension = c.extension;
        j.in.trim = {100, c.begin, 100};
        const InvocationResult r = BuildInvocation(j.in);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.rec.filterFragment, c.expected) << c.what;
    }

    // The shape comes after the burned subtitle, which is drawn at the source's size.
    Job wide(102, {"320x240", "640x480"}, "640x480", 2, 1);
    wide.in.job.pictureSize = "1280x720";
    wide.in.job.sourcePath = "/media/in.mkv";
    wide.in.job.tracks = oneSound;
    wide.in.choice = {-1, 0, false};
    EXPECT_EQ(BuildInvocation(wide.in).rec.filterFragment,
              std::string(" -vf ") + kSubs + ",scale=640:360,pad=640:480:0:60:black,setsar=1");
    // A sound-only output takes the chosen sound track and no subtitle.
    Job sound(15, {}, "", 2, 1);
    sound.plain.size.setEnabled(false);
    sound.in.job.tracks = film;
    sound.in.choice = {1, 0, false};
    ASSERT_TRUE(IsAudioOnlyProfile(sound.in.profile.profileId));
    EXPECT_EQ(BuildInvocation(sound.in).rec.filterFragment, " -map 0:1");
}

TEST(Invocation, FilterValuesSurviveBothLevelsOfEscaping) {
    EXPECT_EQ(FilterValue("/films/plain.srt"), "/films/plain.srt");
    EXPECT_EQ(FilterValue("a:b"), "a\\\\:b");
    EXPECT_EQ(FilterValue("it's"), "it\\\\\\'s");
    EXPECT_EQ(FilterValue("[x],y;z"), "\\[x\\]\\,y\\;z");
    EXPECT_EQ(FilterValue("c:\\d"), "c\\\\:\\\\\\\\d");
}
