#include "core/probeparse.h"

#include <gtest/gtest.h>

#include "core/timeutil.h"

namespace {

const char* kDuration = "  Duration: 00:01:40.04, start: 0.000000, bitrate: 1514 kb/s";
const char* kVideo =
    "    Stream #0.0: Video: mpeg4, yuv420p, 640x480 [PAR 1:1 DAR 4:3], 1200 kb/s, 25.00 tb(r)";
const char* kAudio = "    Stream #0.1: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s";

TEST(ProbeParse, WorkedExample) {
    vc::ProbeResult r;
    vc::ProbeReadLine(r, "Input #0, avi, from 'x.avi':");
    vc::ProbeReadLine(r, kDuration);
    vc::ProbeReadLine(r, kVideo);
    vc::ProbeReadLine(r, kAudio);
    EXPECT_EQ(r.durationText, "00:01:40");
    EXPECT_EQ(r.totalRate, "1514");
    EXPECT_EQ(r.videoRate, "1200");
    EXPECT_EQ(r.pictureSize, "640x480");
    EXPECT_EQ(r.videoFormat, "mpeg4");
    EXPECT_EQ(r.frameRate, " 25.00 tb(r");
    EXPECT_EQ(r.audioRate, "128");
    EXPECT_EQ(r.audioFormat, "mp3");
    EXPECT_EQ(r.sampleRate, " 44100 Hz");
    EXPECT_EQ(r.channels, " stereo");
}

TEST(ProbeParse, VideoOnlyLeavesAudioEmpty) {
    vc::ProbeResult r;
    vc::ProbeReadLine(r, kDuration);
    vc::ProbeReadLine(r, "    Stream #0.0: Video: h264, yuv420p, 320x240, 300 kb/s, 25.00 fps ");
    EXPECT_EQ(r.pictureSize, "320x240");
    EXPECT_EQ(r.videoFormat, "h264");
    EXPECT_EQ(r.frameRate, " 25.00 fps");
    EXPECT_TRUE(r.audioFormat.empty());
    EXPECT_TRUE(r.audioRate.empty());
    EXPECT_TRUE(r.sampleRate.empty());
    EXPECT_TRUE(r.channels.empty());
}

TEST(ProbeParse, PartialThenWholeDurationLine) {
    vc::ProbeResult r;
    vc::ProbeReadLine(r, "  Duration: 00:0");
    EXPECT_EQ(r.durationText, "00:0");
    vc::ProbeReadLine(r, kDuration);
    EXPECT_EQ(r.durationText, "00:01:40");
    EXPECT_EQ(r.totalRate, "1514");
}

TEST(ProbeParse, DurationNotAvailable) {
    vc::ProbeResult r;
    vc::ProbeReadLine(r, "  Duration: N/A, start: 0.000000, bitrate: N/A");
    EXPECT_EQ(r.durationText, "--:--:--");
    EXPECT_EQ(vc::HmsToSeconds(r.durationText), 0);
    EXPECT_FALSE(vc::IsKnownDuration(r.durationText));
    EXPECT_TRUE(r.totalRate.empty());
    // Delivered in part first: the whole line still ends as unknown.
    vc::ProbeResult p;
    vc::ProbeReadLine(p, "  Duration: N/");
    vc::ProbeReadLine(p, "  Duration: N/A, start: 0.000000, bitrate: N/A");
    EXPECT_EQ(p.durationText, "--:--:--");
}

TEST(ProbeParse, RateTokens) {
    struct Case {
        const char* key;
        const char* line;
        const char* rate;
    };
    const Case cases[] = {
        {"bitrate:", kDuration, "1514"},
        {"Video:", kDuration, ""},                                    // key missing
        {"Audio:", "Audio: aac, 44100 Hz, stereo, fltp", ""},         // no " kb/s"
        {"Audio:", "Audio: aac, 44100 Hz,  kb/s", ""},                // blank right before
        {"bitrate:", "bitrate: 123456789012345 kb/s", "6789012345"},  // last 10 characters
        {"bitrate:", "bitrate: 1234567890 kb/s", "1234567890"},
        {"bitrate:", "12 kb/s bitrate:", "12"},  // token at line start
    };
    for (const auto& tc : cases)
        EXPECT_EQ(vc::ExtractRateBeforeKbs(tc.key, tc.line), tc.rate) << tc.line;
}

TEST(ProbeParse, PictureSize) {
    struct Case {
        const char* line;
        const char* size;
    };
    const Case cases[] = {
        {kVideo, "640x480"},
        {"Stream #0.0: Video: h264, yuv420p, 1920x1080", "1920x108"},  // last character dropped
        {"Stream #0.0: Video: mpeg4 (FMP4 / 0x34504D46), yuv420p, 640x480, 25 fps", "0x34504"},
        {"Stream #0.1: Audio: aac, 44100 Hz, stereo", ""},
        {"Stream #0.0: Video: h264, yuv420p, 25 fps", ""},
        {"Video: a,verylongabcdx12 ", "rylongabcdx12"},  // no blank within 10
    };
    for (const auto& tc : cases) EXPECT_EQ(vc::ExtractPictureSize(tc.line), tc.size) << tc.line;
}

TEST(ProbeParse, LaterStreamLineOverwritesAndShortLinesClear) {
    vc::ProbeResult r;
    vc::ProbeReadLine(r, kAudio);
    vc::ProbeReadLine(r, "    Stream #0.2: Audio: ac3, 48000 Hz, 5.1(side), fltp, 384 kb/s");
    EXPECT_EQ(r.audioFormat, "ac3");
    EXPECT_EQ(r.sampleRate, " 48000 Hz");
    EXPECT_EQ(r.channels, " 5.1(side)");
    EXPECT_EQ(r.audioRate, "384");
    // A line cut before its second comma empties the values it cannot fill.
    vc::ProbeReadLine(r, "    Stream #0.2: Audio: ac3, 480");
    EXPECT_EQ(r.audioFormat, "ac3");
    EXPECT_TRUE(r.sampleRate.empty());
    EXPECT_TRUE(r.channels.empty());
    EXPECT_EQ(r.audioRate, "384");  // nothing found leaves the rate alone

    r.Clear();
    EXPECT_TRUE(r.audioFormat.empty());
    EXPECT_TRUE(r.durationText.empty());
}

TEST(ProbeParse, ProbeEndLines) {
    struct Case {
        const char* line;
        bool recognised;
        int index, status;
    } cases[] = {
        {"[[probe-end 0 0]]", true, 0, 0},
        {"[[probe-end 12 1]]", true, 12, 1},
        // Delivered in part: never taken for the end of an input.
        {"[[probe-end 12", false, 0, 0},
        {"[[probe-end 12 1", false, 0, 0},
        {"[[probe-end 12 1]", false, 0, 0},
        {"[[probe-end  1 0]]", false, 0, 0},
        {"[[probe-end 1 0]] ", false, 0, 0},
        {"  [[probe-end 1 0]]", false, 0, 0},
        {"[[probe-end x 0]]", false, 0, 0},
        {"Error: the input file does not exist or cannot be reached", false, 0, 0},
        {"  Duration: 00:00:02.00, start: 0.000000, bitrate: 848 kb/s", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        int index = -1, status = -1;
        EXPECT_EQ(vc::ParseProbeEnd(c.line, &index, &status), c.recognised);
        if (c.recognised) {
            EXPECT_EQ(index, c.index);
            EXPECT_EQ(status, c.status);
        }
    }
    // The end line leaves the answer it closes alone.
    vc::ProbeResult r;
    vc::ProbeReadLine(r, kDuration);
    vc::ProbeReadLine(r, "[[probe-end 0 0]]");
    EXPECT_EQ(r.durationText, "00:01:40");
    EXPECT_EQ(r.totalRate, "1514");
}

TEST(ProbeParse, ShapeLineGivesOnlyThePixelShape) {
    const struct {
        const char* line;
        const char* sar;
    } cases[] = {
        {"    Shape #0.0: [SAR 32:27 DAR 16:9]", "32:27"},
        {"    Shape #0.3: [SAR 1:1 DAR 4:3]", "1:1"},
        {"    Shape #0.0: [SAR 32:2", ""},  // delivered in part
        {"    Shape #0.0: [SAR x:1 DAR 4:3]", ""},
        {kVideo, ""},  // the stream line's own [PAR ...] is not read
        {"    Stream #0.0: Video: h264, yuv420p, 720x480, 300 kb/s, 25.00 fps [SAR 8:9 DAR 4:3]",
         ""},
    };
    for (const auto& c : cases) EXPECT_EQ(vc::ExtractSampleAspect(c.line), c.sar) << c.line;

    // A shape line between the stream lines leaves every value the readers took as it was.
    vc::ProbeResult r;
    vc::ProbeReadLine(r, kDuration);
    vc::ProbeReadLine(r, kVideo);
    vc::ProbeReadLine(r, "    Shape #0.0: [SAR 32:27 DAR 16:9]");
    vc::ProbeReadLine(r, kAudio);
    vc::ProbeResult without;
    vc::ProbeReadLine(without, kDuration);
    vc::ProbeReadLine(without, kVideo);
    vc::ProbeReadLine(without, kAudio);
    EXPECT_EQ(r.sampleAspect, "32:27");
    r.sampleAspect.clear();
    for (auto field :
         {&vc::ProbeResult::pictureSize, &vc::ProbeResult::videoRate, &vc::ProbeResult::audioRate,
          &vc::ProbeResult::videoFormat, &vc::ProbeResult::audioFormat,
          &vc::ProbeResult::sampleRate, &vc::ProbeResult::channels, &vc::ProbeResult::frameRate,
          &vc::ProbeResult::totalRate, &vc::ProbeResult::durationText})
        EXPECT_EQ(r.*field, without.*field);
}

}  // namespace
