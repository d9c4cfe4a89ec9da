// AMR-NB sound, which Debian's FFmpeg cannot encode. One ffmpeg decodes the sound to raw
// 8000 Hz mono samples on a pipe, opencore-amrnb encodes them here in 20 ms frames, and the
// frames either become the AMR file itself or stream into a second ffmpeg that muxes them with
// the picture (3GP and the like). Both ffmpegs stay in our process group, so pause and stop
// reach them, and die with us.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
#include <opencore-amrnb/interf_enc.h>
}

#include "encoder.h"

namespace vc::encoder {

namespace {

constexpr int kSampleRate = 8000;
constexpr std::size_t kFrameSamples = 160;  // 20 ms
constexpr char kAmrMagic[] = "#!AMR\n";
// AMR bytes waiting for the muxer before we stop reading samples (about ten seconds).
constexpr std::size_t kMaxQueued = 16 * 1024;

struct ModeRate {
    Mode mode;
    int bitsPerSecond;
};
constexpr ModeRate kModes[] = {{MR475, 4750}, {MR515, 5150}, {MR59, 5900},   {MR67, 6700},
                               {MR74, 7400},  {MR795, 7950}, {MR102, 10200}, {MR122, 12200}};

// The mode nearest to the asked rate; the best one when none is asked.
ModeRate NearestMode(const std::string& rateText) {
    std::int64_t bps = 0;
    if (rateText.empty() || !ReadBitRate(rateText, bps)) return kModes[std::size(kModes) - 1];
    ModeRate best = kModes[0];
    for (const ModeRate& m : kModes)
        if (std::llabs(m.bitsPerSecond - bps) < std::llabs(best.bitsPerSecond - bps)) best = m;
    return best;
}

// FFmpeg options that take no value; every other option is followed by one.
bool IsFlag(const std::string& opt) {
    static const std::string kFlags =
        " -y -n -vn -an -sn -dn -re -shortest -nostdin -stdin -hide_banner -nostats -stats -copyts"
        " -start_at_zero -benchmark -benchmark_all -dump -hex -xerror -accurate_seek"
        " -noaccurate_seek -autorotate -noautorotate -ignore_unknown -copy_unknown -debug_ts"
        " -intra -psnr -vstats ";
    return kFlags.find(" " + opt + " ") != std::string::npos;
}

bool OneOf(const std::string& opt, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (opt == n) return true;
    return false;
}

// What the two ffmpeg runs are given, taken apart from the translated argument line.
struct Plan {
    std::vector<std::string> inputOptions;   // before the input: seeking, -re, -y
    std::string input;                       // as ffmpeg takes it
    std::vector<std::string> decodeOptions;  // output options of the decoding run
    std::vector<std::string> muxOptions;     // output options of the muxing run
    std::string output;                      // as ffmpeg takes it
    std::string outputPath;                  // the file name itself
    bool rawAmr = false;                     // the output is the AMR file; else muxed
    bool keepVideo = true;
    bool overwrite = false;
    ModeRate mode{};
};

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool MakePlan(const Invocation& inv, Plan& plan, std::string& error) {
    const auto& args = inv.ffmpegArgs;
    if (inv.inputIndex == 0 || inv.inputIndex + 1 >= args.size() || args.back().empty() ||
        args.back()[0] == '-') {
        error = "Error: no output file given";
        return false;
    }
    plan.inputOptions.assign(args.begin(), args.begin() + static_cast<long>(inv.inputIndex) - 1);
    plan.input = args[inv.inputIndex];
    plan.output = args.back();
    plan.outputPath = plan.output.rfind("file:", 0) == 0 ? plan.output.substr(5) : plan.output;
    for (const auto& a : plan.inputOptions)
        if (a == "-y") plan.overwrite = true;

    std::string format;
    std::string rate;
    bool outputSeek = false;
    std::vector<std::string> timeOptions;
    for (std::size_t i = inv.inputIndex + 1; i + 1 < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = a.size() > 1 && a[0] == '-';
        if (!option || IsFlag(a)) {
            if (a == "-y") plan.overwrite = true;
            if (a == "-vn") plan.keepVideo = false;
            // The decoding run sets its own stream choice, and a stray word would be one more
            // output file there.
            if (option && !OneOf(a, {"-vn", "-sn", "-dn"})) plan.decodeOptions.push_back(a);
            plan.muxOptions.push_back(a);
            continue;
        }
        if (i + 2 >= args.size()) {
            error = "Error: the option " + a + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (OneOf(a, {"-b:a", "-ab", "-b:a:0"})) {
            rate = value;
        } else if (OneOf(a, {"-acodec", "-c:a", "-codec:a", "-c:a:0", "-codec:a:0", "-ar", "-ac",
                             "-ar:a", "-ac:a", "-aq", "-q:a", "-atag", "-tag:a", "-map"})) {
            // Taken care of here: AMR-NB is 8000 Hz mono, and we choose the streams.
        } else if (OneOf(a, {"-af", "-filter:a", "-filter:a:0"})) {
            plan.decodeOptions.insert(plan.decodeOptions.end(), {a, value});
        } else if (OneOf(a, {"-ss", "-t", "-to"})) {
            if (a == "-ss") outputSeek = true;
            timeOptions.insert(timeOptions.end(), {a, value});
        } else {
            if (a == "-f") format = value;
            plan.muxOptions.insert(plan.muxOptions.end(), {a, value});
        }
    }
    if (format.empty()) {
        const auto dot = plan.outputPath.rfind('.');
        if (dot != std::string::npos && plan.outputPath.find('/', dot) == std::string::npos)
            format = LowerAscii(plan.outputPath.substr(dot + 1));
    }
    plan.rawAmr = format == "amr";
    if (plan.rawAmr && (plan.outputPath == "-" || plan.outputPath.rfind("pipe:", 0) == 0)) {
        error = "Error: an AMR file can only be written to a file";
        return false;
    }
    // The muxing run cuts picture and sound together; the decoding run may stop early too,
    // unless the output starts later (it would then cut the sound twice).
    plan.muxOptions.insert(plan.muxOptions.end(), timeOptions.begin(), timeOptions.end());
    if (plan.rawAmr || !outputSeek)
        plan.decodeOptions.insert(plan.decodeOptions.end(), timeOptions.begin(), timeOptions.end());
    plan.mode = NearestMode(rate);
    return true;
}

// 1 when the input has a sound stream, 0 when it has none, -1 when it cannot be read here
// (ffmpeg then says why).
int InputHasSound(const std::string& input) {
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, input.c_str(), nullptr, nullptr) < 0) return -1;
    int result = -1;
    if (avformat_find_stream_info(fmt, nullptr) >= 0)
        result = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) >= 0 ? 1 : 0;
    avformat_close_input(&fmt);
    return result;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The AMR file being written. It has no name until it is complete: an unnamed file in the
// output's folder (a named hidden one where the file system has no unnamed files, removed
// again on failure), so a failed or stopped run leaves nothing that looks like a result.
class AmrFile {
  public:
    ~AmrFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!tempName_.empty()) ::unlink(tempName_.c_str());
    }

    bool Open(const std::string& path, bool overwrite, std::string& error) {
        path_ = path;
        struct stat sb {};
        if (::stat(path.c_str(), &sb) == 0) {
            if (S_ISDIR(sb.st_mode)) {
                error = "Error: the output " + path + " is a folder";
                return false;
            }
            if (!overwrite) {
                error = "Error: the output file " + path + " already exists";
                return false;
            }
        }
        const std::string dir = DirectoryOf(path);
        fd_ = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            tempName_ = dir + "/." + BaseNameOf(path) + ".XXXXXX";
            fd_ = ::mkostemp(tempName_.data(), O_CLOEXEC);
            if (fd_ < 0) {
                tempName_.clear();
                error = "Error: cannot write into the folder " + dir + ": " + std::strerror(errno);
                return false;
            }
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::fchmod(fd_, 0666 & ~mask);
        }
        return Write(kAmrMagic, sizeof kAmrMagic - 1, error);
    }

    bool Write(const char* data, std::size_t size, std::string& error) {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error =
                    "Error: cannot write the output file " + path_ + ": " + std::strerror(errno);
                return false;
            }
            data += n;
            size -= static_cast<std::size_t>(n);
            bytes_ += n;
        }
        return true;
    }

    // Gives the finished file its name, replacing an older file of that name.
    bool Commit(std::string& error) {
        std::string from = tempName_;
        if (from.empty()) {
            from = DirectoryOf(path_) + "/." + BaseNameOf(path_) + "." +
                   std::to_string(::getpid()) + ".part";
            ::unlink(from.c_str());
            const std::string self = "/proc/self/fd/" + std::to_string(fd_);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, from.c_str(), AT_SYMLINK_FOLLOW) != 0) {
                error =
                    "Error: cannot write the output file " + path_ + ": " + std::strerror(errno);
                return false;
            }
            tempName_ = from;
        }
        if (::rename(from.c_str(), path_.c_str()) != 0) {
            error = "Error: cannot write the output file " + path_ + ": " + std::strerror(errno);
            return false;
        }
        tempName_.clear();
        return true;
    }

    int64_t Bytes() const { return bytes_; }

  private:
    std::string path_;
    std::string tempName_;
    int fd_ = -1;
    int64_t bytes_ = 0;
};

