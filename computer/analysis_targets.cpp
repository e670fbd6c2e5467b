// Targets of a knight or lance from COM's hand, and MAN's straight backing.
#include <cassert>

#include "computer/analysis.h"
#include "core/move_check.h"

namespace xantu {

namespace {
// MAN's cheapest attacker of the square is a bishop, horse, rook or dragon.
bool majorPieceAttacks(const EvalContext& e, int x, int y) {
    const int t = e.m.manThreat[x][y];
    return -kDragon <= t && t <= -kBishop;
}
}  // namespace

Score 調査_香狙い(const EvalContext& e, int 移動先X, int 移動先Y) {
    const int x = 移動先X, y = 移動先Y;
    if (!(y > 6)) return 0;
    if (!(e.defended(x, y - 1) && !e.attacked(x, y - 1))) return 0;
    if (!majorPieceAttacks(e, x, y)) return 0;
    for (int t = y + 1; t <= 9; ++t) {
        if (e.board(x, t) == kEmpty) continue;
        if (移動チェック(e.p, e.t.pawnFiles, x, y, x, t, kLance) == 1) return points(absCode(e.board(x, t)));
        return 0;
    }
    return 0;
}

Score 調査_桂狙い(const EvalContext& e, int 移動先X, int 移動先Y) {
    const int x = 移動先X, y = 移動先Y;
    if (!majorPieceAttacks(e, x, y) || !(y > 5)) return 0;
    // A COM knight dropped on (x + d, y - 2) would reach both (x, y) and
    // (x + 2d, y).
    Score s = 0;
    for (int d = -1; d <= 1; d += 2) {
        if (d < 0 ? !(x > 2) : !(x < 8)) continue;
        const int kx = x + d, ky = y - 2, fork = e.board(x + 2 * d, y);
        if (e.board(kx, ky) == kEmpty && !e.attacked(kx, ky) && fork <= -kBishop && e.m.manThreatX[x][y] != x + 2 * d)
            s += points(absCode(fork));
    }
    return s;
}

bool 調査_自守駒MAN_直進駒(const EvalContext& e, int 入力X, int 入力Y) {
    const int x = 入力X, y = 入力Y;
    Position& p = e.p;
    const int lifted = p.board[x][y];
    p.board[x][y] = kEmpty;
    bool answer = false;
    for (int row = y + 1; row <= 9; ++row) {
        const int c = p.board[x][row];
        if (c >= kPawn) break;  // a COM piece: no
        if (c == -kLance || c == -kRook || c == -kDragon) {
            answer = 移動チェック(p, e.t.pawnFiles, x, row, x, y, c) == 1;
            break;
        }
        // empty squares and other MAN pieces are walked past
    }
    p.board[x][y] = lifted;
    return answer;
}

}  // namespace xantu
