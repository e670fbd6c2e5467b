#pragma once
#include <cstddef>
#include <vector>

#include "core/position.h"

namespace xantu {

// One move-list entry: the Position from which a move was then made (or, for
// the live end of a game stepped back from, the Position after the last move),
// with both sides' thinking-time totals before and after that move.
struct MoveListEntry {
    int board[10][10]{};
    int ownHand[8]{};
    int enemyHand[8]{};
    double manSecondsBefore = 0, manSecondsAfter = 0;
    double comSecondsBefore = 0, comSecondsAfter = 0;
    int movedPiece = 0;  // 0 = no value
};

// The move list grows as needed, so a long game is never cut off.
struct MoveList {
    std::vector<MoveListEntry> entries = std::vector<MoveListEntry>(501);
    int recordLength = 0;  // moves that led to the Position on the board
    int lastEntry = 0;     // index of the last entry written

    MoveListEntry& entry(int k) {
        if (k >= static_cast<int>(entries.size())) entries.resize(static_cast<std::size_t>(k) * 2 + 1);
        return entries[static_cast<std::size_t>(k)];
    }
};

// Saves entry recordLength from the Position and the four clock values.
void 手順保存(MoveList& list, const Position& p, double 前秒M, double 後秒M, double 前秒C, double 後秒C);

// Restores board and hands (with recomputed totals) from entry k.
void 局面復元(const MoveList& list, int k, Position& p);
// The same from one entry.
void 局面復元(const MoveListEntry& e, Position& p);

}  // namespace xantu
