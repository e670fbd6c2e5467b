// COM danger squares: one pass over the board after a candidate, charging
// COM's weaknesses (squares MAN attacks near COM's king, drops MAN could
// make, COM pieces left hanging) and crediting MAN pieces COM now attacks.
#include "computer/analysis.h"
#include "core/int_abs.h"
#include "core/move_check.h"

namespace xantu {

namespace {

// 1. An empty square.
Score emptySquare(const EvalContext& e, int x, int y) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const bool silverOrGold = p.ownHand[4] > 0 || p.ownHand[5] > 0;
    Score s = 0;
    // 1.1 Squares MAN attacks.
    if (e.attacked(x, y)) {
        if (iabs(p.comKingX - x) < 2 && iabs(p.comKingY - y) < 2) {  // touching COM's king
            s -= 5 * m.manInfluence[x][y];                           // 0.5 per attacker
            if (m.comInfluence[x][y] == 1 && m.manInfluence[x][y] > 1) s -= points(10);
            if (silverOrGold) s -= points(10);
        }
        if (!e.defended(x, y) && y <= 3) {
            s -= kTenth;
            if (調査_自守駒MAN_直進駒(e, x, y)) s -= points(10);
        }
        if (y < 4 && p.board[x][y + 1] == -kPawn && m.manInfluence[x][y] >= m.comInfluence[x][y]) {
            s -= points(30);
            if (調査_自守駒MAN_直進駒(e, x, y + 1)) s -= points(70);
        }
    }
    // 1.2 Drops MAN could make.
    if (p.ownHandTotal > 0) {
        const bool weak = e.attacked(x, y) || !e.defended(x, y);
        if (p.ownHand[2] > 0 && y > 2 && p.board[x][y - 1] > kLance && weak) {
            // A MAN lance here would hit the piece behind and, through it, the
            // next COM piece up the file.
            for (int t = y - 2; t >= 1; --t) {
                const int c = p.board[x][t];
                if (c == kEmpty) continue;
                if (c > kLance) s = s - points(100) - 5 * c;  // 100 + c / 2
                break;
            }
        }
        if (p.ownHand[3] > 0 && weak && y > 2 && 2 <= x && x <= 8) {
            if (p.board[x - 1][y - 2] > kPawn && p.board[x + 1][y - 2] > kPawn) s -= points(20);
        }
        if (silverOrGold && m.comInfluence[x][y] <= 1) {
            const Score around = 調査_周辺状況(e, x, y);
            if (around < points(-1)) s -= points(5);
            if (m.comInfluence[x][y] == 0 && around < 0) {
                s -= points(1);
                if (y < 4) s -= points(10);
            }
        }
        if (!e.defended(x, y)) {
            if (y == 2 && p.board[x][1] == kKnight) s -= points(5);
            if (y < 4) s -= kTenth;
            if (p.ownHand[4] > 0 && 1 < y && y < 9 && 2 <= x && x <= 8) {
                // A MAN silver here would fork two undefended COM pieces on
                // one of its diagonals.
                if (p.board[x - 1][y - 1] >= kPawn && p.board[x + 1][y + 1] >= kPawn && !e.defended(x - 1, y - 1) &&
                    !e.defended(x + 1, y + 1))
                    s -= points(20);
                if (p.board[x - 1][y + 1] >= kPawn && p.board[x + 1][y - 1] >= kPawn && !e.defended(x - 1, y + 1) &&
                    !e.defended(x + 1, y - 1))
                    s -= points(20);
            }
        }
    }
    return s;
}

// 2. A COM piece V.
Score comPiece(const EvalContext& e, int x, int y, int V) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    Score s = 0;
    // 2.1 COM's king on its back rank with the square ahead attacked.
    if (V == kKing && y == 1 && e.attacked(x, 2)) {
        s -= points(50);
        if (m.manInfluence[x][2] >= m.comInfluence[x][2]) s -= points(250);
        if (p.ownHand[4] > 0 || p.ownHand[5] > 0) s -= points(700);
    }
    // 2.2 A COM pawn a MAN rook bears on, with a MAN pawn drop to follow.
    if (V == kPawn && m.manThreat[x][y] == -kRook && p.ownHand[1] > 0 && m.manInfluence[x][y] >= m.comInfluence[x][y] &&
        y < 9 && m.comInfluence[x][y + 1] == 1)
        s -= points(5);
    // 2.3 An attacked COM piece.
    if (e.attacked(x, y)) {
        const int T = absCode(m.manThreat[x][y]);
        const int ax = m.manThreatX[x][y], ay = m.manThreatY[x][y];
        const bool attackerFree = e.t.manPinned[ax][ay] == 0;
        if (m.comGuard[x][y] == kKing && (m.manInfluence[x][y] > 1 || V > T)) s -= points(100);
        if (attackerFree && V > T) s = s - points(V) + points(T);
        if (e.defended(x, y)) {
            if (attackerFree) {
                if (m.manInfluence[x][y] > m.comInfluence[x][y] && m.comGuard[x][y] >= T) s -= points(V);
                // The back-rank exchange counts only when the attacker is
                // free as well.
                if (y <= 3 && m.manInfluence[x][y] == m.comInfluence[x][y] && p.board[x][y + 1] != kEmpty &&
                    調査_自守駒MAN_直進駒(e, x, y + 1))
                    s = s - points(V) - points(absCode(m.manThreat[x][y + 1]));
            }
        } else {
            s -= points(V);
            if (y <= 3) s -= points(10);
            const int before = e.t.savedBoard[x][y];
            if (before <= -kPawn) s += points(absCode(before));  // it has just captured there
            if (y < 4 && (m.manThreat[x][y] == -kPawn || m.manThreat[x][y] == -kLance)) s -= points(20);
        }
    }
    return s;
}

