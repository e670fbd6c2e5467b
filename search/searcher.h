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
#include "core/player.h"
#include "core/position.h"
#include "core/sfen.h"
#include "search/limits.h"
#include "search/strength.h"

namespace xantu::search {

// One line of progress (core/player.h).
using Info = xantu::Info;

// The chosen move and what the search knows of it.
using Result = xantu::Thought;

// One engine instance: owns its transposition table and history, which live
// across the moves of a game. Not thread-safe; one search at a time. `stop`
// may be set from another thread and is polled often enough that the search
// returns within a few milliseconds. With more than one thread, helpers
// search the same position beside the main thread and share its table
// (their results reach the answer only through the table); a node limit then
// counts the main thread's nodes, and the reported nodes are all threads'.
class Searcher {
public:
    explicit Searcher(std::size_t hashMegabytes = 64, int threads = 1);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    void newGame();  // clears the table and the history
    // The step searched from the next go on (full strength until set).
    void setStrength(Strength s);
    // Searches `pos` for the seat `toMove` within `limits`; reports each
    // completed iteration through onInfo.
    Result go(const Position& pos, Side toMove, const Limits& limits, const std::atomic<bool>& stop,
              const std::function<void(const Info&)>& onInfo = {});

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace xantu::search
