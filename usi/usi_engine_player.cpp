#include "usi/usi_engine_player.h"

#include <algorithm>
#include <optional>

#include "core/legal_moves.h"
#include "core/sfen.h"
#include "usi/handshake.h"
#include "usi/usi_lines.h"

namespace xantu::usi {

namespace {

// The latest moment the engine's answer to `limits` may come, or nothing
// when the limits name no time (depth, nodes, infinite: until stop).
std::optional<Clock::time_point> answerDeadline(const Limits& limits, Clock::time_point sent, int graceMs) {
    if (limits.infinite) return std::nullopt;
    long long allowed = -1;
    if (limits.movetimeMs > 0) allowed = limits.movetimeMs;
    if (limits.timeLeftMs >= 0) {
        // The main time and the byoyomi may both be spent on this move; the
        // increment only comes after it.
        const long long clock = static_cast<long long>(limits.timeLeftMs) + std::max(0, limits.byoyomiMs);
        allowed = allowed < 0 ? clock : std::min(allowed, clock);
    }
    if (allowed < 0) return std::nullopt;
    return sent + std::chrono::milliseconds(allowed + graceMs);
}

}  // namespace

UsiEnginePlayer::UsiEnginePlayer(std::string command, std::vector<std::string> options, EngineTimeouts timeouts)
    : process_(std::move(command)), options_(std::move(options)), timeouts_(timeouts) {}

Thought UsiEnginePlayer::failed(PlayerFailure failure, std::string detail) {
    process_.stop();  // started afresh by the next think
    newGamePending_ = true;
    Thought t;
    t.failure = failure;
    t.failureDetail = std::move(detail);
    return t;
}

Thought UsiEnginePlayer::think(const Position& p, Side side, const Limits& limits, const std::atomic<bool>& stop,
                               const InfoSink& onInfo) {
    if (!process_.running()) newGamePending_ = true;
    // Introduced when started, and asked isready again before a new game.
    const auto handshakeBy = Clock::now() + std::chrono::milliseconds(timeouts_.handshakeMs);
    switch (newGamePending_ ? handshake(process_, options_, handshakeBy, name_, &stop) : HandshakeStatus::Ok) {
    case HandshakeStatus::Ok: break;
    case HandshakeStatus::NoStart: return failed(PlayerFailure::NoStart, "could not start");
    case HandshakeStatus::NotFound: return failed(PlayerFailure::NoStart, "command not found");
    case HandshakeStatus::NoUsiOk: return failed(PlayerFailure::NoHandshake, "no usiok");
    case HandshakeStatus::NoReadyOk: return failed(PlayerFailure::NoHandshake, "no readyok");
    case HandshakeStatus::LineTooLong: return failed(PlayerFailure::LineTooLong, "line too long");
    case HandshakeStatus::Interrupted: return Thought{};  // stopped before it was ready
    }
    if (newGamePending_) {
        process_.send("usinewgame");
        newGamePending_ = false;
    }
    process_.send("position sfen " + toSfen(p, side));
    const Clock::time_point sent = Clock::now();
    process_.send("go " + goArguments(limits, side));

    std::optional<Clock::time_point> deadline = answerDeadline(limits, sent, timeouts_.graceMs);
    bool stopSent = false;
    Info last;
    bool heard = false;
    std::optional<std::string> best;
    while (!best) {
        if (stop && !stopSent) {
            process_.send("stop");
            stopSent = true;
            const Clock::time_point by = Clock::now() + std::chrono::milliseconds(timeouts_.stopMs);
            deadline = deadline ? std::min(*deadline, by) : by;
        }
        // Without a deadline the wait is cut into slices, each ended by the
        // stop flag at the latest.
        const Clock::time_point until = deadline ? *deadline : Clock::now() + std::chrono::seconds(1);
        const std::optional<std::string> line = process_.readLine(until, stopSent ? nullptr : &stop);
        if (!line) {
            if (process_.interrupted()) continue;  // stop was set: sent at the top
            if (process_.timedOut()) {
                if (!deadline) continue;
                return failed(PlayerFailure::Timeout, stopSent ? "no bestmove after stop" : "no bestmove in time");
            }
            if (process_.lineTooLong()) return failed(PlayerFailure::LineTooLong, "line too long");
            return failed(PlayerFailure::Crashed, "engine ended");
        }
        if (std::optional<Info> info = parseInfo(*line)) {
            // Only the best line speaks for the move.
            if (info->multiPv <= 1) {
                last = *info;
                heard = true;
            }
            if (onInfo) onInfo(*info);
        } else {
            best = bestMoveOf(*line);
        }
    }
    if (*best == "resign") {
        Thought t;
        t.failure = PlayerFailure::Resigned;
        t.failureDetail = "resign";
        return t;
    }
    const std::vector<Move> moves = legalMoves(p, side);
    const Move* m = findMove(moves, *best);
    if (m == nullptr) {
        Thought t;
        t.failure = PlayerFailure::IllegalMove;
        t.failureDetail = best->empty() ? "bestmove" : *best;
        return t;
    }
    Thought t;
    t.hasMove = true;
    t.move = *m;
    if (heard) {
        t.scoreCp = last.scoreCp;
        t.mateIn = last.mateIn;
        t.nodes = last.nodes;
        t.depth = last.depth;
    }
    return t;
}

}  // namespace xantu::usi
