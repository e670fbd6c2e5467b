#pragma once
// A USI engine run as a child process (`/bin/sh -c COMMAND`), spoken to
// through pipes on its standard input and output. Its standard error is
// left on ours. The engine leads a process group of its own, and stopping
// it ends the whole group: helpers it started do not outlive it.
#include <sys/types.h>
#include <atomic>
#include <chrono>
#include <optional>
#include <string>

namespace xantu::usi {

class EngineProcess {
public:
    explicit EngineProcess(std::string command);
    ~EngineProcess();  // closes the pipes, kills the process if it lingers, reaps it
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    bool start();  // false when the process could not be started
    bool running() const { return pid_ > 0; }
    // Sends one line; false when the engine no longer reads. An engine that
    // has gone never raises SIGPIPE in this process: the write just fails.
    bool send(const std::string& line);
    // No USI line comes near this: a longer one is the engine's fault.
    static constexpr std::size_t kMaxLineBytes = 1024 * 1024;

    // The next line the engine writes, or nothing when it has closed its
    // output, the deadline has passed (timedOut()), `interrupt` was found set
    // (interrupted(); looked at every few milliseconds) or the line grew past
    // kMaxLineBytes (lineTooLong(); what follows of it is not read).
    std::optional<std::string> readLine(std::chrono::steady_clock::time_point deadline,
                                        const std::atomic<bool>* interrupt = nullptr);
    bool timedOut() const { return timedOut_; }
    bool interrupted() const { return interrupted_; }
    bool lineTooLong() const { return lineTooLong_; }
    // Ends the process: `quit`, a short grace, then SIGKILL to its whole
    // process group.
    void stop();
    // How the process last stopped: its exit status when it ended by
    // itself, -1 when it was killed or has not stopped yet. The shell ends
    // with 127 when it finds no such command, 126 when it cannot run it.
    int exitStatus() const { return exitStatus_; }

private:
    std::string command_;
    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
    std::size_t scanned_ = 0;  // bytes of buffer_ known to hold no newline
    bool timedOut_ = false;
    bool interrupted_ = false;
    bool lineTooLong_ = false;
    int exitStatus_ = -1;
};

}  // namespace xantu::usi
