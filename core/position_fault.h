#pragma once
#include <string>

#include "core/side.h"

namespace xantu {

// The rules a Position keeps, as its check names them.
enum class PositionRule : unsigned char {
    None,       // the Position keeps every rule
    PieceCode,  // a square holds a code that is no piece
    KingCount,  // a side has more than one king on the board
    HandCount,  // a hand holds fewer than 0 or more than 18 of a kind
    HandTotal,  // a hand's total differs from the sum of its counts
    PieceSet,   // more pieces of a kind than the set has (board and both hands)
};

// The first rule a Position breaks, and where. Plain values, so that the
// check allocates nothing; describe() puts it into words when asked.
struct PositionFault {
    PositionRule rule = PositionRule::None;
    int x = 0, y = 0;         // the square (PieceCode; the second king for KingCount)
    Side side = Side::Lower;  // whose king or hand (KingCount, HandCount, HandTotal)
    int kind = 0;             // hand kind 1..7 (HandCount, PieceSet)
    int found = 0;            // the code, count or total found
    int allowed = 0;          // the most the rule allows (KingCount, HandCount, PieceSet), or the sum (HandTotal)

    bool broken() const { return rule != PositionRule::None; }
};

// Whether a check bounds each kind by the set. A Position from a game or a
// record keeps the bound, and the readers of SFEN and record files enforce
// it; a composed problem (the benchmark's fixed positions, a test's layout)
// may hold more of a kind than a set has, so the program's own assertions,
// which guard the bookkeeping of moves and restores, waive it.
enum class SetBound : unsigned char { Enforced, Waived };

// How many pieces of each hand kind (1 pawn .. 7 rook) the set has, counted
// over the board and both hands, promoted pieces with their kind.
inline constexpr int kPiecesInSet[8] = {0, 18, 4, 4, 4, 4, 2, 2};

// One line of English for logs, assertions and the engine tool, e.g.
// "the set has 2 rooks, found 3 (board and both hands)". Empty for None.
std::string describe(const PositionFault& f);

}  // namespace xantu
