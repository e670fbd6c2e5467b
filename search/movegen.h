#pragma once
// Move generation for the side to move: every move the game's move check
// allows (no notion of check: a king may walk into capture or be left
// attacked). Promotion choices as the rules give them: optional in or out of
// the zone for pawns, silvers, bishops and rooks, forced for a lance or knight
// that would otherwise have no move left; a pawn is never forced.
#include "search/board.h"

namespace xantu::search {

// The moves of one node with their ordering scores, in a fixed array so that
// generating them allocates nothing.
struct MoveBuffer {
    static constexpr int kCapacity = 1200;
    Move moves[kCapacity];
    int scores[kCapacity];
    int size = 0;
    void add(Move m) { moves[size++] = m; }
};

// Every move and drop.
void generateAll(const Board& b, MoveBuffer& out);
// Captures, and promotions when withPromotions (quiescence).
void generateTactical(const Board& b, MoveBuffer& out, bool withPromotions);
// Whether a piece of `colour` and `type` standing on `from` reaches `to` in
// one move over the board as it stands (what stands on `from` itself is not
// looked at, so a piece about to be dropped may be asked about).
bool reaches(const Board& b, int colour, int type, int from, int to);
// Whether `m` is one of the moves generateAll gives here: a move from the
// table, which may belong to another position, is checked before it is played.
bool isPseudoLegal(const Board& b, Move m);
// Keeps in `list` only the moves that leave the mover's king unattacked, in
// their order: the answers when that king is attacked. Drops off the lines
// between the king and a sliding attacker are left out without being played.
void keepEvasions(Board& b, MoveBuffer& list);
// Whether the side to move can capture the enemy king; sets the move if so.
Move kingCapture(const Board& b);

// The move named in USI notation, if the side to move may play it; else 0.
Move parseUsiMove(const Board& b, const std::string& text);

}  // namespace xantu::search
