#pragma once
// LEVEL4: the strong computer player. A search of its own (move generator,
// evaluation, alpha-beta) that shares nothing with the one-ply player of
// computer/ but the Position it is given.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/move.h"
#include "core/position.h"

namespace xantu::search {

// The side to move. Lower = negative codes = SFEN 'b' (uppercase letters),
// the side that moves towards y = 1; Upper = positive codes = SFEN 'w'.
enum class Side { Lower, Upper };

// What bounds one search. Zero means "no bound" for depth, nodes and
// movetime; a search with no bound at all runs until stop (go infinite).
struct Limits {
    int depth = 0;
    std::uint64_t nodes = 0;
    int movetimeMs = 0;
    // Clock of the side to move (USI btime/wtime, binc/winc, byoyomi);
    // timeLeftMs < 0 means no clock.
    int timeLeftMs = -1;
    int incrementMs = 0;
    int byoyomiMs = 0;
    bool infinite = false;
};

// One line of progress, sent after each completed iteration.
struct Info {
    int depth = 0;
    int selDepth = 0;
    int scoreCp = 0;  // from the side to move's view
    int mateIn = 0;   // plies to a king capture: > 0 we win, < 0 we lose, 0 none
    std::uint64_t nodes = 0;
    std::uint64_t nps = 0;
    int timeMs = 0;
    std::string pv;  // USI moves separated by single spaces
};

// The chosen move and what the search knows of it.
struct Result {
    bool hasMove = false;  // false: no move at all (USI "bestmove resign")
    xantu::Move move;
    int scoreCp = 0;
    int mateIn = 0;
    std::uint64_t nodes = 0;
    int depth = 0;
};

// One engine instance: owns its transposition table and history, which live
// across the moves of a game. Not thread-safe; one search at a time. `stop`
// may be set from another thread and is polled often enough that the search
// returns within a few milliseconds.
class Searcher {
public:
    explicit Searcher(std::size_t hashMegabytes = 64);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    void newGame();  // clears the table and the history
    Result think(const Position& pos, Side toMove, const Limits& limits, const std::atomic<bool>& stop,
                 const std::function<void(const Info&)>& onInfo = {});

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace xantu::search
