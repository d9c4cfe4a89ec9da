#pragma once
// register.dat: the program's encoder. Probing is done in-process with libavformat, and so
// are sound-only conversions it can do the way ffmpeg would; every other conversion runs the
// ffmpeg tool and rewrites its progress lines into the form the program reads.
// register.dat itself links none of FFmpeg's libraries: what needs them (probing, sound-only
// conversions, the AMR-NB encoder, questions about the FFmpeg build) lives in
// libEncoderMedia.so beside it, which only the runs that need it load. A conversion that only
// starts ffmpeg should not pay for loading a hundred libraries first.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vc::encoder {

struct Invocation {
    bool probe = false;                   // only -vormek/-vormin given: print the media information
    std::string input;                    // the path after the (last) -vormin
    std::vector<std::string> inputs;      // probe: every -vormin path, in order
    std::vector<std::string> ffmpegArgs;  // conversion: the translated arguments for ffmpeg
    std::size_t inputIndex = 0;           // where the input's path stands in ffmpegArgs
    bool amrNb = false;                   // the sound is to be AMR-NB, which we encode ourselves
    std::string output;                   // conversion: the output as named, or empty
};

// Splits our own flags from FFmpeg's and translates options that current FFmpeg no longer
// takes; "-vormsub FILE" adds a subtitle file as the second input, sought like the first.
// Returns false with a message when the arguments cannot be used.
bool ParseArguments(const std::vector<std::string>& args, Invocation& out, std::string& error);

// A path that libav must read as a plain file even when it looks like "name:..." (a protocol).
std::string AsFileUrl(const std::string& path, bool output);

// A sound-only conversion simple enough to run inside register.dat with FFmpeg's libraries,
// which saves starting ffmpeg (and loading its two hundred libraries) for every job.
struct AudioJob {
    std::string input;         // the URL libavformat opens
    double seek = 0;           // seconds into the input where the output starts
    double duration = -1;      // at most this many seconds of output; below 0 for all of it
    int stream = -1;           // the input's stream to convert; -1 for its one sound stream
    std::string encoder;       // the audio encoder's name
    std::string format;        // the muxer's name
    std::int64_t bitRate = 0;  // bit/s, 0 for the encoder's own
    int channels = 0;          // 0 for the input's
    int sampleRate = 0;        // 0 for the input's
    std::string output;        // the URL written
};

// Reads translated ffmpeg arguments as an AudioJob. False for anything beyond what the
// in-process conversion does the way ffmpeg would (a picture, filters, several inputs or
// outputs, options it does not know, an input that is a pipe or device): such runs go to
// ffmpeg.
bool ReadAudioJob(const std::vector<std::string>& ffmpegArgs, AudioJob& job);

// What RunAudioConversion returns when the job turned out to need ffmpeg after all. It says so
// before it prints or writes anything.
inline constexpr int kAudioJobNotHandled = -1;

// Converts an AudioJob in-process: the same text, progress lines (time in seconds, as
// register.dat passes them on), output and exit status as RunConversion with ffmpeg.
int RunAudioConversion(const AudioJob& job);

// The encoder server: "register.dat -vormserve SOCKET" keeps FFmpeg's libraries loaded and
// runs each sound-only job handed to it in a forked process, until its standard input ends.
// A conversion run finds it through this environment variable.
inline constexpr char kServerEnvironment[] = "VC_ENCODER_SERVER";
int RunServer(const std::string& socketPath);

// Hands an AudioJob's arguments to the server named in the environment and waits for the
// job: its exit status, or kAudioJobNotHandled when no server took it (nothing printed or
// written then).
int RunThroughServer(const std::vector<std::string>& ffmpegArgs);

// The media library's functions, for register.dat to call once it has loaded the library.
inline constexpr int kMediaAbi = 2;
inline constexpr char kMediaLibraryName[] = "libEncoderMedia.so";
inline constexpr char kMediaEntryName[] = "vc_encoder_media_functions";
struct MediaFunctions {
    int abi;  // kMediaAbi of the library's build
    int (*runProbe)(const std::string& path);
    int (*runProbes)(const std::vector<std::string>& paths);
    int (*runAmrConversion)(const Invocation& inv);
    bool (*encoderAvailable)(const std::string& name);
    bool (*outputProtocol)(const std::string& scheme);
    int (*runAudioConversion)(const AudioJob& job);
};

