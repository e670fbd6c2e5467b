#pragma once
#include <string>

#include "core/side.h"

namespace xantu {

// One move of either side, as the rules, the players and the tools pass it.
// A board move goes from the square (fromX, fromY) to (toX, toY); a drop
// puts a piece of hand kind dropKind (1 pawn .. 7 rook) from the mover's
// hand on (toX, toY) and has no origin square. `placed` is the signed code
// that stands on the destination afterwards, so its sign names the mover;
// `promotes` is true when a board move promotes the piece.
struct Move {
    int fromX = 0, fromY = 0;  // a board move's origin; 0, 0 for a drop
    int dropKind = 0;          // a drop's hand kind 1..7; 0 for a board move
    int toX = 0, toY = 0;
    int placed = 0;
    bool promotes = false;

    static Move boardMove(int fromX, int fromY, int toX, int toY, int placed, bool promotes);
    static Move drop(Side side, int kind, int toX, int toY);

    bool isDrop() const { return dropKind != 0; }
    Side side() const { return sideOf(placed); }

    // The origin as the move check and the move rules name it: the board
    // square, or for a drop the mover's hand pseudo-column and the row that
    // column names a drop by (core/hand_rows.h).
    int originX() const;
    int originY() const;

    // USI text: "7g7f", "8h2b+", "P*5e".
    std::string usi() const;

    bool operator==(const Move&) const = default;
};

// The same move seen from the other side of the board (as turnedAbout does to
// a Position): squares mirrored through the centre, the owner exchanged.
Move turnedAbout(const Move& m);

}  // namespace xantu
