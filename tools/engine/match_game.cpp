#include "tools/engine/match_game.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "core/legal_moves.h"
#include "tools/engine/sfen_args.h"
#include "usi/handshake.h"
#include "usi/usi_lines.h"

namespace xantu::engine {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kHandshakeMs = 30000;

std::string positionCommand(const Opening& o, const std::vector<std::string>& moves) {
    std::string s = "position " + (o.start == "startpos" ? std::string("startpos") : "sfen " + o.start);
    if (!moves.empty()) {
        s += " moves";
        for (const std::string& m : moves) s += ' ' + m;
    }
    return s;
}

// Seconds as text ("10", "0.1") to whole milliseconds.
bool secondsToMs(const std::string& text, int& ms) {
    try {
        std::size_t used = 0;
        const double v = std::stod(text, &used);
        if (used != text.size() || !(v >= 0) || v > 86400) return false;
        ms = static_cast<int>(std::lround(v * 1000));
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

bool parseMatchClock(const std::string& text, MatchClock& out) {
    MatchClock c;
    c.on = true;
    const std::size_t plus = text.find('+'), b = text.find('b');
    if ((plus == std::string::npos) == (b == std::string::npos)) return false;
    const std::size_t at = plus != std::string::npos ? plus : b;
    if (!secondsToMs(text.substr(0, at), c.mainMs)) return false;
    if (!secondsToMs(text.substr(at + 1), plus != std::string::npos ? c.incrementMs : c.byoyomiMs)) return false;
    out = c;
    return true;
}

bool MatchEngine::ready() {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kHandshakeMs);
    switch (usi::handshake(process, setup.setoptions, deadline, name)) {
    case usi::HandshakeStatus::Ok: return true;
    case usi::HandshakeStatus::NoStart: failure = "could not start"; break;
    case usi::HandshakeStatus::NoUsiOk:
    case usi::HandshakeStatus::NotFound: failure = "no usiok"; break;
    case usi::HandshakeStatus::NoReadyOk: failure = "no readyok"; break;
    case usi::HandshakeStatus::LineTooLong: failure = "line too long"; break;
    case usi::HandshakeStatus::Interrupted: failure = "interrupted"; break;  // no interrupt is given
    }
    return false;
}

GameResult playGame(const Opening& opening, MatchEngine& black, MatchEngine& white, int maxPlies,
                    const MatchClock& clock) {
    GameResult result;
    SfenResult start = parsePositionText(opening.start);
    Position p = start.position;
    Side side = start.side;
    bool kingTaken = false;
    std::map<std::string, int> seen;
    const auto record = [&] { return ++seen[toSfen(p, side)]; };
    record();
    const auto play = [&](const Move& m) {
        kingTaken = absCode(playMove(p, m)) == kKing;
        side = opponent(side);
        result.moves.push_back(m.usi());
    };
    for (const std::string& u : opening.moves) {
        const std::vector<Move> moves = legalMoves(p, side);
        const Move* m = findMove(moves, u);
        if (m == nullptr) {  // openings are checked when read; this is a safety net
            result.reason = "illegal opening move " + u;
            return result;
        }
        play(*m);
        record();
    }
    // Which side's engine is which: the first mover of the opening's start is "black".
    const Side blackSide = start.side;
    const auto engineOf = [&](Side s) -> MatchEngine& { return s == blackSide ? black : white; };
    const auto loses = [&](Side s, const std::string& why) {
        result.winner = s == blackSide ? -1 : 1;
        result.reason = why;
        return result;
    };

    if (!black.ready()) return loses(blackSide, "black engine failed: " + black.failure);
    if (!white.ready()) return loses(opponent(blackSide), "white engine failed: " + white.failure);
    black.process.send("usinewgame");
    white.process.send("usinewgame");

    // Main time left to black and white.
    double left[2] = {static_cast<double>(clock.mainMs), static_cast<double>(clock.mainMs)};
    for (;;) {
        if (static_cast<int>(result.moves.size()) >= maxPlies) {
            result.reason = "ply limit";
            return result;
        }
        MatchEngine& e = engineOf(side);
        const bool isBlack = side == blackSide;
        e.process.send(positionCommand(opening, result.moves));
        std::string go = e.setup.goArgs;
        double allowedMs = 0;
        if (clock.on) {
            const auto whole = [](double ms) { return std::to_string(static_cast<long>(std::floor(ms))); };
            go = "btime " + whole(left[0]) + " wtime " + whole(left[1]);
            if (clock.byoyomiMs > 0)
                go += " byoyomi " + std::to_string(clock.byoyomiMs);
            else
                go += " binc " + std::to_string(clock.incrementMs) + " winc " + std::to_string(clock.incrementMs);
            allowedMs = left[isBlack ? 0 : 1] + clock.byoyomiMs;
        }
        const auto t0 = Clock::now();
        e.process.send("go " + go);
        // On a clock, a late answer is still read for a while so that the
        // record says by how much it was late.
        const int waitMs = clock.on ? static_cast<int>(allowedMs) + 5000 : e.setup.moveTimeoutMs;
        const std::optional<std::string> line =
            usi::awaitLine(e.process, "bestmove", t0 + std::chrono::milliseconds(waitMs));
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        if (clock.on) {
            double& spare = isBlack ? result.leastSpareBlack : result.leastSpareWhite;
            spare = std::min(spare, allowedMs - ms);
            if (ms > allowedMs) {
                if (!line) e.process.stop();
                // How late, against what was left: a forfeit in a long match
                // can then be told from a stall of the machine.
                char note[96];
                std::snprintf(note, sizeof note, "time forfeit (%.0f ms with %.0f left)", ms, allowedMs);
                return loses(side, note);
            }
            double& mine = left[isBlack ? 0 : 1];
            mine = std::max(0.0, mine - ms) + clock.incrementMs;
        }
        (isBlack ? result.msBlack : result.msWhite) += ms;
        ++(isBlack ? result.movesBlack : result.movesWhite);
        if (!line) {
            const bool late = e.process.timedOut();
            const bool tooLong = e.process.lineTooLong();
            e.process.stop();  // started afresh for the next game
            return loses(side, late ? "time out" : tooLong ? "line too long" : "engine crashed");
        }
        const std::string move = usi::bestMoveOf(*line).value_or(std::string());
        if (move == "resign") return loses(side, "resigned");
        const std::vector<Move> moves = legalMoves(p, side);
        const Move* m = findMove(moves, move);
        if (m == nullptr) return loses(side, "illegal move " + move);
        const Side mover = side;
        play(*m);
        if (kingTaken) {
            result.winner = mover == blackSide ? 1 : -1;
            result.reason = "king captured";
            return result;
        }
        if (record() >= 4) {
            result.reason = "fourfold repetition";
            return result;
        }
    }
}

}  // namespace xantu::engine
