#pragma once
// An engine outside this program as a Player, spoken to over USI. It is
// started on first use and introduced (usi, the options, isready); each
// think sends the Position as SFEN and `go` with the limits, relays the
// engine's info lines and returns its bestmove once our own move check has
// allowed it. Whatever the engine does wrong comes back in the Thought
// (failure, failureDetail) instead of a move: it never hangs the caller,
// since every wait ends at a deadline or when the stop flag is set.
#include <atomic>
#include <string>
#include <vector>

#include "core/player.h"
#include "usi/engine_process.h"

namespace xantu::usi {

// How long an engine may take beyond what it is asked for.
struct EngineTimeouts {
    int handshakeMs = 10000;  // from starting it to usiok, and to readyok
    int graceMs = 3000;       // after the time a go allows (movetime, or the clock and byoyomi)
    int stopMs = 3000;        // after `stop`, for the bestmove
};

class UsiEnginePlayer final : public Player {
public:
    // `command` runs under /bin/sh; `options` are "NAME=VALUE", set in order.
    UsiEnginePlayer(std::string command, std::vector<std::string> options, EngineTimeouts timeouts = {});
    UsiEnginePlayer(const UsiEnginePlayer&) = delete;
    UsiEnginePlayer& operator=(const UsiEnginePlayer&) = delete;

    // The next think begins a new game (usinewgame).
    void newGame() override { newGamePending_ = true; }
    // Without a bound in `limits` (only depth or nodes, or infinite) the
    // engine is waited for until it answers or `stop` is set; with one, for
    // that time and the grace. Once `stop` is set the engine is told so and
    // has EngineTimeouts::stopMs to answer; a stop before it was ready gives
    // no move and no failure. An engine that failed itself (no start, no
    // handshake, silence, an end, an overlong line) is stopped, and the next
    // think starts it afresh.
    Thought think(const Position& p, Side side, const Limits& limits, const std::atomic<bool>& stop,
                  const InfoSink& onInfo = {}) override;

    // What the engine calls itself (`id name`), once introduced.
    const std::string& engineName() const { return name_; }

private:
    Thought failed(PlayerFailure failure, std::string detail);

    EngineProcess process_;
    std::vector<std::string> options_;
    EngineTimeouts timeouts_;
    std::string name_;
    bool newGamePending_ = true;
};

}  // namespace xantu::usi
