#include "usi/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <thread>

namespace xantu::usi {

EngineProcess::EngineProcess(std::string command) : command_(std::move(command)) {}

EngineProcess::~EngineProcess() { stop(); }

bool EngineProcess::start() {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0) return false;
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        return false;
    }
    // exec, so that killing the shell kills the engine itself.
    const std::string shellLine = "exec " + command_;
    const pid_t pid = fork();
    if (pid < 0) {
        for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
        return false;
    }
    if (pid == 0) {
        // A group of its own, so that stop() reaches whatever it starts.
        setpgid(0, 0);
        dup2(in[0], 0);
        dup2(out[1], 1);
        execl("/bin/sh", "sh", "-c", shellLine.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Also here: the group must exist before stop() could signal it.
    setpgid(pid, pid);
    close(in[0]);
    close(out[1]);
    pid_ = pid;
    exitStatus_ = -1;
    toEngine_ = in[1];
    fromEngine_ = out[0];
    buffer_.clear();
    scanned_ = 0;
    lineTooLong_ = false;
    return true;
}

namespace {

// Writes all of `data`; false when the reader has gone. SIGPIPE is held
// back on this thread meanwhile, and one raised by this write is taken
// away unseen, so that a program that keeps SIGPIPE's default (the game)
// is not ended by an engine that quit.
bool writeAll(int fd, const std::string& data) {
    sigset_t pipeOnly, before, pending;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeOnly, &before);
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE) == 1;
    bool ok = true;
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (!ok && errno == EPIPE && !alreadyPending) {
        const timespec none{0, 0};
        while (sigtimedwait(&pipeOnly, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return ok;
}

}  // namespace

bool EngineProcess::send(const std::string& line) {
    if (toEngine_ < 0) return false;
    return writeAll(toEngine_, line + '\n');
}

std::optional<std::string> EngineProcess::readLine(std::chrono::steady_clock::time_point deadline,
                                                   const std::atomic<bool>* interrupt) {
    timedOut_ = false;
    interrupted_ = false;
    if (lineTooLong_) return std::nullopt;
    for (;;) {
        const std::size_t nl = buffer_.find('\n', scanned_);
        if ((nl == std::string::npos ? buffer_.size() : nl) > kMaxLineBytes) {
            // Refused whole: the rest of that output is not read.
            lineTooLong_ = true;
            buffer_.clear();
            scanned_ = 0;
            return std::nullopt;
        }
        if (nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            scanned_ = 0;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        scanned_ = buffer_.size();
        if (fromEngine_ < 0) return std::nullopt;
        if (interrupt != nullptr && interrupt->load()) {
            interrupted_ = true;
            return std::nullopt;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut_ = true;
            return std::nullopt;
        }
        pollfd p{fromEngine_, POLLIN, 0};
        const long long slice = interrupt != nullptr ? 10 : 1000;
        const int r = poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), slice)));
        if (r < 0 && errno != EINTR) return std::nullopt;
        if (r <= 0) continue;
        char chunk[65536];
        const ssize_t n = read(fromEngine_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            close(fromEngine_);
            fromEngine_ = -1;
            continue;  // hand out what is left in the buffer first
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

void EngineProcess::stop() {
    if (pid_ <= 0) return;
    send("quit");
    if (toEngine_ >= 0) close(toEngine_);
    toEngine_ = -1;
    // A short grace to end by itself. The engine is only looked at, not
    // reaped: until it is, its process id (the group's id) cannot be
    // reused, so the signal below cannot reach a stranger.
    siginfo_t info{};
    for (int i = 0; i < 50; ++i) {
        info.si_pid = 0;
        if (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid == pid_)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // Whatever is left of the group goes, the engine itself included.
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    int status = 0;
    pid_t reaped;
    while ((reaped = waitpid(pid_, &status, 0)) < 0 && errno == EINTR) {
    }
    exitStatus_ = reaped == pid_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (fromEngine_ >= 0) close(fromEngine_);
    fromEngine_ = -1;
    pid_ = -1;
}

}  // namespace xantu::usi
