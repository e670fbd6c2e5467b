#include "computer/mate_search.h"

#include <cstring>

#include "core/hand_rows.h"
#include "core/int_abs.h"
#include "core/move_check.h"
#include "core/move_rules.h"

namespace xantu {

// Both mate tests try the defender's replies one move deep, in this order:
// a drop between a checking slider and the king, a king step to a square the
// attacker does not reach, and a move of another piece onto a square of the
// check (capturing the checker or blocking the line). The board is changed
// while trying and always restored before returning.
//
// Drops are judged with two-pawn flags computed here for the position under
// test, never with flags some earlier caller left behind.

namespace {

// Sides of a mate test, told by the defending king's seat.
struct Defender {
    Side side;      // Lower: MAN's king, Upper: COM's king
    int kingCode;   // -950 or +950
    int pawnCode;   // the blocker dropped for the test
    int handCol;    // 11 or -1
    int pawnFromY;  // the origin a pawn drop from that hand names
};
constexpr Defender kLowerDefender{Side::Lower, -kKing, -kPawn, kLowerHandCol, lowerHandRow(1)};
constexpr Defender kUpperDefender{Side::Upper, kKing, kPawn, kUpperHandCol, 1};

// Does some checking piece (a square marked 9) still reach the king?
bool checkerStillReaches(const Position& p, const PawnFiles& f, const int (&checkMap)[10][10], int kx, int ky) {
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= 9; ++j)
            if (checkMap[i][j] == 9 && 移動チェック(p, f, i, j, kx, ky, p.board[i][j]) == 1) return true;
    return false;
}

// Step 2: is there a square on a checking line where a dropped piece stops
// every check? `true` means yes (not mated); `false` means go on to the king
// moves (an adjacent or knight checker, or no drop helps).
bool dropBlocks(Position& p, const PawnFiles& f, const Defender& d, const int (&checkMap)[10][10], int kx, int ky,
                const int* hand, int handTotal) {
    const bool pawnsOnly = hand[1] == handTotal;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int mark = checkMap[x][y];
            if (mark == 9 && iabs(kx - x) < 2 && iabs(ky - y) < 2) return false;
            if (mark != 1) continue;
            // A pawn stands for whatever piece would be dropped. With only
            // pawns in hand a refused pawn drop leaves the square empty.
            const bool place = !(pawnsOnly && 移動チェック(p, f, d.handCol, d.pawnFromY, x, y, d.pawnCode) == 0);
            if (place) p.board[x][y] = d.pawnCode;
            const bool stillChecked = checkerStillReaches(p, f, checkMap, kx, ky);
            p.board[x][y] = kEmpty;
            if (stillChecked) return false;
        }
    return true;
}

// Step 3: a king step onto a square the attacker does not reach.
bool kingEscapes(const Position& p, const PawnFiles& f, const Defender& d, const int (&attackerInfluence)[10][10],
                 int kx, int ky) {
    for (int i = kx - 1; i <= kx + 1; ++i)
        for (int j = ky - 1; j <= ky + 1; ++j) {
            if (i < 1 || i > 9 || j < 1 || j > 9) continue;
            if (移動チェック(p, f, kx, ky, i, j, d.kingCode) == 1 && attackerInfluence[i][j] == 0) return true;
        }
    return false;
}

inline bool isDefendingPiece(const Defender& d, int code) {
    // Every piece of the defender except its king.
    return d.side == Side::Lower ? (code >= -kDragon && code <= -kPawn) : (code >= kPawn && code <= kDragon);
}

}  // namespace

int 詰めかMAN_COM移動(const Position& p) {
    const PawnFiles none;  // board moves do not read the two-pawn flags
    const int kx = p.manKingX, ky = p.manKingY;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.board[x][y];
            if (c >= kPawn && 移動チェック(p, none, x, y, kx, ky, c) == 1) return 1;
        }
    return 0;
}

int 詰めかMAN(Position& p, const InfluenceMap& m) {
    const Defender& d = kLowerDefender;
    const int kx = p.manKingX, ky = p.manKingY;
    if (m.comInfluence[kx][ky] == 0) return 0;

    PawnFiles f;
    調査_2歩フラグ設定(p, f);
    if (p.ownHandTotal > 0 && dropBlocks(p, f, d, m.manKingCheckMap, kx, ky, p.ownHand, p.ownHandTotal)) return 0;
    if (kingEscapes(p, f, d, m.comInfluence, kx, ky)) return 0;

    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const int piece = p.board[a][b];
            if (!isDefendingPiece(d, piece)) continue;
            for (int c = 1; c <= 9; ++c)
                for (int e = 1; e <= 9; ++e) {
                    if (m.manKingCheckMap[c][e] <= 0 || (c == a && e == b)) continue;
                    if (移動チェック(p, f, a, b, c, e, piece) == 0) continue;
                    const int taken = p.board[c][e];
                    p.board[c][e] = piece;
                    p.board[a][b] = kEmpty;
                    const int stillTaken = 詰めかMAN_COM移動(p);
                    p.board[a][b] = piece;
                    p.board[c][e] = taken;
                    if (stillTaken == 0) return 0;
                }
        }
    return 1;
}

int 詰めかCOM(Position& p, InfluenceMap& m) {
    const Defender& d = kUpperDefender;
    const int kx = p.comKingX, ky = p.comKingY;
    if (m.manInfluence[kx][ky] == 0) return 0;

    PawnFiles f;
    調査_2歩フラグ設定(p, f);
    if (p.enemyHandTotal > 0 && dropBlocks(p, f, d, m.comKingCheckMap, kx, ky, p.enemyHand, p.enemyHandTotal)) return 0;
    if (kingEscapes(p, f, d, m.manInfluence, kx, ky)) return 0;

    // The trials below resurvey the board, which overwrites the check map; the
    // destinations are chosen from the check map of the position under test.
    int checkMap[10][10];
    std::memcpy(checkMap, m.comKingCheckMap, sizeof checkMap);
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const int piece = p.board[a][b];
            if (!isDefendingPiece(d, piece)) continue;
            for (int c = 1; c <= 9; ++c)
                for (int e = 1; e <= 9; ++e) {
                    if (checkMap[c][e] <= 0) continue;
                    if (移動チェック(p, f, a, b, c, e, piece) == 0) continue;
                    const int taken = p.board[c][e];
                    p.board[c][e] = piece;
                    p.board[a][b] = kEmpty;
                    勢力調査(p, m);
                    p.board[a][b] = piece;
                    p.board[c][e] = taken;
                    if (m.manInfluence[p.comKingX][p.comKingY] == 0) return 0;
                }
        }
    return 1;
}

}  // namespace xantu
