#include "core/rates.h"

#include <gtest/gtest.h>

using namespace vc;

namespace {

struct Choices {
    int profile;
    std::string size;  // chosen size entry, or typed text
    int video;         // chosen index of the video box (5 = its special entry), -1 none
    int audio;         // chosen index of the audio box, -1 none
};

// Boxes as a selection leaves them for a profile: five qualities, keep-source entries for the
// generic profiles, "No Video" for audio-only ones.
struct Fixture {
    PlainFormatBoxes plain;
    FormatBoxes boxes = plain.boxes();
    ProfileState profile;
    Toriginalinfo job;

    explicit Fixture(const Choices& s) {
        InitFormatBoxes(boxes);
        SetSelectedProfile(profile, s.profile);
        const std::string sizes[] = {"320x240", "640x480", "720x480(NTSC)", "176x144",
                                     kKeepSourceSize};
        int sizeIndex = -1;
        for (int i = 0; i < 5; ++i) {
            plain.size.addItem(sizes[i]);
            if (sizes[i] == s.size) sizeIndex = i;
        }
        if (sizeIndex >= 0)
            plain.size.setCurrentIndex(sizeIndex);
        else
            plain.size.setEditText(s.size);
        const std::string rates[5] = {"768", "512", "384", "256", "192"};
        for (int i = 0; i < 5; ++i) profile.videoRates[i] = rates[i];
        if (s.profile == 20 || s.profile == 71 || s.profile == 17) {
            profile.videoRates[0] = "*";
            plain.video.addItem(kNoVideo);
        } else {
            plain.video.addItem(kKeepSourceVideo);
            plain.audio.addItem(kKeepSourceAudio);
        }
        plain.video.setCurrentIndex(s.video);
        plain.audio.setCurrentIndex(s.audio);
        job.pictureSize = "640x480";
        job.videoRate = "1200";
        job.audioRate = "96";
    }
};

}  // namespace

TEST(JobTotalRate, TableOfProfilesAndChoices) {
    struct Case {
        Choices s;
        int64_t total;
        const char* why;
    } cases[] = {
        {{102, "320x240", 2, 1}, 991, "worked example: 240 x 3.33 = 799.2 -> 799, + 192"},
        {{118, "320x240", 0, 2}, 799 + 128, "Mini tier, Higher Quality"},
        {{123, "320x240", 0, 2}, 2498 + 128, "Excellent tier: 240 x 10.41 = 2498.4"},
        {{119, "320x240", 4, 4}, 362 + 32, "Normal tier, Lower: 240 x 1.51 = 362.4"},
        {{102, "720x480(NTSC)", 2, 2}, 1598 + 128, "height before the note"},
        {{102, kKeepSourceSize, 2, 2}, 1598 + 128, "source picture height 480"},
        {{102, "320x240", 5, 5}, 1200 + 96, "keep-source video and audio"},
        {{102, "320x50", 2, 2}, 166 + 128, "50 x 3.33 = 166.5: half to even"},
        {{102, "320x150", 2, 2}, 500 + 128, "150 x 3.33 = 499.5: half to even"},
        {{102, "abc", 2, 2}, 128, "typed text without x: no video part"},
        {{102, "320xabc", 2, 2}, 128, "height not a number: no video part"},
        {{102, "320x240", -1, -1}, 799 + 128, "no chosen quality counts as Normal"},
        {{112, "abc", -1, 0}, 1393, "VCD fixed"},
        {{113, "PAL", 0, 0}, 1948, "SVCD fixed"},
        {{114, "NTSC", 4, 4}, 3222, "DVD fixed"},
        {{27, "320x240", 1, 2}, 512 + 128, "device: rate from the profile line"},
        {{27, "320x240", -1, 2}, 384 + 128, "device without chosen quality: Normal"},
        {{20, "No Video", 5, 0}, 1500, "wav audio is 1500 whatever the quality"},
        {{71, "No Video", 5, 4}, 5, "amr: 4.75 rounded"},
        {{71, "No Video", 5, 0}, 12, "amr: 12.2 rounded"},
        {{8, "176x144", 2, 1}, 480 + 10, "3gp: 144 x 3.33 = 479.52 -> 480, 10.2 -> 10"},
        {{8, "176x144", 2, 5}, 480 + 12, "3gp with keep-source audio: the best phone rate"},
        {{17, "No Video", 5, 3}, 64, "audio-only: no video part"},
    };
    for (const Case& c : cases) {
        Fixture f(c.s);
        const RateResult r = JobTotalRate(f.profile, f.boxes, f.job);
        EXPECT_TRUE(r.ok()) << c.why << ": " << r.error;
        EXPECT_EQ(r.kbps, c.total) << c.why;
    }
}