// The media library beside the running executable, loaded on first use; null with error set
// when it cannot be loaded.
const MediaFunctions* Media(std::string& error);

// libav's words for one of its error codes ("No such file or directory"); in the media library.
std::string AvErrorText(int code);

// "128000", "128k", "1.5M" in bit/s; false for anything else.
bool ReadBitRate(const std::string& text, std::int64_t& bps);

// This FFmpeg build has an encoder of that name.
bool EncoderAvailable(const std::string& name);
// libavformat can write to a URL of that scheme ("pipe", "rtmp").
bool IsOutputProtocol(const std::string& scheme);

// Prints Duration/Stream lines for the input; exit status 0 on success.
int RunProbe(const std::string& path);

// Probes several inputs in one run, which saves loading the libraries once per file. Each
// input's answer is what RunProbe prints for it, followed by the line "[[probe-end I S]]"
// (I: the input's place from 0, S: RunProbe's status for it), which the program recognises.
// Exit status 0 when every input was read.
int RunProbes(const std::vector<std::string>& paths);

// Runs ffmpeg with the arguments and passes its output through. The exit status is ffmpeg's,
// except that a run ffmpeg calls a success fails (1) when ffmpeg reported an error writing the
// output, or when the output is a file that is missing or empty afterwards.
int RunConversion(const std::vector<std::string>& ffmpegArgs, const std::string& output);

// The file a URL names, without "file:"; false for standard output ("-"), a numbered series
// ("%03d") and other protocols ("pipe:1").
bool PlainFileOf(const std::string& url, std::string& path);

// After a run that claims success: 1, with the reason printed, when its output is a file that
// is missing or empty; else 0.
int CheckOutputFile(const std::string& output);

// The reason of a line in which ffmpeg reports that writing the output failed ("No space left
// on device"); empty for every other line.
std::string WriteErrorReason(const std::string& line);

// A conversion whose sound is AMR-NB: ffmpeg decodes the sound to 8000 Hz mono, opencore-amrnb
// encodes it, and the frames become an AMR file or are muxed with the picture by a second
// ffmpeg. Same output contract and exit status rules as RunConversion.
int RunAmrConversion(const Invocation& inv);

// True for the names an argument line may use for the AMR-NB encoder.
bool IsAmrNbEncoderName(const std::string& name);

// The ffmpeg to run: $VC_FFMPEG when set, else the first "ffmpeg" on PATH. Empty when none;
// shownName is what to name in the error. With $VC_FFMPEG set, every conversion runs it, even
// one register.dat could do in-process.
std::string FindFfmpeg(std::string& shownName);

// Starts program (argv[0]) in our process group, so pause and stop reach it, and makes it die
// with us. stdinFd -1 gives it /dev/null. Returns the pid, or -1 with error set.
pid_t StartChild(const std::vector<std::string>& argv, int stdinFd, int stdoutFd, int stderrFd,
                 std::string& error);

// The child the usual ending signals (TERM, INT, HUP, QUIT) kill before they end us: a child
// must never outlive register.dat. 0: none, the signals just end us.
void TieChild(pid_t child);

// Exit status of a child in the shell's convention (128 + signal when killed).
int WaitChild(pid_t pid);

// Writes text to standard output whole (retrying short writes).
void WriteAll(const std::string& text);

// Cuts a child's text at CR and LF so that each progress line is rewritten whole and keeps its
// line end, and writes it to standard output.
class LineRelay {
  public:
    void Feed(const char* data, std::size_t size);
    void Finish();  // writes an unfinished last line
    // Sees every whole line (and the unfinished last one) before it is written.
    std::function<void(const std::string&)> observer;

  private:
    std::string pending_;
};

// A progress line with "time=HH:MM:SS.cc" and "bitrate=" gets the time as seconds
// ("time=12.34"); any other text comes back unchanged.
std::string RewriteProgress(const std::string& segment);

// One line of text on standard output (the program reads the merged output).
void PrintError(const std::string& message);

}  // namespace vc::encoder
