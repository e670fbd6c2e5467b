#pragma once
// The moves of one side as the move check allows them, in the order the
// `moves` command prints them, and the playing of one of them. Shared by
// `moves`, the USI reader (for `position … moves …`) and the match referee.
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/position.h"
#include "core/sfen.h"

namespace xantu::engine {

// One move. A drop has fromX = 11 (lower side) or -1 (upper side) and
// fromY = the hand kind 1..7; code is the signed code that will stand on
// (toX, toY).
struct LegalMove {
    int fromX = 0, fromY = 0, toX = 0, toY = 0, code = 0;
    bool promotes = false;
    std::string usi;
};

// Board moves by origin x, y, destination x, y (the promoted form after the
// unpromoted one, the unpromoted one left out where it would strand the
// piece), then drops by hand kind, destination x, y.
std::vector<LegalMove> legalMoves(const Position& p, Side side);

// The move of that text among the legal ones, or nullptr.
const LegalMove* findMove(const std::vector<LegalMove>& moves, std::string_view usi);

// A GameState for playing moves on a bare Position: the lower side moves
// first, the game not decided.
GameState refereeState();

// Plays a move from legalMoves on p. A captured king sets g.winnerSide
// (g.manSide when the upper king falls, g.comSide when the lower one does).
void playMove(Position& p, GameState& g, const LegalMove& m);

// The other side.
inline Side opponent(Side s) { return s == Side::Lower ? Side::Upper : Side::Lower; }

}  // namespace xantu::engine
