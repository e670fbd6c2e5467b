#pragma once
// A USI engine run as a child process (`/bin/sh -c COMMAND`), spoken to
// through pipes on its standard input and output. Its standard error is
// left on ours.
#include <sys/types.h>
#include <chrono>
#include <optional>
#include <string>

namespace xantu::engine {

class EngineProcess {
public:
    explicit EngineProcess(std::string command);
    ~EngineProcess();  // closes the pipes, kills the process if it lingers, reaps it
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    bool start();  // false when the process could not be started
    bool running() const { return pid_ > 0; }
    // Sends one line; false when the engine no longer reads.
    bool send(const std::string& line);
    // The next line the engine writes, or nothing when it has closed its
    // output or the deadline has passed (timedOut() then tells which).
    std::optional<std::string> readLine(std::chrono::steady_clock::time_point deadline);
    bool timedOut() const { return timedOut_; }
    // Ends the process: `quit`, a short grace, then SIGKILL.
    void stop();

private:
    std::string command_;
    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
    bool timedOut_ = false;
};

}  // namespace xantu::engine
