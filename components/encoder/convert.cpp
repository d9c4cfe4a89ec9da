// Conversion mode: ffmpeg does the work; we pass its text through and rewrite its progress
// lines so that "time=" carries plain seconds with a dot, as the program reads them.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "encoder.h"

namespace vc::encoder {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat sb {};
    return ::stat(path.c_str(), &sb) == 0 && S_ISREG(sb.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// "HH:MM:SS.cc" (possibly with a leading "-") as seconds; false when the text is not that.
bool ClockToSeconds(const std::string& text, double& seconds) {
    int h = 0, m = 0;
    double s = 0;
    const bool negative = !text.empty() && text[0] == '-';
    const char* p = text.c_str() + (negative ? 1 : 0);
    int consumed = 0;
    if (std::sscanf(p, "%d:%d:%lf%n", &h, &m, &s, &consumed) != 3 ||
        consumed != static_cast<int>(std::strlen(p)))
        return false;
    seconds = h * 3600.0 + m * 60.0 + s;
    if (negative) seconds = -seconds;
    return true;
}

}  // namespace

// The ffmpeg to run: $VC_FFMPEG when set, else the first "ffmpeg" on PATH.
std::string FindFfmpeg(std::string& shownName) {
    const char* env = std::getenv("VC_FFMPEG");
    if (env && *env) {
        shownName = env;
        return IsExecutableFile(env) ? std::string(env) : std::string();
    }
    shownName = "ffmpeg";
    const char* path = std::getenv("PATH");
    std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t from = 0;
    while (from <= dirs.size()) {
        std::size_t colon = dirs.find(':', from);
        if (colon == std::string::npos) colon = dirs.size();
        std::string dir = dirs.substr(from, colon - from);
        if (dir.empty()) dir = ".";
        std::string candidate = dir + "/ffmpeg";
        if (IsExecutableFile(candidate)) return candidate;
        from = colon + 1;
    }
    return {};
}

void WriteAll(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

pid_t StartChild(const std::vector<std::string>& args, int stdinFd, int stdoutFd, int stderrFd,
                 std::string& error) {
    std::vector<std::string> copy = args;
    std::vector<char*> argv;
    argv.reserve(copy.size() + 1);
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        error = std::string("Error: cannot start the converter tool: ") + std::strerror(errno);
        return -1;
    }
    if (child == 0) {
        // The child stays in our process group (pause and stop reach it) and dies with us.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(1);
        ::signal(SIGPIPE, SIG_DFL);
        const int in = stdinFd >= 0 ? stdinFd : ::open("/dev/null", O_RDONLY);
        if (in >= 0 && in != STDIN_FILENO) ::dup2(in, STDIN_FILENO);
        ::dup2(stdoutFd, STDOUT_FILENO);
        ::dup2(stderrFd, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        const std::string msg = std::string("Error: cannot start the converter tool ") + argv[0] +
                                ": " + std::strerror(errno) + "\n";
        if (::write(STDERR_FILENO, msg.data(), msg.size()) < 0) {
        }
        ::_exit(127);
    }
    return child;
}

int WaitChild(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return 1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return 1;
}

void LineRelay::Feed(const char* data, std::size_t size) {
    // Text that runs on without a line end is no progress line: past this size it is passed
    // on as it is, so memory stays bounded and each byte is looked at once.
    constexpr std::size_t kMaxSegment = 64 * 1024;
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        pending_.push_back(data[i]);
        if (data[i] == '\r' || data[i] == '\n') {
            if (observer) observer(pending_);
            out += RewriteProgress(pending_);
            pending_.clear();
        } else if (pending_.size() >= kMaxSegment) {
            out += pending_;
            pending_.clear();
        }
    }
    if (!out.empty()) WriteAll(out);
}

void LineRelay::Finish() {
    if (!pending_.empty()) {
        if (observer) observer(pending_);
        WriteAll(RewriteProgress(pending_));
    }
    pending_.clear();
}

// A progress line with "time=HH:MM:SS.cc" gets "time=SSSS.cc"; all other text is unchanged.
std::string RewriteProgress(const std::string& segment) {
    const std::size_t t = segment.find("time=");
    if (t == std::string::npos || segment.find("bitrate=", t) == std::string::npos) return segment;
    const std::size_t from = t + 5;
    std::size_t end = segment.find(' ', from);
    if (end == std::string::npos) return segment;
    double seconds = 0;
    if (!ClockToSeconds(segment.substr(from, end - from), seconds)) return segment;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", seconds);
    return segment.substr(0, from) + buf + segment.substr(end);
}

std::string WriteErrorReason(const std::string& segment) {
    std::string line = segment;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
        line.pop_back();
    // Indented lines are the media dump (titles and other tags an input may hold).
    if (line.empty() || line[0] == ' ' || line[0] == '\t') return {};
    // A log prefix such as "[mp4 @ 0x55d0c1e0] " names the muxer, not the problem.
    while (line.size() > 1 && line[0] == '[') {
        const std::size_t close = line.find("] ");
        if (close == std::string::npos) break;
        line.erase(0, close + 2);
    }
    static const char* const kStarts[] = {
        "Error writing trailer",
        "av_interleaved_write_frame(): ",
        "Error submitting a packet to the muxer",
        "Error muxing a packet",
        "Error closing file",
    };
    static const char* const kEnds[] = {
        ": No space left on device",
        ": Disk quota exceeded",
        ": File too large",
    };
    bool matched = false;
    for (const char* s : kStarts) matched = matched || line.rfind(s, 0) == 0;
    for (const char* e : kEnds) {
        const std::size_t n = std::strlen(e);
        matched = matched || (line.size() >= n && line.compare(line.size() - n, n, e) == 0);
    }
    if (!matched) return {};
    const std::size_t colon = line.rfind(": ");
    return colon == std::string::npos ? line : line.substr(colon + 2);
}

namespace {

// Signals that end register.dat end its child first: a child must never outlive it.
volatile sig_atomic_t g_child = 0;

void KillChildAndDie(int sig) {
    const pid_t child = static_cast<pid_t>(g_child);
    if (child > 0) ::kill(child, SIGKILL);
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

// The file an output names, when it is one the run must leave behind: a plain file (see
// PlainFileOf), not a device such as /dev/null.
bool OutputFileToCheck(const std::string& output, std::string& path) {
    if (!PlainFileOf(AsFileUrl(output, true), path)) return false;
    struct stat sb {};
    return ::stat(path.c_str(), &sb) != 0 || S_ISREG(sb.st_mode);
}

}  // namespace

bool PlainFileOf(const std::string& url, std::string& path) {
    if (url.empty() || url == "-" || url.find('%') != std::string::npos) return false;
    if (url.rfind("file:", 0) == 0) {
        path = url.substr(5);
        return true;
    }
    const std::size_t colon = url.find(':');
    if (colon != std::string::npos && url.find('/') > colon) return false;  // a protocol
    path = url;
    return true;
}

int CheckOutputFile(const std::string& output) {
    std::string path;
    if (!OutputFileToCheck(output, path)) return 0;
    struct stat sb {};
    if (::stat(path.c_str(), &sb) != 0) {
        PrintError("Error: the converter tool wrote no output file: " + path);
        return 1;
    }
    if (S_ISREG(sb.st_mode) && sb.st_size == 0) {
        PrintError("Error: the output file is empty: " + path);
        return 1;
    }
    return 0;
}

void TieChild(pid_t child) {
    g_child = static_cast<sig_atomic_t>(child);
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) ::signal(sig, KillChildAndDie);
}

int RunConversion(const std::vector<std::string>& ffmpegArgs, const std::string& output) {
    std::string shownName;
    const std::string ffmpeg = FindFfmpeg(shownName);
    if (ffmpeg.empty()) {
        PrintError("Error: the converter tool was not found: " + shownName);
        return 127;
    }
    std::vector<std::string> args = {ffmpeg, "-hide_banner", "-nostdin"};
    args.insert(args.end(), ffmpegArgs.begin(), ffmpegArgs.end());

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        PrintError(std::string("Error: cannot create a pipe: ") + std::strerror(errno));
        return 1;
    }
    TieChild(0);
    std::string error;
    const pid_t child = StartChild(args, -1, fds[1], fds[1], error);
    ::close(fds[1]);
    if (child < 0) {
        ::close(fds[0]);
        PrintError(error);
        return 1;
    }
    TieChild(child);
    std::string writeError;
    bool nothingEncoded = false;
    LineRelay relay;
    relay.observer = [&writeError, &nothingEncoded](const std::string& segment) {
        if (writeError.empty()) writeError = WriteErrorReason(segment);
        nothingEncoded =
            nothingEncoded || segment.rfind("Output file is empty, nothing was encoded", 0) == 0;
    };
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        relay.Feed(buf, static_cast<std::size_t>(n));
    }
    relay.Finish();
    ::close(fds[0]);
    const int status = WaitChild(child);
    TieChild(0);
    if (status != 0) return status;

    // ffmpeg ends with 0 even when the trailer could not be written: the file is then
    // incomplete, and the run must not pass for a success.
    if (!writeError.empty()) {
        PrintError("Error: the output file could not be written completely: " + writeError);
        return 1;
    }
    // Also a success for ffmpeg: a start past the end, or a source it could not seek in.
    if (nothingEncoded) {
        PrintError("Error: nothing was encoded: the output holds no picture and no sound");
        return 1;
    }
    return CheckOutputFile(output);
}

}  // namespace vc::encoder