// opencore-amrnb over a stream of s16le samples.
class FrameEncoder {
  public:
    explicit FrameEncoder(Mode mode) : mode_(mode), state_(Encoder_Interface_init(0)) {}
    ~FrameEncoder() {
        if (state_) Encoder_Interface_exit(state_);
    }
    FrameEncoder(const FrameEncoder&) = delete;
    FrameEncoder& operator=(const FrameEncoder&) = delete;

    bool ok() const { return state_ != nullptr; }

    // Encodes every whole frame of the samples so far and appends the frames to out.
    void Feed(const char* data, std::size_t size, std::string& out) {
        pending_.append(data, size);
        std::size_t at = 0;
        while (pending_.size() - at >= 2 * kFrameSamples) {
            EncodeFrame(pending_.data() + at, kFrameSamples, out);
            at += 2 * kFrameSamples;
        }
        pending_.erase(0, at);
    }

    // The last, short frame, filled with silence.
    void Finish(std::string& out) {
        if (pending_.size() >= 2) EncodeFrame(pending_.data(), pending_.size() / 2, out);
        pending_.clear();
    }

    int64_t Frames() const { return frames_; }

  private:
    void EncodeFrame(const char* bytes, std::size_t samples, std::string& out) {
        short speech[kFrameSamples] = {};
        for (std::size_t i = 0; i < samples; ++i) {
            const auto lo = static_cast<unsigned char>(bytes[2 * i]);
            const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
            speech[i] = static_cast<short>(static_cast<uint16_t>(lo | hi << 8));
        }
        unsigned char frame[64];
        const int n = Encoder_Interface_Encode(state_, mode_, speech, frame, 0);
        if (n > 0) out.append(reinterpret_cast<const char*>(frame), static_cast<std::size_t>(n));
        ++frames_;
    }

