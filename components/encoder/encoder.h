#pragma once
// register.dat: the program's encoder. Probing is done in-process with libavformat; conversion
// runs the ffmpeg tool and rewrites its progress lines into the form the program reads.
#include <string>
#include <vector>

namespace vc::encoder {

struct Invocation {
    bool probe = false;                   // only -vormek/-vormin given: print the media information
    std::string input;                    // the path after -vormin
    std::vector<std::string> ffmpegArgs;  // conversion: the translated arguments for ffmpeg
    std::string output;                   // conversion: the output as named, or empty
};

// Splits our own flags from FFmpeg's and translates options that current FFmpeg no longer
// takes. Returns false with a message when the arguments cannot be used.
bool ParseArguments(const std::vector<std::string>& args, Invocation& out, std::string& error);

// A path that libav must read as a plain file even when it looks like "name:..." (a protocol).
std::string AsFileUrl(const std::string& path, bool output);

// Prints Duration/Stream lines for the input; exit status 0 on success.
int RunProbe(const std::string& path);

// Runs ffmpeg with the arguments and passes its output through. The exit status is ffmpeg's,
// except that a run ffmpeg calls a success fails (1) when ffmpeg reported an error writing the
// output, or when the output is a file that is missing or empty afterwards.
int RunConversion(const std::vector<std::string>& ffmpegArgs, const std::string& output);

// The reason of a line in which ffmpeg reports that writing the output failed ("No space left
// on device"); empty for every other line.
std::string WriteErrorReason(const std::string& line);

// A progress line with "time=HH:MM:SS.cc" and "bitrate=" gets the time as seconds
// ("time=12.34"); any other text comes back unchanged.
std::string RewriteProgress(const std::string& segment);

// One line of text on standard output (the program reads the merged output).
void PrintError(const std::string& message);

}  // namespace vc::encoder
