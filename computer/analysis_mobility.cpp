// How freely a piece can move, and how crowded a square's surroundings are.
#include "computer/analysis.h"
#include "core/move_check.h"

namespace xantu {

int 調査_移動可場所数(const EvalContext& e, int 移動元X, int 移動元Y, int 移動駒) {
    // The squares the other side reaches do not count.
    const int(&other)[10][10] = 移動駒 >= kPawn ? e.m.manInfluence : e.m.comInfluence;
    int count = 0;
    for (int u = 1; u <= 9; ++u)
        for (int w = 1; w <= 9; ++w)
            if (other[u][w] == 0 && 移動チェック(e.p, e.t.pawnFiles, 移動元X, 移動元Y, u, w, 移動駒) == 1) ++count;
    return count;
}

Score 調査_周辺状況(const EvalContext& e, int 移動先X, int 移動先Y) {
    Score s = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int x = 移動先X + dx, y = 移動先Y + dy;
            if (x < 1 || x > 9 || y < 1 || y > 9) continue;
            if (e.board(x, y) >= kBishop) s -= points(1);
        }
    return s;
}

}  // namespace xantu
