#include "core/linecutter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/failurereason.h"
#include "core/progress.h"

namespace {

struct Collector {
    std::vector<std::string> lines;
    vc::LineCutter cutter{[this](const std::string& l) { lines.push_back(l); }};
};

using Lines = std::vector<std::string>;

TEST(LineCutter, CarriageReturnOverwritesWithoutShortening) {
    Collector c;
    c.cutter.Feed(std::string("ab\rX\n"));
    EXPECT_EQ(c.lines, (Lines{"Xb", ""}));
}

TEST(LineCutter, LineCutByBlockBoundaryIsDeliveredInPartThenWhole) {
    Collector c;
    c.cutter.Feed(std::string("  Duration: 00:0"));
    c.cutter.Feed(std::string("1:40.04, start\nnext"));
    EXPECT_EQ(c.lines, (Lines{"  Duration: 00:0", "  Duration: 00:01:40.04, start", "next"}));
    c.cutter.Finish();
    EXPECT_EQ(c.lines.back(), "next");
    EXPECT_EQ(c.lines.size(), 4u);
}

TEST(LineCutter, ControlBytes) {
    struct Case {
        std::string bytes;
        std::string line;
    };
    const Case cases[] = {
        {std::string("a\0b", 3), "a b"},
        {"a\ab", "a b"},
        {"abc\b\bX", "aXc"},
        {"\b\bab", "ab"},                     // backspace never goes below the start
        {"a\tb", "a        b"},               // tab: eight blanks
        {"abcdefghijk\r\tZ", "        Zjk"},  // tab overwrites after a carriage return
        {"1234\r12\r", "1234"},
    };
    for (const auto& tc : cases) {
        Collector c;
        c.cutter.Feed(tc.bytes);
        ASSERT_EQ(c.lines.size(), 1u);
        EXPECT_EQ(c.lines[0], tc.line) << "bytes: " << tc.bytes;
    }
}

TEST(LineCutter, FinishDeliversOnlyNonEmptyLine) {
    Collector c;
    c.cutter.Feed(std::string("done\n"));
    c.cutter.Finish();
    EXPECT_EQ(c.lines, (Lines{"done", ""}));

    Collector d;
    d.cutter.Feed(std::string("frame=1 time=1.00 bitrate=5\r"));
    d.cutter.Finish();
    EXPECT_EQ(d.lines.size(), 2u);
    EXPECT_TRUE(d.cutter.CurrentLine().empty());
}

// A line without end, fed in the runner's 1 KB blocks, as a hostile encoder prints it.
struct Flood {
    std::size_t deliveries = 0;
    std::size_t deliveredBytes = 0;
    std::size_t longest = 0;
    std::vector<std::string> shortLines;
    vc::LineCutter cutter{[this](const std::string& l) {
        ++deliveries;
        deliveredBytes += l.size();
        longest = std::max(longest, l.size());
        if (l.size() < 100) shortLines.push_back(l);
    }};
    void Feed(char byte, std::size_t total) {
        const std::string block(1024, byte);
        for (std::size_t done = 0; done < total; done += block.size()) cutter.Feed(block);
    }
};

TEST(LineCutter, OverlongLineIsCutAndItsRestSkipped) {
    constexpr std::size_t kMax = vc::LineCutter::kMaxLineLength;
    for (char byte : {'a', '\0'}) {
        SCOPED_TRACE(byte ? "letters" : "NUL bytes");
        Flood f;
        f.Feed(byte, 10 * 1024 * 1024);
        EXPECT_EQ(f.longest, kMax);
        // Each block re-delivered the whole line so far: 10 MB in 1 KB blocks was ~50 GB of
        // copies. Now deliveries stop once the line is full.
        EXPECT_LE(f.deliveries, kMax / 1024 + 1);
        EXPECT_LE(f.deliveredBytes, 4u * 1024 * 1024);
        f.cutter.Feed(std::string("\nnext\n"));
        EXPECT_EQ(f.shortLines, (Lines{"next", ""})) << "the lines after the cut one come through";
        EXPECT_EQ(f.longest, kMax);
    }
}

TEST(LineCutter, CarriageReturnOrLineFeedEndsTheSkipping) {
    constexpr std::size_t kMax = vc::LineCutter::kMaxLineLength;
    Collector c;
    c.cutter.Feed(std::string(kMax + 500, 'a') + "\rXY");
    ASSERT_FALSE(c.lines.empty());
    // Compared as a whole, not printed: a failure would dump 64 KB.
    EXPECT_TRUE(c.lines.back() == "XY" + std::string(kMax - 2, 'a'));
    c.cutter.Feed("\r" + std::string(kMax + 10, 'b') + "tail\nafter\n");
    ASSERT_GE(c.lines.size(), 3u);
    const Lines tail(c.lines.end() - 3, c.lines.end());
    EXPECT_TRUE(tail[0] == std::string(kMax, 'b'))
        << "overwritten from the start, cut at the limit";
    EXPECT_EQ(tail[1], "after");
    EXPECT_EQ(tail[2], "");
}

TEST(ProgressSeconds, Table) {
    struct Case {
        const char* line;
        int64_t seconds;
    };
    const Case cases[] = {
        {"frame=  300 fps=25 q=2.0 size=  1024kB time=12.34 bitrate= 679.7kbits/s", 12},
        {"time=100.00 bitrate=1", 100},
        {"time=0.52 bitrate=1", 0},
        {"time=00:00:12.34 bitrate=1", 0},  // HH:MM:SS form
        {"time=123456.00 bitrate=1", 0},    // above 100000
        {"time=100000.99 bitrate=1", 100000},
        {"bitrate=1 time=12.34", 0},  // bitrate= before time=
        {"time=12.34", 0},            // no bitrate=
        {"size=1 bitrate=1", 0},      // no time=
        {"time=12 bitrate=1.5", 0},   // no "." before bitrate=
        {"time=abc.5 bitrate=1", 0},
        {"time=-5.00 bitrate=1", 0},
        {"time=.5 bitrate=1", 0},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(vc::ParseProgressSeconds(tc.line), tc.seconds) << tc.line;
}

// The one rule for what is a progress line: the run's log leaves such lines out, the failure
// reason never quotes one, and only such lines move the progress.
TEST(ProgressLine, Table) {
    struct Case {
        const char* what;
        const char* line;
        bool progress;
    };
    const Case cases[] = {
        {"ffmpeg, video",
         "frame=  250 fps=0.0 q=-1.0 Lsize=     820kB time=00:00:10.00 bitrate= 671.7kbits/s "
         "speed=20.1x",
         true},
        {"ffmpeg, sound", "size=     256kB time=00:00:16.35 bitrate= 128.3kbits/s speed=32.7x",
         true},
        {"ffmpeg, nothing known yet",
         "frame=    0 fps=0.0 q=0.0 size=       0kB time=N/A bitrate=N/A", true},
        {"register.dat, seconds",
         "frame=  300 fps=25 q=2.0 size=  1024kB time=12.34 bitrate= 679.7kbits/s", true},
        {"register.dat, AMR", "size=      12kB time=3.20 bitrate=  30.7kbits/s", true},
        {"delivered in part", "frame=  123 fps= 45 q=28.0 size=    1024kB ti", true},
        {"a file name with time=", "Input #0, wav, from 'meeting time=10.wav':", false},
        {"encoder options with bitrate=",
         "[libx264 @ 0x55c2] 264 - core 164 - options: cabac=1 ref=3 rc=abr bitrate=800 "
         "ratetol=1.0",
         false},
        {"bitrate= before time=", "bitrate=128 time=12.34", false},
        {"a tag", "      creation_time   : 2023-01-01T00:00:00.000000Z", false},
        {"a message", "Error writing trailer of out.mp4: No space left on device", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(vc::IsProgressLine(c.line), c.progress);
        if (c.progress) {
            // A failed run that printed nothing else never gives a progress line as its reason.
            EXPECT_EQ(vc::ExplainEncoderFailure({c.line}, 1), "the encoder ended with exit code 1");
        } else {
            EXPECT_EQ(vc::ParseProgressSeconds(c.line), 0);
        }
    }
}

TEST(JobProgress, ValuesAndCellTexts) {
    struct Case {
        int64_t seconds, length;
        std::optional<int> value;
        const char* cell;  // what the Status cell shows
    };
    const Case cases[] = {
        {12, 100, 1200, "12.00%"},
        {100, 100, 10000, "100.00%"},
        {1, 3, 3333, "33.33%"},
        {2, 3, 6667, "66.67%"},        // halves and above round up
        {150, 100, 10000, "100.00%"},  // output longer than the probed length: never above 100 %
        {-5, 100, 0, "00.00%"},
        {100000, 1, 10000, "100.00%"},
        {83, 0, std::nullopt, "00:01:23"},  // unknown length: the output time instead
        {83, -1, std::nullopt, "00:01:23"},
    };
    for (const auto& c : cases) {
        const std::optional<int> v = vc::JobProgressValue(c.seconds, c.length);
        EXPECT_EQ(v, c.value) << c.seconds << "/" << c.length;
        EXPECT_EQ(v ? vc::ProgressPercentText(*v) : vc::OutputTimeText(c.seconds), c.cell)
            << c.seconds << "/" << c.length;
    }
    EXPECT_EQ(vc::ProgressPercentText(525), "05.25%");
    EXPECT_EQ(vc::ProgressPercentText(20000), "100.00%");
    EXPECT_EQ(vc::ProgressPercentText(-1), "00.00%");
}

}  // namespace