struct Forks {
    int count = 0;
    int minimum = 9999;
};

// 3. A MAN piece W.
Score manPiece(const EvalContext& e, int x, int y, int W, int P, int tx, int ty, Forks& forks) {
    const Position& p = e.p;
    Score s = 0;
    // 3.1 Defended now but not when COM began to think.
    if (e.defended(x, y) && e.t.startComInfluence[x][y] == 0) {
        if (W == -kKnight && y > 2 && !e.attacked(x, y - 1)) {
            const int b = p.board[x][y - 1];
            if (b == kSilver || b == kHorse || b == kDragon) s += points(1);
        }
        // Inside the condition above: only a newly defended square near
        // COM's king earns this.
        if (iabs(p.comKingX - x) < 3 && iabs(p.comKingY - y) < 3) s += points(15);
    }
    // 3.2 A MAN knight aiming at two undefended squares, or a MAN straight
    // piece on the file of COM's king.
    if (W == -kKnight && y > 4 && p.board[x][y - 4] >= kSilver) {
        if (x > 1) {
            const int c = p.board[x - 1][y - 2];
            if ((c == kEmpty || c >= kPawn) && !e.defended(x - 1, y - 2)) s -= points(1);
        }
        if (x < 9) {
            const int c = p.board[x + 1][y - 2];
            if ((c == kEmpty || c >= kPawn) && !e.defended(x + 1, y - 2)) s -= points(1);
        }
    } else if ((W == -kRook || W == -kDragon || W == -kLance) && x == p.comKingX) {
        s -= points(1);
    }
    // 3.3 The moved piece now attacks this MAN piece, itself safe.
    if (!e.attacked(tx, ty) && (!e.attacked(x, y) || W == -kKing) &&
        移動チェック(p, e.t.pawnFiles, tx, ty, x, y, P) == 1) {
        s += kTenth;
        ++forks.count;
        if (absCode(W) < forks.minimum) forks.minimum = absCode(W);
    }
    return s;
}

}  // namespace

Score 盤評価_COM危険座標(const EvalContext& e, int 移動駒, int COM移動先X, int COM移動先Y) {
    Score s = 0;
    Forks forks;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = e.board(x, y);
            if (v == kEmpty)
                s += emptySquare(e, x, y);
            else if (v >= kPawn)
                s += comPiece(e, x, y, v);
            else if (v <= -kPawn)
                s += manPiece(e, x, y, v, 移動駒, COM移動先X, COM移動先Y, forks);
        }
    // Two or more safe MAN targets at once: the smaller prize counts.
    if (forks.count > 1) s += points(forks.minimum);
    return s;
}

}  // namespace xantu
