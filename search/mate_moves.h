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
// not be attacked already: board moves in the order generateAll gives them,
// then drops by kind from the rook down. `scratch` is working space.
void generateChecks(Board& b, MoveBuffer& scratch, MateChildren& out);

// For a side to move whose king is attacked: every move after which it is
// not (what keepEvasions keeps), board moves in the order generateAll gives
// them, then drops by kind from the rook down.
void generateEvasions(Board& b, MoveBuffer& scratch, MateChildren& out);

}  // namespace xantu::search
