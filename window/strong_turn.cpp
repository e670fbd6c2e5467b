// The computer's move at the strong level: the search runs on a worker
// thread, the window keeps its clock moving and stays painted meanwhile.
#include <thread>

#include "window/game_window.h"

namespace xantu {

namespace {
// The slice of the wait: one period of Timer1, so the clock display moves as usual.
constexpr double kWaitSlice = 0.05;
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
            found = searcher_->think(position, search::Side::Upper, limits, stop);
        }
        done = true;
    });
    while (!done) {
        plat.clock.wait(kWaitSlice);
        Timer1_Timer();
        if (exitRequested_) stop = true;
    }
    worker.join();

    SearchResult r;
    if (exitRequested_ || !found.hasMove) return r;
    r.found = true;
    r.fromX = found.fromX;
    r.fromY = found.fromY;
    r.toX = found.toX;
    r.toY = found.toY;
    r.placed = found.placedCode;
    const bool drop = found.fromX == kUpperHandCol;
    r.movedPiece = drop ? found.placedCode : pos.board[found.fromX][found.fromY];
    r.promotes = !drop && r.placed != r.movedPiece;
    return r;
}

}  // namespace xantu
