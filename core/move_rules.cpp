#include "core/move_rules.h"
#include "core/hand_rows.h"

#include <cassert>

namespace xantu {

void 駒取得(Position& p, GameState& g, int 取得駒) {
    if (取得駒 == kKing) {
        g.winnerSide = g.manSide;
        return;
    }
    if (取得駒 == -kKing) {
        g.winnerSide = g.comSide;
        return;
    }
    const int kind = handKindOf(取得駒);
    if (kind == 0) return;
    if (取得駒 >= kPawn)
        ++p.ownHand[kind];
    else if (取得駒 <= -kPawn)
        ++p.enemyHand[kind];
}

int 駒移動_局面(Position& p, GameState& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    const int t = p.board[移動先X][移動先Y];
    if (t <= -kPawn) {
        if (t != -kKing) ++p.enemyHandTotal;
        駒取得(p, g, t);
    } else if (t >= kPawn) {
        if (t != kKing) ++p.ownHandTotal;
        駒取得(p, g, t);
    }
    p.board[移動先X][移動先Y] = 移動駒;
    if (移動駒 == -kKing) {
        p.manKingX = 移動先X;
        p.manKingY = 移動先Y;
    }
    if (移動元X == kUpperHandCol) {
        --p.enemyHandTotal;
        --p.enemyHand[移動元Y];
    } else if (移動元X == kLowerHandCol) {
        --p.ownHandTotal;
        --p.ownHand[lowerHandKind(移動元Y)];
    } else {
        p.board[移動元X][移動元Y] = kEmpty;
    }
    assert(p.ok(SetBound::Waived));
    return t;
}

int 調査_駒成(int 移動元X, int 移動元Y, int /*移動先X*/, int 移動先Y, int 移動駒種類, int& O_成駒) {
    if (移動元X == kUpperHandCol || 移動元X == kLowerHandCol) return 0;
    bool promotable = false;
    switch (移動駒種類) {
    case -kLance:
    case -kKnight: promotable = 移動先Y <= 3; break;
    case -kPawn:
    case -kSilver:
    case -kBishop:
    case -kRook: promotable = 移動先Y <= 3 || 移動元Y <= 3; break;
    case kLance:
    case kKnight: promotable = 移動先Y >= 7; break;
    case kPawn:
    case kSilver:
    case kBishop:
    case kRook: promotable = 移動先Y >= 7 || 移動元Y >= 7; break;
    default: break;
    }
    if (!promotable) return 0;
    O_成駒 = 移動駒種類 < 0 ? 移動駒種類 - 1 : 移動駒種類 + 1;
    return 1;
}

void 調査_2歩フラグ設定(const Position& p, PawnFiles& f) {
    for (int x = 1; x <= 9; ++x) {
        f.man[x] = 0;
        f.com[x] = 0;
        for (int y = 1; y <= 9; ++y) {
            if (p.board[x][y] == -kPawn) f.man[x] = 1;
            if (p.board[x][y] == kPawn) f.com[x] = 1;
        }
    }
}

}  // namespace xantu
