#pragma once
// The moves of one side as the move check allows them, and the playing of
// one of them: the one list every player, tool and test enumerates.
#include <optional>
#include <string_view>
#include <vector>

#include "core/move.h"
#include "core/position.h"

namespace xantu {

// Every board move and drop of `side` that the move check allows (a move
// that leaves the mover's own king attacked included). Board moves by origin
// x, y, destination x, y (the promoted form after the unpromoted one, the
// unpromoted one left out where it would strand the piece), then drops by
// hand kind, destination x, y. The engine's `moves` command prints this
// order, so it is part of the contract.
std::vector<Move> legalMoves(const Position& p, Side side);

// The move of that USI text among `moves`, or nullptr.
const Move* findMove(const std::vector<Move>& moves, std::string_view usi);

// The move of that USI text among legalMoves(p, side), or nothing, found
// without listing every move: the move check runs for that one move only.
// For reading long move lists, where the whole list per move would cost
// a hundred checks each.
std::optional<Move> legalMove(const Position& p, Side side, std::string_view usi);

// Plays a move from legalMoves on p, as the game does (the capture into the
// hand, the lower king's square). Returns the code taken, 0 for none: a king
// taken (absCode == kKing) ends the game.
int playMove(Position& p, const Move& m);

}  // namespace xantu
