#include "core/position.h"

namespace xantu {

bool isPieceCode(int code) {
    switch (absCode(code)) {
    case 0:
    case kPawn:
    case kPromPawn:
    case kLance:
    case kPromLance:
    case kKnight:
    case kPromKnight:
    case kSilver:
    case kPromSilver:
    case kGold:
    case kGoldAlt:
    case kBishop:
    case kHorse:
    case kRook:
    case kDragon:
    case kKing: return true;
    default: return false;
    }
}

PositionFault Position::fault(SetBound bound) const {
    PositionFault f;
    int kings[2] = {0, 0};  // lower, upper
    int inSet[8] = {};      // by hand kind, over the board and both hands
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = board[x][y];
            if (!isPieceCode(c)) {
                f.rule = PositionRule::PieceCode;
                f.x = x;
                f.y = y;
                f.found = c;
                return f;
            }
            if (c == -kKing || c == kKing) {
                if (++kings[c < 0 ? 0 : 1] > 1) {
                    f.rule = PositionRule::KingCount;
                    f.x = x;
                    f.y = y;
                    f.side = sideOf(c);
                    f.found = 2;
                    f.allowed = 1;
                    return f;
                }
            }
            ++inSet[handKindOf(c)];
        }
    for (const Side side : {Side::Lower, Side::Upper}) {
        const int* hand = side == Side::Lower ? ownHand : enemyHand;
        const int total = side == Side::Lower ? ownHandTotal : enemyHandTotal;
        int sum = 0;
        for (int k = 1; k <= kHandKinds; ++k) {
            if (hand[k] < 0 || hand[k] > 18) {
                f.rule = PositionRule::HandCount;
                f.side = side;
                f.kind = k;
                f.found = hand[k];
                f.allowed = 18;
                return f;
            }
            sum += hand[k];
            inSet[k] += hand[k];
        }
        if (sum != total) {
            f.rule = PositionRule::HandTotal;
            f.side = side;
            f.found = total;
            f.allowed = sum;
            return f;
        }
    }
    if (bound == SetBound::Waived) return f;
    for (int k = 1; k <= kHandKinds; ++k)
        if (inSet[k] > kPiecesInSet[k]) {
            f.rule = PositionRule::PieceSet;
            f.kind = k;
            f.found = inSet[k];
            f.allowed = kPiecesInSet[k];
            return f;
        }
    return f;
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

int kingCount(const Position& p, Side side) {
    const int king = sign(side) * kKing;
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += p.board[x][y] == king;
    return n;
}

bool bothKingsOnBoard(const Position& p) { return kingCount(p, Side::Lower) == 1 && kingCount(p, Side::Upper) == 1; }

Position turnedAboutWithKings(const Position& p) {
    Position q = turnedAbout(p);
    q.manKingX = p.comKingX == 0 ? 0 : 10 - p.comKingX;
    q.manKingY = p.comKingY == 0 ? 0 : 10 - p.comKingY;
    q.comKingX = p.manKingX == 0 ? 0 : 10 - p.manKingX;
    q.comKingY = p.manKingY == 0 ? 0 : 10 - p.manKingY;
    return q;
}

}  // namespace xantu
