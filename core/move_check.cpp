#include "core/move_check.h"

#include "core/int_abs.h"
#include "core/move_rules.h"

namespace xantu {

int 移動チェック飛車(const Position& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    if (dx != 0 && dy != 0) return 0;
    if (dy != 0) {
        const int s = 移動先Y > 移動元Y ? 1 : -1;
        for (int y = 移動元Y + s; y != 移動先Y; y += s)
            if (p.board[移動先X][y] != kEmpty) return 0;
    }
    if (dx != 0) {
        const int s = 移動先X > 移動元X ? 1 : -1;
        for (int x = 移動元X + s; x != 移動先X; x += s)
            if (p.board[x][移動先Y] != kEmpty) return 0;
    }
    return 1;
}

int 移動チェック角(const Position& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    if (dx != dy && dx != -dy) return 0;
    if (dx == 0) return 1;  // origin = destination is refused earlier by the move check
    const int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
    for (int x = 移動元X + sx, y = 移動元Y + sy; x != 移動先X; x += sx, y += sy)
        if (p.board[x][y] != kEmpty) return 0;
    return 1;
}

int 移動チェック(const Position& p, const PawnFiles& f, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 int 移動駒種類) {
    const int piece = 移動駒種類;
    // 1. On the board.
    if (移動先X < 1 || 移動先X > 9 || 移動先Y < 1 || 移動先Y > 9) return 0;
    // 2. A real move.
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return 0;
    // 3. Not onto one's own piece.
    const int target = p.board[移動先X][移動先Y];
    if (piece >= kPawn) {
        if (target >= kPawn) return 0;
    } else if (target <= -kPawn) {
        return 0;
    }
    // 4. Drops.
    if (移動元X == kLowerHandCol || 移動元X == kUpperHandCol) {
        if (target != kEmpty) return 0;
        if (piece == -kPawn && f.man[移動先X] == 1) return 0;
        if (piece == kPawn && f.com[移動先X] == 1) return 0;
        // A lance or knight must keep a move on the rank it is dropped on.
        return 移動後チェック(移動先Y, piece);
    }
    // 5. Moves on the board, by piece.
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    const int adx = iabs(dx), ady = iabs(dy);
    switch (piece) {
    case kPawn:
    case -kPawn:
    case kRook:
    case -kRook: return 移動チェック飛車(p, 移動元X, 移動元Y, 移動先X, 移動先Y);
    case kPromPawn:
    case -kPromPawn:
        if (移動チェック角(p, 移動元X, 移動元Y, 移動先X, 移動先Y) == 1) return 1;
        return 移動チェック飛車(p, 移動元X, 移動元Y, 移動先X, 移動先Y);
    case kBishop:
    case -kBishop: return 移動チェック角(p, 移動元X, 移動元Y, 移動先X, 移動先Y);
    case kHorse:
    case -kHorse:
        if (adx <= 1 && ady <= 1) return 1;
        return 移動チェック角(p, 移動元X, 移動元Y, 移動先X, 移動先Y);
    case kDragon:
    case -kDragon:
        if (adx <= 1 && ady <= 1) return 1;
        return 移動チェック飛車(p, 移動元X, 移動元Y, 移動先X, 移動先Y);
    case kLance:
    case -kLance: {
        if (dx != 0) return 0;
        if (piece == kLance ? dy <= 0 : dy >= 0) return 0;
        const int s = dy > 0 ? 1 : -1;
        for (int y = 移動元Y + s; y != 移動先Y; y += s)
            if (p.board[移動先X][y] != kEmpty) return 0;
        return 1;
    }
    case kKnight: return (dy == 2 && adx == 1) ? 1 : 0;
    case -kKnight: return (dy == -2 && adx == 1) ? 1 : 0;
    case kSilver: return (adx <= 1 && (dy == 1 || (dy == -1 && dx != 0))) ? 1 : 0;
    case -kSilver: return (adx <= 1 && (dy == -1 || (dy == 1 && dx != 0))) ? 1 : 0;
    case kGold:
    case kPromLance:
    case kPromKnight:
    case kPromSilver: return ((adx <= 1 && (dy == 1 || dy == 0)) || (dx == 0 && dy == -1)) ? 1 : 0;
    case -kGold:
    case -kPromLance:
    case -kPromKnight:
    case -kPromSilver: return ((adx <= 1 && (dy == -1 || dy == 0)) || (dx == 0 && dy == 1)) ? 1 : 0;
    case kKing:
    case -kKing: return (adx <= 1 && ady <= 1) ? 1 : 0;
    default: return 1;  // no movement rule for any other code
    }
}

}  // namespace xantu
