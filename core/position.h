#pragma once
#include "core/pieces.h"
#include "core/position_fault.h"
#include "core/side.h"

namespace xantu {

// The one Position of the game: board(x, y) with x the column from the left
// as drawn and y the row from the top, both 1..9 (index 0 unused), and the
// two hands by kind 1..7. A plain value type: copying it is a snapshot.
struct Position {
    int board[10][10]{};  // board[x][y]
    int ownHand[8]{};     // lower side (MAN), kinds 1..7
    int enemyHand[8]{};   // upper side (COM), kinds 1..7
    int ownHandTotal = 0;
    int enemyHandTotal = 0;
    // King squares: manKing follows every move of -950 and every survey;
    // comKing is written only by the influence survey.
    int manKingX = 0, manKingY = 0;
    int comKingX = 0, comKingY = 0;

    int& at(int x, int y) { return board[x][y]; }
    int at(int x, int y) const { return board[x][y]; }

    // The invariant: every square a known piece code (no gold or king shown
    // promoted), at most one king per side, each hand 0..18 of each kind with
    // its total the sum, and no more pieces of a kind than the set has.
    // fault() names the first rule broken; neither allocates.
    PositionFault fault(SetBound bound = SetBound::Enforced) const;
    bool ok(SetBound bound = SetBound::Enforced) const { return !fault(bound).broken(); }
};

// Two-pawn flags per file 1..9 (1 = an unpromoted pawn of that side stands on it).
struct PawnFiles {
    int man[10]{};
    int com[10]{};
};

bool isPieceCode(int code);

// How many kings of `side` stand on the board, and whether each side has
// exactly one, as in every game until a king is taken.
int kingCount(const Position& p, Side side);
bool bothKingsOnBoard(const Position& p);

// The Position seen from the other side of the board: every square mirrored
// through the centre with its owner exchanged, and the two hands exchanged.
// The king squares are copied unchanged (only moves and surveys set them).
Position turnedAbout(const Position& p);
// The same, with the two king squares turned and exchanged as well, so that
// they hold before any survey: the one-ply player only ever plays the upper
// side, and finds the lower side's move on the board turned about.
Position turnedAboutWithKings(const Position& p);

// Empties the board and hands and lays out the standard starting position.
// The king squares are not touched (see Position).
void 初期配置(Position& p);

}  // namespace xantu
