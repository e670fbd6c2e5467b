// The computer's move: the one-ply player answers at once on the game's own
// state; LEVEL4 and an outside engine run on a worker thread while the
// window keeps its clock moving and stays painted.
#include <algorithm>
#include <thread>

#include "core/legal_moves.h"
#include "players/make_player.h"
#include "window/game_window.h"

namespace xantu {

namespace {

constexpr double kSlice = 0.01;
constexpr int kSlicesPerTick = 5;  // Timer1 fires every 50 ms

// Whether the search's answer is one of the moves the rules allow the upper
// side here, placed code and promotion included.
bool allowedForUpperSide(const Position& p, const Thought& found) {
    const std::vector<Move> moves = legalMoves(p, Side::Upper);
    return std::find(moves.begin(), moves.end(), found.move) != moves.end();
}

}  // namespace

Limits GameWindow::時計_探索制限() const {
    Limits limits;
    const TimeControl& t = 時計_持ち時間(g.comSide);
    if (!clk.control.timed() || !t.timed()) {
        limits.movetimeMs = kStrongThinkMs;
        return limits;
    }
    // What the clock allows, less what it charges beyond the search's own
    // time (the turn's start before the search, the wait's end after it):
    // taken from the main time first, then from the byoyomi.
    double leftMs = 1000 * (調査_残り持ち時間(g.comSide) - clk.turnSeconds);
    double byoyomiMs = t.kind == TimeKind::Byoyomi ? 1000.0 * t.periodSeconds : 0;
    double margin = kStrongClockMarginMs;
    const double fromMain = std::min(std::max(0.0, leftMs), margin);
    leftMs -= fromMain;
    margin -= fromMain;
    byoyomiMs = std::max(0.0, byoyomiMs - margin);
    limits.timeLeftMs = static_cast<int>(std::max(0.0, leftMs));
    limits.byoyomiMs = static_cast<int>(byoyomiMs);
    limits.incrementMs = t.kind == TimeKind::Increment ? 1000 * t.periodSeconds : 0;
    // The human's clock, as it stood when the turn passed (an outside engine
    // is told both clocks; the strong search reads only its own).
    const TimeControl& human = 時計_持ち時間(g.manSide);
    if (human.timed()) {
        limits.opponentTimeLeftMs = static_cast<int>(std::max(0.0, 1000 * 調査_残り持ち時間(g.manSide)));
        limits.opponentIncrementMs = human.kind == TimeKind::Increment ? 1000 * human.periodSeconds : 0;
    }
    return limits;
}

void GameWindow::tickClock(void* self) { static_cast<GameWindow*>(self)->Timer1_Timer(); }

Player& GameWindow::computerPlayer(const Opponent& who) {
    players::PlayerSetup setup;
    if (!who.isEngine() && who.level >= 1 && who.level < kStrongLevel) {
        // The one-ply player thinks on the game's own state, kept across turns.
        setup.onePlyOn = players::GameStateBinding{&pos, &inf, &turn, &GameWindow::tickClock, this};
        onePlyPlayer_ = players::makePlayer(who, setup);
        return *onePlyPlayer_;
    }
    const RegisteredEngine* engine = who.isEngine() ? findEngine(engines, who.engine) : nullptr;
    const RegisteredEngine wanted = engine != nullptr ? *engine : RegisteredEngine{};
    const bool same = keptPlayer_ && keptPlayerFor_ == who && keptPlayerEngine_ == wanted &&
                      (who.isEngine() || keptPlayerStrength_ == strength_);
    if (!same) {
        keptPlayer_.reset();  // an engine ends before the next one starts
        setup.hashMegabytes = 64;
        setup.strength = strength_;
        setup.threads = kStrongThreads;
        setup.engines = &engines;
        keptPlayer_ = players::makePlayer(who, setup);
        keptPlayerFor_ = who;
        keptPlayerStrength_ = strength_;
        keptPlayerEngine_ = wanted;
    }
    return *keptPlayer_;
}

Thought GameWindow::computerThinks() {
    Player& player = computerPlayer(g.opponent);
    if (player.answersAtOnce()) {
        const std::atomic<bool> never{false};
        return player.think(pos, Side::Upper, Limits{}, never);
    }
    std::atomic<bool> stop{false}, done{false};
    Thought found;
    const Position position = pos;
    const Limits limits = 時計_探索制限();
    const bool stub = strongThink && !g.opponent.isEngine();
    std::thread worker([&] {
        if (stub) {
            found = strongThink(position, stop);
        } else {
            found = player.think(position, Side::Upper, limits, stop);
        }
        done = true;
    });
    // The window waits busy: painted, its input dropped, Esc, closing the
    // window and 終わり remembered. Slices shorter than a Timer1 period let
    // such a request stop the search at once; the clock display still moves
    // once a period.
    {
        BusyScope busy(*this);
        int slices = 0;
        while (!done) {
            plat.clock.wait(kSlice);
            if (exitAfterBusy_ || exitRequested_) stop = true;
            if (++slices % kSlicesPerTick == 0) Timer1_Timer();
        }
    }
    worker.join();

    if (exitAfterBusy_ || exitRequested_) return Thought{};
    // An outside engine's answer has passed the move check; whatever else it
    // did ends the game in com_ban.
    if (g.opponent.isEngine()) return found;
    if (!found.hasMove) return Thought{};
    if (!allowedForUpperSide(pos, found)) {
        // Never play a move the rules refuse: the one-ply player answers instead.
        return computerPlayer(Opponent::builtIn(3)).think(pos, Side::Upper, Limits{}, stop);
    }
    return found;
}

}  // namespace xantu