TEST(JobTotalRate, SourceValuesThatAreNoNumbersAreErrors) {
    {
        Fixture f({102, "320x240", 5, 2});
        f.job.videoRate = "n/a";
        EXPECT_NE(JobTotalRate(f.profile, f.boxes, f.job).error.find("n/a"), std::string::npos);
    }
    {
        Fixture f({102, "320x240", 2, 5});
        f.job.audioRate = "";
        EXPECT_FALSE(JobTotalRate(f.profile, f.boxes, f.job).ok());
    }
    {
        Fixture f({102, kKeepSourceSize, 2, 2});
        f.job.pictureSize = "unknown";
        EXPECT_FALSE(JobTotalRate(f.profile, f.boxes, f.job).ok());
    }
    {
        Fixture f({27, "320x240", 3, 2});
        f.profile.videoRates[3] = "";
        EXPECT_FALSE(JobTotalRate(f.profile, f.boxes, f.job).ok());
    }
}

TEST(SizeEstimate, FiveSignificantDigitsTwoDecimals) {
    struct Case {
        int64_t rate, seconds;
        const char* text;
    } cases[] = {
        {991, 60, "7.09MB"},
        {3222, 5400, "2074.10MB"},
        {0, 100, "0.00MB"},
        {128, 0, "0.00MB"},
        {1500, 1, "0.18MB"},
        {991, 100, "11.81MB"},
        // Past 32 bits the product still gives a size, not a negative one.
        {10000, 360000, "429150.00MB"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatSizeEstimate(c.rate, c.seconds), c.text) << c.rate;
}

TEST(ProbedRates, CompletionTable) {
    struct Case {
        ProbedRates in;
        const char* video;
        const char* audio;
        const char* size;
    } cases[] = {
        {{"1500", "", "128", "640x480"}, "1372", "128", "640x480"},
        {{"", "", "", ""}, "768", "128", "320x240"},
        {{"1500", "", "", "640x480"}, "1500", "128", "640x480"},  // audio 1500-1500=0 -> 128
        {{"1500", "1200", "", "640x480"}, "1200", "300", "640x480"},
        {{"", "900", "0", "640x480"}, "900", "128", "640x480"},
        {{"", "abc", "xyz", "1x1"}, "768", "128", "1x1"},  // no computation: re-printed
        {{"", "0768", "+64", ""}, "768", "64", "320x240"},
        {{"100", "", "128", ""}, "0", "128", "320x240"},  // never below zero
    };
    for (const Case& c : cases) {
        const CompletedRates r = CompleteProbedRates(c.in);
        EXPECT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.video, c.video) << c.in.total << "/" << c.in.video << "/" << c.in.audio;
        EXPECT_EQ(r.audio, c.audio) << c.in.total << "/" << c.in.video << "/" << c.in.audio;
        EXPECT_EQ(r.pictureSize, c.size);
    }
    // A rate the completion must compute with that is no number fails the add.
    EXPECT_FALSE(CompleteProbedRates({"N/A", "", "128", ""}).ok());
    EXPECT_FALSE(CompleteProbedRates({"1500", "", "n/a", ""}).ok());
    EXPECT_FALSE(CompleteProbedRates({"1500", "fast", "", ""}).ok());
}
