#include "core/linecutter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
