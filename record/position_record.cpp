#include "record/position_record.h"

#include <optional>

#include "core/move_rules.h"

namespace xantu {

namespace {

bool sameHands(const Position& a, const Position& b) {
    for (int k = 1; k <= kHandKinds; ++k)
        if (a.ownHand[k] != b.ownHand[k] || a.enemyHand[k] != b.enemyHand[k]) return false;
    return true;
}

bool sameBoard(const Position& a, const Position& b) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (a.board[x][y] != b.board[x][y]) return false;
    return true;
}

// The one move (board move or drop, with its promotion) that turns `before`
// into `after`; no value when no single move does.
std::optional<Move> moveBetween(const Position& before, const Position& after) {
    int changed = 0;
    int sx[3]{}, sy[3]{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (before.board[x][y] != after.board[x][y]) {
                if (changed == 2) return std::nullopt;
                sx[changed] = x;
                sy[changed] = y;
                ++changed;
            }
    Move m;
    Position p = before;
    if (changed == 1) {
        const int c = after.board[sx[0]][sy[0]];
        if (before.board[sx[0]][sy[0]] != kEmpty || c == kEmpty || handKindOf(c) == 0) return std::nullopt;
        if (kHandKindCode[handKindOf(c)] != absCode(c)) return std::nullopt;  // dropped pieces are unpromoted
        m = Move::drop(sideOf(c), handKindOf(c), sx[0], sy[0]);
        int* hand = c < 0 ? p.ownHand : p.enemyHand;
        if (hand[m.dropKind] < 1) return std::nullopt;
        --hand[m.dropKind];
    } else if (changed == 2) {
        // The origin is the square left empty.
        int from = -1;
        for (int i = 0; i < 2; ++i)
            if (after.board[sx[i]][sy[i]] == kEmpty && before.board[sx[i]][sy[i]] != kEmpty) from = i;
        if (from < 0) return std::nullopt;
        const int to = 1 - from;
        const int piece = before.board[sx[from]][sy[from]];
        const int placed = after.board[sx[to]][sy[to]];
        if (placed == kEmpty || (placed < 0) != (piece < 0)) return std::nullopt;
        const bool promotes = placed != piece;
        if (promotes && placed != (piece < 0 ? piece - 1 : piece + 1)) return std::nullopt;
        int promoted = 0;
        if (promotes && 調査_駒成(sx[from], sy[from], sx[to], sy[to], piece, promoted) != 1) return std::nullopt;
        m = Move::boardMove(sx[from], sy[from], sx[to], sy[to], placed, promotes);
        const int t = p.board[sx[to]][sy[to]];
        if (t != kEmpty && (t < 0) == (piece < 0)) return std::nullopt;
        if (t != kEmpty && absCode(t) != kKing) ++(piece < 0 ? p.ownHand : p.enemyHand)[handKindOf(t)];
        p.board[sx[from]][sy[from]] = kEmpty;
    } else {
        return std::nullopt;
    }
    // The move explains the whole change, hands included.
    p.board[m.toX][m.toY] = m.placed;
    if (!sameBoard(p, after) || !sameHands(p, after)) return std::nullopt;
    return m;
}

}  // namespace

PositionRecord 作成_局面列の棋譜(const MoveList& list, int last, const Position* end, int lowerSideOrder) {
    PositionRecord out;
    const int listed = std::min(last, static_cast<int>(list.entries.size()) - 1);
    Position before;
    局面復元(list, 0, before);
    開始_棋譜(out.game, before, 1);
    const int steps = listed + (end ? 1 : 0);
    for (int k = 1; k <= steps; ++k) {
        Position after;
        if (k <= listed)
            局面復元(list, k, after);
        else
            after = *end;
        const std::optional<Move> m = moveBetween(before, after);
        if (!m) {
            out.badMove = k;
            break;
        }
        const MoveListEntry& e = list.entries[static_cast<std::size_t>(k - 1)];
        追加_指し手(out.game, *m,
                    MoveClock{e.manSecondsBefore, e.manSecondsAfter, e.comSecondsBefore, e.comSecondsAfter});
        before = after;
    }
    設定_先手(out.game, lowerSideOrder);
    return out;
}

}  // namespace xantu
