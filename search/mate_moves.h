#pragma once
// The moves a mate search looks at. Kings are not royal: a check is a move
// after which the opponent's king is attacked, i.e. could be taken next; the
// side in check may play anything, but every reply that leaves its king
// attacked loses it at once, so only the other replies (the evasions) need
// to be searched.
#include <cstdint>

#include "search/movegen.h"

namespace xantu::search {

// The children of one node of the mate search: each move with the key of
// the position it leads to, in a fixed array (nothing is allocated).
struct MateChildren {
    static constexpr int kCapacity = MoveBuffer::kCapacity;
    Move moves[kCapacity];
    std::uint64_t keys[kCapacity];
    // The child is lost for the attacker without a search: generateChecks
    // sets it for a check after which the checker's own king can be taken
    // (the search adds children that repeat a position of its line).
    bool lost[kCapacity];
    int size = 0;
};

// Every move of the side to move that attacks the opponent's king, which must
// not be attacked already: found from the king outwards, not by trying every
// move (board moves, then drops by kind from the rook down).
void generateChecks(Board& b, MateChildren& out);

// For a side to move whose king is attacked: every move after which it is
// not (what keepEvasions keeps): the king's steps, the moves onto the
// attackers' squares and onto the squares between a sliding attacker and the
// king, then drops there by kind from the rook down.
void generateEvasions(Board& b, MateChildren& out);

// Whether the side to move has any move at all. `scratch` is working space.
bool hasAnyMove(const Board& b, MoveBuffer& scratch);

}  // namespace xantu::search