    Mode mode_;
    void* state_;
    std::string pending_;
    int64_t frames_ = 0;
};

double Now() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// A progress line of the form the program reads, for the AMR file we write ourselves.
std::string ProgressLine(int64_t bytes, int64_t frames, const char* end) {
    const double seconds = static_cast<double>(frames) * kFrameSamples / kSampleRate;
    char buf[128];
    if (seconds > 0)
        std::snprintf(buf, sizeof buf, "size=%8" PRId64 "kB time=%.2f bitrate=%6.1fkbits/s%s",
                      (bytes + 512) / 1024, seconds,
                      static_cast<double>(bytes) * 8 / seconds / 1000, end);
    else
        std::snprintf(buf, sizeof buf, "size=%8" PRId64 "kB time=0.00 bitrate=N/A%s",
                      (bytes + 512) / 1024, end);
    return buf;
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Reads what is there; 0 at the end, -1 on an error other than an interruption.
ssize_t ReadSome(int fd, char* buf, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buf, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

class AmrConversion {
  public:
    AmrConversion(const Plan& plan, std::string ffmpeg)
        : plan_(plan), ffmpeg_(std::move(ffmpeg)), encoder_(plan.mode.mode) {}

    int Run() {
        if (!encoder_.ok()) return Fail("Error: the AMR-NB encoder cannot be set up", 1);
        std::string error;
        if (plan_.rawAmr && !file_.Open(plan_.outputPath, plan_.overwrite, error))
            return Fail(error, 1);
        if (!plan_.rawAmr) queued_ = kAmrMagic;
        char rate[32];
        std::snprintf(rate, sizeof rate, "%.2f", plan_.mode.bitsPerSecond / 1000.0);
        WriteAll(std::string("Encoding the sound as AMR-NB at ") + rate +
                 " kbit/s, mono, 8000 Hz\n");
        if (!StartDecoder(error)) return Fail(error, 1);
        Loop();
        return Finish();
    }

  private:
    int Fail(const std::string& message, int status) {
        PrintError(message);
        return status;
    }

    bool StartDecoder(std::string& error) {
        std::vector<std::string> args = {ffmpeg_,    "-hide_banner", "-nostdin",
                                         "-nostats", "-loglevel",    "warning"};
        args.insert(args.end(), plan_.inputOptions.begin(), plan_.inputOptions.end());
        args.insert(args.end(), {"-i", plan_.input});
        args.insert(args.end(), plan_.decodeOptions.begin(), plan_.decodeOptions.end());
        args.insert(args.end(),
                    {"-vn", "-sn", "-dn", "-ac", "1", "-ar", std::to_string(kSampleRate), "-c:a",
                     "pcm_s16le", "-f", "s16le", "pipe:1"});
        int samples[2], text[2];
        if (::pipe2(samples, O_CLOEXEC) != 0) {
            error = std::string("Error: cannot create a pipe: ") + std::strerror(errno);
            return false;
        }
        if (::pipe2(text, O_CLOEXEC) != 0) {
            error = std::string("Error: cannot create a pipe: ") + std::strerror(errno);
            ::close(samples[0]);
            ::close(samples[1]);
            return false;
        }
        decoder_ = StartChild(args, -1, samples[1], text[1], error);
        ::close(samples[1]);
        ::close(text[1]);
        samplesFd_ = samples[0];
        decoderTextFd_ = text[0];
        if (decoder_ < 0) {
            CloseFd(samplesFd_);
            CloseFd(decoderTextFd_);
            return false;
        }
        return true;
    }

    bool StartMuxer(std::string& error) {
        std::vector<std::string> args = {ffmpeg_, "-hide_banner", "-nostdin"};
        args.insert(args.end(), plan_.inputOptions.begin(), plan_.inputOptions.end());
        // The frames come while the picture is read; a deep queue keeps the reader of the
        // pipe from waiting on the other input.
        args.insert(args.end(),
                    {"-i", plan_.input, "-thread_queue_size", "1024", "-f", "amr", "-i", "pipe:0"});
        if (plan_.keepVideo) args.insert(args.end(), {"-map", "0:V:0?"});
        args.insert(args.end(), {"-map", "1:a:0"});
        args.insert(args.end(), plan_.muxOptions.begin(), plan_.muxOptions.end());
        // A copied stream keeps no frame size; the 3GP muxer wants to know it.
        args.insert(args.end(),
                    {"-c:a", "copy", "-frame_size:a", std::to_string(kFrameSamples), plan_.output});
        int in[2], text[2];
        if (::pipe2(in, O_CLOEXEC) != 0) {
            error = std::string("Error: cannot create a pipe: ") + std::strerror(errno);
            return false;
        }
        if (::pipe2(text, O_CLOEXEC) != 0) {
            error = std::string("Error: cannot create a pipe: ") + std::strerror(errno);
            ::close(in[0]);
            ::close(in[1]);
            return false;
        }
        muxer_ = StartChild(args, in[0], text[1], text[1], error);
        ::close(in[0]);
        ::close(text[1]);
        muxerInFd_ = in[1];
        muxerTextFd_ = text[0];
        if (muxer_ < 0) {
            CloseFd(muxerInFd_);
            CloseFd(muxerTextFd_);
            return false;
        }
        ::fcntl(muxerInFd_, F_SETFL, ::fcntl(muxerInFd_, F_GETFL) | O_NONBLOCK);
        return true;
    }

    // The decoder is no longer needed: the muxer has all it takes (or has given up).
    void CutDecoder() {
        if (samplesFd_ < 0 && decoderTextFd_ < 0) return;
        decoderCut_ = true;
        CloseFd(samplesFd_);
        CloseFd(decoderTextFd_);
        if (decoder_ > 0) ::kill(decoder_, SIGKILL);
    }

    void OnSamples() {
        char buf[16384];
        const ssize_t n = ReadSome(samplesFd_, buf, sizeof buf);
        std::string frames;
        if (n > 0) {
            encoder_.Feed(buf, static_cast<std::size_t>(n), frames);
        } else {
            encoder_.Finish(frames);
            CloseFd(samplesFd_);
        }
        if (frames.empty()) return;
        if (plan_.rawAmr) {
            std::string error;
            if (!writeError_.empty() || file_.Write(frames.data(), frames.size(), error)) return;
            writeError_ = error;
            CutDecoder();
            return;
        }
        queued_ += frames;
        std::string error;
        if (muxer_ < 0 && !muxerFailedToStart_ && !StartMuxer(error)) {
            muxerFailedToStart_ = true;
            writeError_ = error;
            CutDecoder();
        }
    }

    void OnMuxerWritable() {
        const ssize_t n = ::write(muxerInFd_, queued_.data(), queued_.size());
        if (n > 0) {
            queued_.erase(0, static_cast<std::size_t>(n));
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            // The muxer reads no more: it has its length, or it failed (it says why).
            queued_.clear();
            CloseFd(muxerInFd_);
            CutDecoder();
        }
    }

    void Relay(int& fd, LineRelay& relay) {
        char buf[4096];
        const ssize_t n = ReadSome(fd, buf, sizeof buf);
        if (n > 0) {
            relay.Feed(buf, static_cast<std::size_t>(n));
        } else {
            relay.Finish();
            CloseFd(fd);
        }
    }

    void ReapDecoder() {
        if (decoder_ <= 0 || samplesFd_ >= 0 || decoderTextFd_ >= 0) return;
        decoderStatus_ = WaitChild(decoder_);
        decoder_ = -1;
        if (decoderCut_ || plan_.rawAmr) return;
        if (decoderStatus_ != 0) {
            // Nothing more will come; the muxer ends what it has.
            queued_.clear();
            CloseFd(muxerInFd_);
        } else if (muxer_ < 0 && !muxerFailedToStart_) {
            // A sound without a single frame: the muxer still gets the picture.
            std::string error;
            if (!StartMuxer(error)) {
                muxerFailedToStart_ = true;
                writeError_ = error;
            }
        }
    }

    void Loop() {
        double lastProgress = Now();
        for (;;) {
            ReapDecoder();
            // All the sound is with the muxer: end its input.
            if (muxerInFd_ >= 0 && queued_.empty() && samplesFd_ < 0) CloseFd(muxerInFd_);
            pollfd fds[4];
            int* owners[4];
            nfds_t n = 0;
            const bool wantSamples = plan_.rawAmr || queued_.size() < kMaxQueued;
            if (samplesFd_ >= 0 && wantSamples) {
                fds[n] = {samplesFd_, POLLIN, 0};
                owners[n++] = &samplesFd_;
            }
            if (decoderTextFd_ >= 0) {
                fds[n] = {decoderTextFd_, POLLIN, 0};
                owners[n++] = &decoderTextFd_;
            }
            if (muxerInFd_ >= 0 && !queued_.empty()) {
                fds[n] = {muxerInFd_, POLLOUT, 0};
                owners[n++] = &muxerInFd_;
            }
            if (muxerTextFd_ >= 0) {
                fds[n] = {muxerTextFd_, POLLIN, 0};
                owners[n++] = &muxerTextFd_;
            }
            if (n == 0) break;
            const int ready = ::poll(fds, n, plan_.rawAmr ? 250 : -1);
            if (ready < 0 && errno != EINTR) {
                writeError_ = std::string("Error: cannot wait for the converter tool: ") +
                              std::strerror(errno);
                CutDecoder();
                if (muxer_ > 0) ::kill(muxer_, SIGKILL);
                break;
            }
            for (nfds_t i = 0; ready > 0 && i < n; ++i) {
                if (fds[i].revents == 0 || *owners[i] < 0) continue;
                if (owners[i] == &samplesFd_)
                    OnSamples();
                else if (owners[i] == &decoderTextFd_)
                    Relay(decoderTextFd_, decoderText_);
                else if (owners[i] == &muxerInFd_)
                    OnMuxerWritable();
                else
                    Relay(muxerTextFd_, muxerText_);
            }
            if (plan_.rawAmr && Now() - lastProgress >= 0.5) {
                lastProgress = Now();
                WriteAll(ProgressLine(file_.Bytes(), encoder_.Frames(), "\r"));
            }
        }
        ReapDecoder();
    }

    int Finish() {
        int muxerStatus = 0;
        if (muxer_ > 0) muxerStatus = WaitChild(muxer_);
        if (!writeError_.empty()) return Fail(writeError_, 1);
        if (!decoderCut_ && decoderStatus_ != 0)
            return Fail("Error: cannot read the sound of " + plan_.input, decoderStatus_);
        if (plan_.rawAmr) {
            std::string error;
            if (!file_.Commit(error)) return Fail(error, 1);
            WriteAll(ProgressLine(file_.Bytes(), encoder_.Frames(), "\n"));
            return 0;
        }
        if (muxerStatus != 0)
            return Fail("Error: the picture and the AMR-NB sound could not be written to " +
                            plan_.outputPath,
                        muxerStatus);
        return 0;
    }

    const Plan& plan_;
    const std::string ffmpeg_;
    FrameEncoder encoder_;
    AmrFile file_;
    std::string queued_;  // AMR bytes for the muxer
    pid_t decoder_ = -1;
    pid_t muxer_ = -1;
    int samplesFd_ = -1;
    int decoderTextFd_ = -1;
    int muxerInFd_ = -1;
    int muxerTextFd_ = -1;
    LineRelay decoderText_;
    LineRelay muxerText_;
    bool decoderCut_ = false;
    bool muxerFailedToStart_ = false;
    int decoderStatus_ = 0;
    std::string writeError_;
};

}  // namespace

int RunAmrConversion(const Invocation& inv) {
    Plan plan;
    std::string error;
    if (!MakePlan(inv, plan, error)) {
        PrintError(error);
        return 2;
    }
    std::string shownName;
    const std::string ffmpeg = FindFfmpeg(shownName);
    if (ffmpeg.empty()) {
        PrintError("Error: the converter tool was not found: " + shownName);
        return 127;
    }
    if (InputHasSound(plan.input) == 0) {
        if (plan.rawAmr) {
            PrintError("Error: the input file has no sound to encode");
            return 1;
        }
        // A picture without sound: nothing for the AMR-NB encoder to do.
        std::vector<std::string> args = plan.inputOptions;
        args.insert(args.end(), {"-i", plan.input});
        args.insert(args.end(), plan.muxOptions.begin(), plan.muxOptions.end());
        args.insert(args.end(), {"-an", plan.output});
        return RunConversion(args, inv.output);
    }
    // A reader that went away must come back as an error from write, not end us.
    ::signal(SIGPIPE, SIG_IGN);
    AmrConversion conversion(plan, ffmpeg);
    return conversion.Run();
}

}  // namespace vc::encoder
