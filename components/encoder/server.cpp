// The encoder server: one register.dat that keeps FFmpeg's libraries loaded while a batch of
// sound-only jobs runs, and forks a process for each job another register.dat hands it. A job
// then costs a fork instead of loading two hundred libraries.
//
// The forked process joins the process group of the register.dat that asked, takes its
// priority, working folder and output, and writes to that output itself, so that to the
// program it is part of that run: pause and stop reach it, and it dies with the asking
// process and with the server. The asking register.dat waits for the server to report the
// job's exit status and ends with it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "encoder.h"

namespace vc::encoder {

namespace {

// A job's process ends with this when it did not take the job (nothing written, nothing
// printed); the asking register.dat then converts it itself.
constexpr int kRefused = 124;
// A request: the asking group, priority and folder, then the ffmpeg arguments.
constexpr std::size_t kMaxRequest = 256 * 1024;

bool FillAddress(const std::string& path, sockaddr_un& addr) {
    addr = sockaddr_un{};
    addr.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

std::string CurrentFolder() {
    std::vector<char> buf(PATH_MAX);
    return ::getcwd(buf.data(), buf.size()) ? std::string(buf.data()) : std::string();
}

bool SendAll(int fd, const void* data, std::size_t size) {
    return ::send(fd, data, size, MSG_NOSIGNAL) == static_cast<ssize_t>(size);
}

// One fixed-size answer of the server; false when the connection ended first.
template <typename T>
bool Receive(int fd, T& value) {
    for (;;) {
        const ssize_t n = ::recv(fd, &value, sizeof value, 0);
        if (n < 0 && errno == EINTR) continue;
        return n == static_cast<ssize_t>(sizeof value);
    }
}

// A message of one buffer with room for one passed file descriptor.
struct FdMessage {
    FdMessage(void* data, std::size_t size) : iov{data, size} {
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
    }
    FdMessage(const FdMessage&) = delete;
    FdMessage& operator=(const FdMessage&) = delete;

    iovec iov;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr msg{};
};

// ---- the server's side

int g_childSignalled[2] = {-1, -1};

void NoteChild(int) {
    const int saved = errno;
    const char byte = 0;
    if (::write(g_childSignalled[1], &byte, 1) < 0) {
    }
    errno = saved;
}

struct Job {
    int connection = -1;  // to the asking register.dat; -1 once it has gone
    pid_t pid = 0;
};

std::vector<std::string> SplitRequest(const char* data, std::size_t size) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from < size) {
        const std::size_t len = ::strnlen(data + from, size - from);
        parts.emplace_back(data + from, len);
        from += len + 1;
    }
    return parts;
}

// In the forked process: becomes part of the asking run, converts, and ends.
[[noreturn]] void RunJob(const MediaFunctions& media, pid_t server, int output,
                         const std::vector<std::string>& request) {
    ::signal(SIGCHLD, SIG_DFL);
    ::signal(SIGPIPE, SIG_DFL);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != server) ::_exit(kRefused);
    const long group = std::strtol(request[0].c_str(), nullptr, 10);
    const long nice = std::strtol(request[1].c_str(), nullptr, 10);
    // The priority first: once in the group, the job is part of the run for all to see.
    if (nice > ::getpriority(PRIO_PROCESS, 0))
        ::setpriority(PRIO_PROCESS, 0, static_cast<int>(nice));
    if (group <= 0 || ::setpgid(0, static_cast<pid_t>(group)) != 0) ::_exit(kRefused);
    if (::chdir(request[2].c_str()) != 0) ::_exit(kRefused);
    const int none = ::open("/dev/null", O_RDONLY);
    if (none < 0 || ::dup2(none, STDIN_FILENO) < 0 || ::dup2(output, STDOUT_FILENO) < 0 ||
        ::dup2(output, STDERR_FILENO) < 0)
        ::_exit(kRefused);
    const std::vector<std::string> args(request.begin() + 3, request.end());
    AudioJob job;
    if (!ReadAudioJob(args, job)) ::_exit(kRefused);
    const int status = media.runAudioConversion(job);
    ::_exit(status == kAudioJobNotHandled ? kRefused : status & 0xff);
}

// Takes one request from a new connection and forks its job; false when it is refused.
bool StartJob(const MediaFunctions& media, int connection, int listener,
              const std::vector<Job>& jobs, Job& started) {
    std::vector<char> data(kMaxRequest);
    FdMessage message(data.data(), data.size());
    msghdr& msg = message.msg;
    ssize_t n = -1;
    do {
        n = ::recvmsg(connection, &msg, MSG_CMSG_CLOEXEC);
    } while (n < 0 && errno == EINTR);
    int output = -1;
    for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c))
        if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS &&
            c->cmsg_len == CMSG_LEN(sizeof(int)))
            std::memcpy(&output, CMSG_DATA(c), sizeof output);
    const std::vector<std::string> request =
        n > 0 ? SplitRequest(data.data(), static_cast<std::size_t>(n)) : std::vector<std::string>();
    if (output < 0 || (msg.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) || request.size() < 4) {
        if (output >= 0) ::close(output);
        return false;
    }
    const pid_t server = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(listener);
        ::close(g_childSignalled[0]);
        ::close(g_childSignalled[1]);
        for (const Job& j : jobs)
            if (j.connection >= 0) ::close(j.connection);
        ::close(connection);
        RunJob(media, server, output, request);
    }
    ::close(output);
    if (pid < 0) return false;
    const std::int64_t reported = pid;
    SendAll(connection, &reported, sizeof reported);
    started.connection = connection;
    started.pid = pid;
    return true;
}

