#pragma once
// The move of the specified one-ply computer (levels 1..3) for either side.
#include "computer/search.h"
#include "core/position.h"
#include "core/side.h"

namespace xantu::engine {

// What `think` chooses from a fresh state, for either side. For the lower
// side the board is turned about first and the move turned back, as the game
// does.
SearchResult levelMove(const Position& p, Side side, int level);

}  // namespace xantu::engine
