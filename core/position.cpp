#include "core/position.h"

namespace xantu {

bool isPieceCode(int code) {
    switch (absCode(code)) {
    case 0: case kPawn: case kPromPawn: case kLance: case kPromLance: case kKnight: case kPromKnight:
    case kSilver: case kPromSilver: case kGold: case kGoldAlt: case kBishop: case kHorse:
    case kRook: case kDragon: case kKing:
        return true;
    default:
        return false;
    }
}

bool Position::ok() const {
    int lowerKings = 0, upperKings = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = board[x][y];
            if (!isPieceCode(c)) return false;
            if (c == -kKing) ++lowerKings;
            if (c == kKing) ++upperKings;
        }
    if (lowerKings > 1 || upperKings > 1) return false;
    int own = 0, enemy = 0;
    for (int k = 1; k <= kHandKinds; ++k) {
        if (ownHand[k] < 0 || ownHand[k] > 18 || enemyHand[k] < 0 || enemyHand[k] > 18) return false;
        own += ownHand[k];
        enemy += enemyHand[k];
    }
    return own == ownHandTotal && enemy == enemyHandTotal;
}

Position turnedAbout(const Position& p) {
    Position q = p;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) q.board[x][y] = -p.board[10 - x][10 - y];
    for (int k = 1; k <= kHandKinds; ++k) {
        q.ownHand[k] = p.enemyHand[k];
        q.enemyHand[k] = p.ownHand[k];
    }
    q.ownHandTotal = p.enemyHandTotal;
    q.enemyHandTotal = p.ownHandTotal;
    return q;
}

void 初期配置(Position& p) {
    // The king squares are left as they are: only moves and surveys set them.
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) p.board[x][y] = kEmpty;
    for (int k = 0; k <= kHandKinds; ++k) p.ownHand[k] = p.enemyHand[k] = 0;
    p.ownHandTotal = p.enemyHandTotal = 0;
    static constexpr int backRank[10] = {0, kLance, kKnight, kSilver, kGold, kKing, kGold, kSilver, kKnight, kLance};
    for (int x = 1; x <= 9; ++x) {
        p.board[x][9] = -backRank[x];
        p.board[x][7] = -kPawn;
        p.board[x][3] = kPawn;
        p.board[x][1] = backRank[x];
    }
    p.board[2][8] = -kBishop;
    p.board[8][8] = -kRook;
    p.board[2][2] = kRook;
    p.board[8][2] = kBishop;
}

}  // namespace xantu
