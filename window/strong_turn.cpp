// The computer's move at the strong level: the search runs on a worker
// thread, the window keeps its clock moving and stays painted meanwhile.
#include <algorithm>
#include <thread>

#include "core/legal_moves.h"
#include "window/game_window.h"

namespace xantu {

namespace {

constexpr double kSlice = 0.01;
constexpr int kSlicesPerTick = 5;  // Timer1 fires every 50 ms

// Whether the search's answer is one of the moves the rules allow the upper
// side here, placed code and promotion included.
bool allowedForUpperSide(const Position& p, const search::Result& found) {
    const std::vector<Move> moves = legalMoves(p, Side::Upper);
    return std::find(moves.begin(), moves.end(), found.move) != moves.end();
}

}  // namespace

SearchResult GameWindow::strongSearch() {
    if (!strongThink && !searcher_) searcher_ = std::make_unique<search::Searcher>();
    std::atomic<bool> stop{false}, done{false};
    search::Result found;
    const Position position = pos;
    std::thread worker([&] {
        if (strongThink) {
            found = strongThink(position, stop);
        } else {
            search::Limits limits;
            limits.movetimeMs = kStrongThinkMs;
            limits.strength = strength_;
            found = searcher_->go(position, Side::Upper, limits, stop);
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

    SearchResult r;
    if (exitAfterBusy_ || exitRequested_ || !found.hasMove) return r;
    if (!allowedForUpperSide(pos, found)) {
        // Never play a move the rules refuse: the one-ply player answers instead.
        return comSearch(
            pos, inf, turn, 3, [](void* self) { static_cast<GameWindow*>(self)->Timer1_Timer(); }, this, nullptr);
    }
    r.found = true;
    r.move = found.move;
    return r;
}

}  // namespace xantu
