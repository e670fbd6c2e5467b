#pragma once
// LEVEL4 as a Player: the strong search with its table kept across the moves
// of a game, at one of its steps of strength.
#include <cstddef>

#include "core/player.h"
#include "search/searcher.h"

namespace xantu::search {

class Level4Player final : public Player {
public:
    explicit Level4Player(std::size_t hashMegabytes = 64, Strength strength = kFullStrength, int threads = 1)
        : searcher_(hashMegabytes, threads) {
        searcher_.setStrength(strength);
    }
    // The step of the moves thought from now on.
    void setStrength(Strength s) { searcher_.setStrength(s); }
    void newGame() override { searcher_.newGame(); }
    Thought think(const Position& p, xantu::Side side, const Limits& limits, const std::atomic<bool>& stop,
                  const InfoSink& onInfo = {}) override {
        return searcher_.go(p, side, limits, stop, onInfo);
    }

private:
    Searcher searcher_;
};

}  // namespace xantu::search
