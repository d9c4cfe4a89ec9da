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
        const std::string candidate = dir + "/ffmpeg";
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
    pending_.append(data, size);
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (pending_[i] == '\r' || pending_[i] == '\n') {
            out += RewriteProgress(pending_.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    pending_.erase(0, start);
    if (!out.empty()) WriteAll(out);
}

void LineRelay::Finish() {
    if (!pending_.empty()) WriteAll(RewriteProgress(pending_));
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

int RunConversion(const std::vector<std::string>& ffmpegArgs) {
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
    std::string error;
    const pid_t child = StartChild(args, -1, fds[1], fds[1], error);
    ::close(fds[1]);
    if (child < 0) {
        ::close(fds[0]);
        PrintError(error);
        return 1;
    }
    LineRelay relay;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        relay.Feed(buf, static_cast<std::size_t>(n));
    }
    relay.Finish();
    ::close(fds[0]);
    return WaitChild(child);
}

}  // namespace vc::encoder
