// Beware MAN's bishop: a COM piece standing where MAN's bishop or horse
// could pass on to a square checking COM's king.
#include "computer/analysis.h"
#include "core/hand_rows.h"
#include "core/move_check.h"

namespace xantu {

Score 盤評価_自角注意_COM(const EvalContext& e, int 移動元X, int 移動元Y, int 移動駒) {
    const Position& p = e.p;
    const PawnFiles& f = e.t.pawnFiles;
    // The first bishop-check square that a MAN bishop or horse standing on
    // the piece's square could reach.
    int ti = 0, ta = 0;
    for (int i = 1; i <= 9 && ti == 0; ++i)
        for (int a = 1; a <= 9; ++a) {
            if (e.t.manBishopCheckSquares[i][a] != 1) continue;
            if (移動チェック(p, f, 移動元X, 移動元Y, i, a, -kBishop) == 1 ||
                移動チェック(p, f, 移動元X, 移動元Y, i, a, -kHorse) == 1) {
                ti = i;
                ta = a;
                break;
            }
        }
    if (ti == 0) return 0;
    // Can MAN bring a bishop there: from the board, or else from the hand?
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.board[x][y];
            if ((c == -kBishop || c == -kHorse) && 移動チェック(p, f, x, y, ti, ta, c) == 1) return points(移動駒);
        }
    if (p.ownHand[6] > 0 && 移動チェック(p, f, kLowerHandCol, lowerHandRow(6), ti, ta, -kBishop) == 1)
        return points(移動駒);
    return 0;
}

}  // namespace xantu
