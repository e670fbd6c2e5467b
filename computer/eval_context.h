#pragma once
#include "computer/score.h"
#include "computer/trace.h"
#include "computer/turn_state.h"
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu {

// Everything one evaluation reads: the Position with the candidate played
// (the board may be lifted from and restored by the analyses, and the mate
// test plays replies on it), the influence map of that Position, the
// computer's turn state, the level, and an optional trace sink.
struct EvalContext {
    Position& p;
    const InfluenceMap& m;
    const TurnState& t;
    int comLevel = 3;
    const TraceSink* trace = nullptr;

    int board(int x, int y) const { return p.board[x][y]; }
    // A square is attacked when some MAN piece reaches it, defended when
    // some COM piece does.
    bool attacked(int x, int y) const { return m.manInfluence[x][y] > 0; }
    bool defended(int x, int y) const { return m.comInfluence[x][y] > 0; }
};

}  // namespace xantu
