#include "record/move_list.h"

#include <cassert>
#include <cstddef>

namespace xantu {

void 手順保存(MoveList& list, const Position& p, double 前秒M, double 後秒M, double 前秒C, double 後秒C) {
    MoveListEntry& e = list.entry(list.recordLength);
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) e.board[x][y] = p.board[x][y];
    for (int k = 0; k <= kHandKinds; ++k) {
        e.ownHand[k] = p.ownHand[k];
        e.enemyHand[k] = p.enemyHand[k];
    }
    e.manSecondsBefore = 前秒M;
    e.manSecondsAfter = 後秒M;
    e.comSecondsBefore = 前秒C;
    e.comSecondsAfter = 後秒C;
    e.movedPiece = 0;
    list.lastEntry = list.recordLength;
}

void 局面復元(const MoveList& list, int k, Position& p) {
    static const MoveListEntry blank{};
    局面復元(k >= 0 && k < static_cast<int>(list.entries.size()) ? list.entries[static_cast<std::size_t>(k)] : blank,
             p);
}

void 局面復元(const MoveListEntry& e, Position& p) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) p.board[x][y] = e.board[x][y];
    p.ownHandTotal = p.enemyHandTotal = 0;
    for (int kind = 1; kind <= kHandKinds; ++kind) {
        p.ownHand[kind] = e.ownHand[kind];
        p.enemyHand[kind] = e.enemyHand[kind];
        if (e.ownHand[kind] > 0) p.ownHandTotal += e.ownHand[kind];
        if (e.enemyHand[kind] > 0) p.enemyHandTotal += e.enemyHand[kind];
    }
}

}  // namespace xantu
