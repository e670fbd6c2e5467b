#pragma once
// Introducing a USI engine before its first move: `usi`, its `id` and
// `option` lines up to `usiok`, the options set, then `isready` up to
// `readyok`. Every answer is awaited up to one deadline; an engine that
// misses it, ends or writes an overlong line is stopped.
#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "usi/engine_process.h"

namespace xantu::usi {

using Clock = std::chrono::steady_clock;

enum class HandshakeStatus {
    Ok,
    NoStart,      // the process could not be started
    NotFound,     // the shell found no such command, or could not run it
    NoUsiOk,      // ended or silent before usiok
    NoReadyOk,    // ended or silent before readyok
    LineTooLong,  // a line past EngineProcess::kMaxLineBytes
    Interrupted,  // the interrupt flag was set (the engine is stopped)
};

// "NAME=VALUE" as `setoption name NAME value VALUE`; "NAME" alone (a button)
// as `setoption name NAME`.
std::string setOptionLine(const std::string& nameValue);

// Reads lines until one starts with `prefix` and returns it; nothing when
// the engine ended, went silent past the deadline, wrote an overlong line
// or `interrupt` was set (the process says which).
std::optional<std::string> awaitLine(EngineProcess& e, std::string_view prefix, Clock::time_point deadline,
                                     const std::atomic<bool>* interrupt = nullptr);

// Starts the engine when it is not running and introduces it (usi, id
// name, usiok, every setoption of `options`, "NAME=VALUE" each); then, just
// started or already running, sends isready and awaits readyok. `name`
// receives what the engine's `id name` says. On any status but Ok the
// process is stopped.
HandshakeStatus handshake(EngineProcess& e, const std::vector<std::string>& options, Clock::time_point deadline,
                          std::string& name, const std::atomic<bool>* interrupt = nullptr);

}  // namespace xantu::usi
