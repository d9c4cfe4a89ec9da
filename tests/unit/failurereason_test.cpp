// Reasons for failed encoder runs, from the text FFmpeg 5.1 and register.dat really print.
#include "core/failurereason.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// The end of the dump ffmpeg prints once the input has been opened.
const Lines kInputDump = {
    "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'in.mp4':",
    "  Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, fltp, 69 "
    "kb/s (default)",
    "    Metadata:",
    "      handler_name    : SoundHandler",
    "      vendor_id       : [0][0][0][0]",
};

Lines AfterDump(const Lines& tail) {
    Lines all = kInputDump;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
}

TEST(ExplainEncoderFailure, Table) {
    struct Case {
        const char* what;
        Lines lines;
        int exitCode;
        std::string reason;
    };
    const Case cases[] = {
        {"trailer on a full disk (ffmpeg exits 0, register.dat 1)",
         {"frame=    1 fps=0.0 q=0.0 size=       0kB time=0.04 bitrate=   8.3kbits/s speed=2.23x  "
          "  \r",
          "Error writing trailer of small/out.mp4: No space left on device",
          "frame=  100 fps=0.0 q=-1.0 Lsize=       0kB time=4.00 bitrate=   0.0kbits/s speed=17.6x",
          "[libx264 @ 0x55dc2c979040] kb/s:261.22", "[aac @ 0x55dc2c998ec0] Qavg: 109.398",
          "Error closing file small/out.mp4: No space left on device",
          "Error: the output file could not be written completely: No space left on device"},
         1,
         "the disk is full"},
        {"packet on a full disk",
         {"size=       2kB time=0.02 bitrate= 732.5kbits/s speed= 540x    "
          "av_interleaved_write_frame(): No space left on device",
          "Error writing trailer of small/out.wav: No space left on device",
          "Error closing file small/out.wav: No space left on device", "Conversion failed!"},
         1,
         "the disk is full"},
        {"output folder removed", AfterDump({"/nonexistent/dir/o5.mp4: No such file or directory"}),
         1, "the output folder is gone"},
        {"output folder not writable", AfterDump({"ro/o9.mp4: Permission denied"}), 1,
         "the output folder cannot be written"},
        {"output on a read-only file system", AfterDump({"rofs/o.mp4: Read-only file system"}), 1,
         "the output folder cannot be written"},
        {"source missing",
         {"missing.mp4: No such file or directory"},
         1,
         "the source cannot be read"},
        {"source not readable",
         {"", "rw/in.mp4: Permission denied"},
         1,
         "the source cannot be read"},
        {"source is no media",
         {"[mov,mp4,m4a,3gp,3g2,mj2 @ 0x5637c6967440] Format mov,mp4,m4a,3gp,3g2,mj2 detected "
          "only with low score of 1, misdetection possible!",
          "[mov,mp4,m4a,3gp,3g2,mj2 @ 0x5637c6967440] moov atom not found",
          "garbage.mp4: Invalid data found when processing input"},
         1,
         "the source cannot be read"},
        {"probe of a file that is no media",
         {"Error: cannot read the input file: Invalid data found when processing input"},
         1,
         "the source cannot be read"},
        {"audio profile, source without sound",
         AfterDump({"Output #0, mp3, to 'o1.mp3':", "Output file #0 does not contain any stream"}),
         1, "the source has no sound"},
        {"audio stream mapped, none there",
         AfterDump({"Stream map '0:a' matches no streams.",
                    "To ignore this, add a trailing '?' to the map."}),
         1, "the source has no sound"},
        {"video stream mapped, none there",
         {"Stream map '0:v:0' matches no streams."},
         1,
         "the source has no picture"},
        {"stopped by the program", AfterDump({"frame=  10 time=0.40 bitrate=1.0kbits/s"}), 99,
         "the encoder was stopped"},
        {"ffmpeg ended by SIGTERM",
         {"[libx264 @ 0x562961cdeec0] kb/s:273.83", "Exiting normally, received signal 15."},
         255,
         "the encoder was stopped"},
        {"killed from outside",
         {"frame=  10 time=0.40 bitrate=1.0kbits/s\r"},
         137,
         "the encoder was stopped"},
        {"unknown encoder: its own line", AfterDump({"Unknown encoder 'nosuch'"}), 1,
         "Unknown encoder 'nosuch'"},
        {"last meaningful line, skipping progress, blanks and the closing words",
         {"[mp4 @ 0x1] Could not find tag for codec pcm_s16le in stream #1", "",
          "frame=   10 fps=0.0 q=0.0 size=0kB time=0.40 bitrate=1.0kbits/s speed=1x",
          "Conversion failed!", ""},
         1,
         "Could not find tag for codec pcm_s16le in stream #1"},
        {"missing converter tool",
         {"Error: the converter tool was not found: ffmpeg"},
         127,
         "Error: the converter tool was not found: ffmpeg"},
        {"a tag is no reason",
         AfterDump({"      title           : x: No space left on device",
                    "Unknown encoder 'libnothing'"}),
         1, "Unknown encoder 'libnothing'"},
        {"nothing printed", {}, 3, "the encoder ended with exit code 3"},
        {"success", {"Error writing trailer of x.mp4: No space left on device"}, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vc::ExplainEncoderFailure(c.lines, c.exitCode), c.reason) << c.what;
}

TEST(ExplainEncoderFailure, AHugeLineGivesAShortReason) {
    const std::string reason = vc::ExplainEncoderFailure({std::string(100000, 'x')}, 1);
    EXPECT_LE(reason.size(), 210u);
    EXPECT_EQ(reason.substr(0, 10), "xxxxxxxxxx");
}

}  // namespace
