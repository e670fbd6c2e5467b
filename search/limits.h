#pragma once
// What bounds one LEVEL4 search: depth, nodes, a fixed time, or the clock of
// the side to move, the way USI `go` gives them, and the strength asked for.
#include <cstdint>

#include "search/strength.h"

namespace xantu::search {

// Zero means "no bound" for depth, nodes and movetime; a search with no
// bound at all runs until stop (go infinite).
struct Limits {
    int depth = 0;
    std::uint64_t nodes = 0;
    int movetimeMs = 0;
    // The clock of the side to move (USI btime/wtime, binc/winc, byoyomi):
    // the main time left, the time added after each move (Fischer) and the
    // time each move may take once the main time is spent. timeLeftMs < 0
    // means no clock; 0 with a byoyomi means the main time is spent.
    int timeLeftMs = -1;
    int incrementMs = 0;
    int byoyomiMs = 0;
    bool infinite = false;
    // Below full strength the search also keeps to the step's own budget
    // and picks among near-best moves (search/strength.h).
    Strength strength = kFullStrength;
};

}  // namespace xantu::search
