#include "tools/engine/turn_about.h"

namespace xantu::engine {

Position turnedAbout(const Position& p) {
    Position q;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) q.board[10 - x][10 - y] = -p.board[x][y];
    for (int k = 1; k <= kHandKinds; ++k) {
        q.ownHand[k] = p.enemyHand[k];
        q.enemyHand[k] = p.ownHand[k];
    }
    q.ownHandTotal = p.enemyHandTotal;
    q.enemyHandTotal = p.ownHandTotal;
    q.manKingX = p.comKingX == 0 ? 0 : 10 - p.comKingX;
    q.manKingY = p.comKingY == 0 ? 0 : 10 - p.comKingY;
    q.comKingX = p.manKingX == 0 ? 0 : 10 - p.manKingX;
    q.comKingY = p.manKingY == 0 ? 0 : 10 - p.manKingY;
    return q;
}

}  // namespace xantu::engine
