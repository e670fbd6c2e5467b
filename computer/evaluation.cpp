// The board evaluation: sentinels, check, kind of move, danger, approach,
// pinned attackers, safety of the destination, edge lance and the value of
// a capture; then the level cut-offs and the piece terms.
#include "computer/evaluation.h"

#include "computer/analysis.h"
#include "computer/evaluation_sheet.h"
#include "computer/mate_search.h"
#include "core/move_check.h"

namespace xantu {

namespace {

inline int iabs(int v) { return v < 0 ? -v : v; }

Score evaluate(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int C = mv.C, P = mv.P, fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    const int mkx = p.manKingX, mky = p.manKingY;

    // 1. MAN's king captured.
    if (C == -kKing) return sh.sentinel("1 king captured", kScoreKingCaptured);
    // 2. COM's king left attacked.
    if (m.manInfluence[p.comKingX][p.comKingY] >= 1) return sh.sentinel("2 own king attacked", kScoreRefused);

    // 3. Check given.
    if (mv.check) {
        // 3.1 Mate: refused when given by a pawn (moved or dropped).
        if (詰めかMAN(e.p, m) == 1) {
            if (P == kPawn) return sh.sentinel("3.1 pawn mate", kScoreRefused);
            return sh.sentinel("3.1 mate", kScoreMate);
        }
        // 3.2 Only MAN's king can take the checking piece, and COM defends it.
        if (m.manThreat[tx][ty] == -kKing && e.defended(tx, ty)) sh.add("3.2 king-only attacker", points(100));
        // 3.3 A checker diagonally beside the king, backed by a dragon on the
        // king's file or rank.
        if (m.manInfluence[tx][ty] <= 2 && m.comGuard[tx][ty] == kDragon && tx != mkx && ty != mky &&
            iabs(tx - mkx) < 2 && iabs(ty - mky) < 2 && (m.comGuardX[tx][ty] == mkx || m.comGuardY[tx][ty] == mky))
            sh.add("3.3 dragon-backed check", points(900));
        // 3.4 A safe check.
        if (!e.attacked(tx, ty)) sh.add("3.4 unattacked check", points(10));
    }

    // 4. Kind of move.
    if (mv.drop)
        sh.add("4 drop", points(-5));
    else if (P > t.candidatePiece)
        sh.add("4 promotion", points(10));

    // 5. COM danger squares.
    sh.add("5 danger squares", 盤評価_COM危険座標(e, P, tx, ty));

    // 6. Approach to MAN's king (a drop reads the distance left by the last
    // board move scored).
    {
        const int dx = iabs(tx - mkx), dy = iabs(ty - mky);
        if (dx > dy) {
            if (t.originKingDistance > dx) sh.add("6 approach (columns)", points(1));
        } else {
            if (t.originKingDistance > dy) sh.add("6 approach (rows)", kTenth);
        }
    }

    // 7. Capturing a pinned attacker: the moved piece could go on to take
    // MAN's cheapest attacker of the destination, which cannot leave its line.
    {
        const int ax = m.manThreatX[tx][ty], ay = m.manThreatY[tx][ty];
        if (m.manInfluence[ax][ay] > 0) {
            const bool E = m.manInfluence[tx][ty] == 1 ||
                           (m.manInfluence[tx][ty] == 2 && mv.check && e.defended(tx, ty));
            const bool geometry = (ax == mkx && tx != mkx) || (ay == mky && ty != mky) ||
                                  ((tx == mkx || ty == mky) && ax != mkx && ay != mky);
            if (t.manPinned[ax][ay] == 1 && E && geometry &&
                移動チェック(p, t.pawnFiles, tx, ty, ax, ay, t.candidatePiece) == 1) {
                if (mv.drop) {
                    sh.add("7 pinned attacker", points(absCode(p.board[ax][ay])));
                } else if (p.board[t.startComThreatX[ax][ay]][t.startComThreatY[ax][ay]] != kEmpty) {
                    // Nothing when the COM piece that threatened it at the start has moved away.
                    sh.add("7 pinned attacker", points(absCode(p.board[ax][ay])));
                }
            }
        }
    }

    // 8.-10. Safety of the destination.
    if (!e.attacked(tx, ty)) {
        // 8.1 MAN's bishop could check through the piece's diagonal.
        if (P != kBishop && P != kHorse && P != kKing && P != kPawn)
            sh.add("8.1 beware MAN's bishop", -盤評価_自角注意_COM(e, tx, ty, P));
        // 8.2 Escape squares taken from MAN's king.
        if ((iabs(tx - mkx) < 3 && iabs(ty - mky) < 3) || P == kLance || (kBishop <= P && P <= kDragon)) {
            const int N = 調査_自王逃道(p, m);
            if (t.startEscapeCount > N) sh.add("8.2 escape squares taken", points(t.startEscapeCount - N));
        }
    } else if (e.defended(tx, ty)) {
        // 9.1 Beside COM's king, facing a MAN rook across the destination,
        // while MAN holds a silver or a gold.
        if ((p.ownHand[4] > 0 || p.ownHand[5] > 0) && 1 < tx && tx < 9) {
            const int left = p.board[tx - 1][ty], right = p.board[tx + 1][ty];
            if (((left == -kRook || left == -kDragon) && right == kKing) ||
                ((right == -kRook || right == -kDragon) && left == kKing))
                sh.add("9.1 rook across the king", -points(P));
        }
        // 9.2 Worth more than MAN's cheapest attacker: count the exchange.
        const int T = absCode(m.manThreat[tx][ty]);
        if (P > T) sh.add("9.2 exchange", -points(P) + points(T));
        // 9.3 Only MAN's king attacks it, in front of a king in check.
        if (m.manThreat[tx][ty] == -kKing && ty < mky && m.comInfluence[mkx][mky] > 0)
            sh.add("9.3 checker only the king attacks", points(P));
    } else {
        // 10. Attacked and not defended.
        if (mv.drop) sh.add("10 hanging drop", -points(P) - points(50));
    }

    // 11. Edge lance.
    if (p.board[tx][9] == -kLance && (tx == 1 || tx == 9) && P != kLance && P != kRook && P != kDragon && tx != fx)
        sh.add("11 edge lance", -kTenth);

    // 12. Value of a capture.
    if (C != kEmpty) {
        // 12.1 A MAN major piece taken by a minor piece.
        if ((C == -kBishop || C == -kHorse || C == -kRook || C == -kDragon) && P <= kGold)
            sh.add("12.1 major piece taken", points(absCode(C)));
        // 12.2 Level 1 stops captures here.
        if (e.comLevel == 1) return sh.finish("12.2 level 1", 0);
        if (e.attacked(tx, ty)) {
            // 12.3
            if (e.defended(tx, ty)) {
                if (p.board[tx][ty] < absCode(m.manThreat[tx][ty])) sh.add("12.3 defended capture", points(absCode(C)));
            } else if (t.startManInfluence[fx][fy] != 0) {  // from an unattacked origin: nothing
                if (調査_移動可場所数(e, fx, fy, P) == 0) sh.add("12.3 trapped piece's capture", points(absCode(C)));
            }
        } else {
            // 12.4
            sh.add("12.4 free capture", points(absCode(C)));
            if (C == -kPromPawn || C == -kPromLance || C == -kPromKnight) sh.add("12.4 promoted minor", points(50));
        }
    }

    // 13. Level 2 stops everything here.
    if (e.comLevel == 2) return sh.finish("13 level 2", 0);

    // 14.-25. Piece terms.
    return eval::pieceTerms(e, mv, sh);
}

}  // namespace

Score 盤評価(const EvalContext& e, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const TraceSink* tr = e.trace;
    if (tr != nullptr && tr->evaluationBegins != nullptr)
        tr->evaluationBegins(tr->context, 取得駒, 移動駒, 移動元X, 移動元Y, 移動先X, 移動先Y);
    eval::Sheet sheet{tr, 0};
    const eval::Move mv{取得駒,
                        移動駒,
                        移動元X,
                        移動元Y,
                        移動先X,
                        移動先Y,
                        移動元X == kUpperHandCol,
                        e.m.comInfluence[e.p.manKingX][e.p.manKingY] > 0};
    const Score result = evaluate(e, mv, sheet);
    if (tr != nullptr && tr->evaluationEnds != nullptr) tr->evaluationEnds(tr->context, result);
    return result;
}

}  // namespace xantu
