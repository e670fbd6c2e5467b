#pragma once
// The move of the specified one-ply computer (levels 1..3) for either side.
#include <string>

#include "computer/score.h"
#include "core/position.h"
#include "core/sfen.h"

namespace xantu::engine {

struct LevelMove {
    bool found = false;  // false: no move and no drop at all
    // As in LegalMove: a drop has fromX = 11 or -1 and fromY = the hand kind.
    int fromX = 0, fromY = 0, toX = 0, toY = 0, code = 0;
    bool promotes = false;
    std::string usi;
    Score score = 0;
    long candidates = 0;
};

// What `think` chooses from a fresh state. For the lower side the board is
// turned about first and the move turned back, as the game does.
LevelMove levelMove(const Position& p, Side side, int level);

}  // namespace xantu::engine