void ReapJobs(std::vector<Job>& jobs) {
    int status = 0;
    pid_t pid = 0;
    while ((pid = ::waitpid(-1, &status, WNOHANG)) > 0) {
        std::int32_t code = 1;
        if (WIFEXITED(status)) code = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) code = 128 + WTERMSIG(status);
        for (auto it = jobs.begin(); it != jobs.end(); ++it) {
            if (it->pid != pid) continue;
            if (it->connection >= 0) {
                SendAll(it->connection, &code, sizeof code);
                ::close(it->connection);
            }
            jobs.erase(it);
            break;
        }
    }
}

}  // namespace

int RunServer(const std::string& socketPath) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    ::signal(SIGPIPE, SIG_IGN);
    sockaddr_un addr{};
    if (!FillAddress(socketPath, addr)) {
        PrintError("Error: the server's socket name is too long: " + socketPath);
        return 2;
    }
    const int listener = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    ::unlink(socketPath.c_str());
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listener, 16) != 0) {
        PrintError("Error: the server cannot listen on " + socketPath + ": " +
                   std::strerror(errno));
        return 1;
    }
    // Listening before the libraries are loaded: the first jobs of a batch wait in the
    // queue for them rather than load them once more themselves.
    std::string error;
    const MediaFunctions* media = Media(error);
    if (!media || ::pipe2(g_childSignalled, O_CLOEXEC | O_NONBLOCK) != 0) {
        PrintError(media ? std::string("Error: ") + std::strerror(errno) : error);
        ::close(listener);
        ::unlink(socketPath.c_str());
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = NoteChild;
    sa.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    ::sigaction(SIGCHLD, &sa, nullptr);

    std::vector<Job> jobs;
    bool open = true;
    while (open) {
        std::vector<pollfd> fds = {
            {STDIN_FILENO, POLLIN, 0}, {g_childSignalled[0], POLLIN, 0}, {listener, POLLIN, 0}};
        for (const Job& j : jobs)
            if (j.connection >= 0) fds.push_back({j.connection, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        // The program closes our input when the batch ends (or it has gone).
        if (fds[0].revents) {
            char buf[256];
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            open = n > 0 || (n < 0 && errno == EINTR);
        }
        if (fds[1].revents) {
            char buf[64];
            while (::read(g_childSignalled[0], buf, sizeof buf) > 0) {
            }
            ReapJobs(jobs);
        }
        // An asking register.dat that went away takes its job along.
        for (std::size_t i = 3; i < fds.size(); ++i) {
            if (!fds[i].revents) continue;
            for (Job& j : jobs) {
                if (j.connection != fds[i].fd) continue;
                ::kill(j.pid, SIGKILL);
                ::close(j.connection);
                j.connection = -1;
            }
        }
        if (fds[2].revents & POLLIN) {
            const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            Job started;
            if (connection >= 0 && StartJob(*media, connection, listener, jobs, started))
                jobs.push_back(started);
            else if (connection >= 0)
                ::close(connection);
        }
    }
    for (const Job& j : jobs) ::kill(j.pid, SIGKILL);
    ::unlink(socketPath.c_str());
    return 0;
}

int RunThroughServer(const std::vector<std::string>& ffmpegArgs) {
    const char* path = std::getenv(kServerEnvironment);
    sockaddr_un addr{};
    if (!path || !FillAddress(path, addr)) return kAudioJobNotHandled;
    const int s = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (s < 0) return kAudioJobNotHandled;
    // The server of a batch that has just started may not listen yet.
    int tries = 0;
    while (::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        const bool early = errno == ENOENT || errno == ECONNREFUSED || errno == EINTR;
        if (!early || ++tries > 20) {
            ::close(s);
            return kAudioJobNotHandled;
        }
        ::usleep(5000);
    }
    std::string request = std::to_string(::getpgrp());
    request += '\0';
    request += std::to_string(::getpriority(PRIO_PROCESS, 0));
    request += '\0';
    request += CurrentFolder();
    for (const std::string& a : ffmpegArgs) {
        request += '\0';
        request += a;
    }
    FdMessage message(request.data(), request.size());
    msghdr& msg = message.msg;
    cmsghdr* c = CMSG_FIRSTHDR(&msg);
    c->cmsg_level = SOL_SOCKET;
    c->cmsg_type = SCM_RIGHTS;
    c->cmsg_len = CMSG_LEN(sizeof(int));
    const int output = STDOUT_FILENO;
    std::memcpy(CMSG_DATA(c), &output, sizeof output);
    std::int64_t pid = 0;
    if (request.size() > kMaxRequest || ::sendmsg(s, &msg, MSG_NOSIGNAL) < 0 || !Receive(s, pid) ||
        pid <= 0) {
        ::close(s);
        return kAudioJobNotHandled;
    }
    // The job is ours now: it must not outlive us.
    TieChild(static_cast<pid_t>(pid));
    std::int32_t code = 0;
    const bool reported = Receive(s, code);
    ::close(s);
    TieChild(0);
    if (!reported) {
        PrintError("Error: the conversion ended early: the encoder server has gone");
        return 1;
    }
    return code == kRefused ? kAudioJobNotHandled : code;
}

}  // namespace vc::encoder
