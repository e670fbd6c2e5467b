// The board evaluation: sentinels, check, kind of move, danger, approach,
// pinned attackers, safety of the destination, edge lance and the value of
// a capture; then the level cut-offs and the piece terms.
#include "computer/evaluation.h"

#include "computer/analysis.h"
#include "computer/evaluation_sheet.h"
#include "computer/mate_search.h"
#include "core/int_abs.h"
#include "core/move_check.h"

namespace xantu {

namespace {

// Steps 1 and 2: a captured MAN king, or COM's own king left attacked, ends
// the evaluation at once. True when it ended.
bool sentinels(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    const Position& p = e.p;
    // 1. MAN's king captured.
    if (mv.C == -kKing) {
        sh.sentinel(term("1 king captured"), kScoreKingCaptured);
        return true;
    }
    // 2. COM's king left attacked.
    if (e.m.manInfluence[p.comKingX][p.comKingY] >= 1) {
        sh.sentinel(term("2 own king attacked"), kScoreRefused);
        return true;
    }
    return false;
}

// Step 3: a check given. Mate ends the evaluation (true); otherwise the
// check earns its terms.
bool checkGiven(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    if (!mv.check) return false;
    const InfluenceMap& m = e.m;
    const int tx = mv.tx, ty = mv.ty, mkx = e.p.manKingX, mky = e.p.manKingY;
    // 3.1 Mate: refused when given by a pawn (moved or dropped).
    if (詰めかMAN(e.p, m) == 1) {
        if (mv.P == kPawn)
            sh.sentinel(term("3.1 pawn mate"), kScoreRefused);
        else
            sh.sentinel(term("3.1 mate"), kScoreMate);
        return true;
    }
    // 3.2 Only MAN's king can take the checking piece, and COM defends it.
    if (m.manThreat[tx][ty] == -kKing && e.defended(tx, ty)) sh.add(term("3.2 king-only attacker"), points(100));
    // 3.3 A checker diagonally beside the king, backed by a dragon on the
    // king's file or rank.
    if (m.manInfluence[tx][ty] <= 2 && m.comGuard[tx][ty] == kDragon && tx != mkx && ty != mky && iabs(tx - mkx) < 2 &&
        iabs(ty - mky) < 2 && (m.comGuardX[tx][ty] == mkx || m.comGuardY[tx][ty] == mky))
        sh.add(term("3.3 dragon-backed check"), points(900));
    // 3.4 A safe check.
    if (!e.attacked(tx, ty)) sh.add(term("3.4 unattacked check"), points(10));
    return false;
}

// Step 4: a drop costs a little, a promotion earns a little.
void kindOfMove(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    if (mv.drop)
        sh.add(term("4 drop"), points(-5));
    else if (mv.P > e.t.candidatePiece)
        sh.add(term("4 promotion"), points(10));
}

// Step 6: closer to MAN's king than the origin was, along the larger of the
// two distances (a drop reads the distance left by the last board move
// scored).
void approach(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    const int dx = iabs(mv.tx - e.p.manKingX), dy = iabs(mv.ty - e.p.manKingY);
    if (dx > dy) {
        if (e.t.originKingDistance > dx) sh.add(term("6 approach (columns)"), points(1));
    } else {
        if (e.t.originKingDistance > dy) sh.add(term("6 approach (rows)"), kTenth);
    }
}

// Step 7: capturing a pinned attacker. The moved piece could go on to take
// MAN's cheapest attacker of the destination, which cannot leave its line.
void pinnedAttacker(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int tx = mv.tx, ty = mv.ty, mkx = p.manKingX, mky = p.manKingY;
    const int ax = m.manThreatX[tx][ty], ay = m.manThreatY[tx][ty];
    if (m.manInfluence[ax][ay] <= 0) return;
    const bool E = m.manInfluence[tx][ty] == 1 || (m.manInfluence[tx][ty] == 2 && mv.check && e.defended(tx, ty));
    const bool geometry =
        (ax == mkx && tx != mkx) || (ay == mky && ty != mky) || ((tx == mkx || ty == mky) && ax != mkx && ay != mky);
    if (t.manPinned[ax][ay] != 1 || !E || !geometry ||
        移動チェック(p, t.pawnFiles, tx, ty, ax, ay, t.candidatePiece) != 1)
        return;
    if (mv.drop) {
        sh.add(term("7 pinned attacker"), points(absCode(p.board[ax][ay])));
    } else if (p.board[t.startComThreatX[ax][ay]][t.startComThreatY[ax][ay]] != kEmpty) {
        // Nothing when the COM piece that threatened it at the start has moved away.
        sh.add(term("7 pinned attacker"), points(absCode(p.board[ax][ay])));
    }
}

// Steps 8 to 10: what the destination's attackers and defenders mean.
void destinationSafety(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int P = mv.P, tx = mv.tx, ty = mv.ty, mkx = p.manKingX, mky = p.manKingY;
    if (!e.attacked(tx, ty)) {
        // 8.1 MAN's bishop could check through the piece's diagonal.
        if (P != kBishop && P != kHorse && P != kKing && P != kPawn)
            sh.add(term("8.1 beware MAN's bishop"), -盤評価_自角注意_COM(e, tx, ty, P));
        // 8.2 Escape squares taken from MAN's king.
        if ((iabs(tx - mkx) < 3 && iabs(ty - mky) < 3) || P == kLance || (kBishop <= P && P <= kDragon)) {
            const int N = 調査_自王逃道(p, m);
            if (t.startEscapeCount > N) sh.add(term("8.2 escape squares taken"), points(t.startEscapeCount - N));
        }
    } else if (e.defended(tx, ty)) {
        // 9.1 Beside COM's king, facing a MAN rook across the destination,
        // while MAN holds a silver or a gold.
        if ((p.ownHand[4] > 0 || p.ownHand[5] > 0) && 1 < tx && tx < 9) {
            const int left = p.board[tx - 1][ty], right = p.board[tx + 1][ty];
            if (((left == -kRook || left == -kDragon) && right == kKing) ||
                ((right == -kRook || right == -kDragon) && left == kKing))
                sh.add(term("9.1 rook across the king"), -points(P));
        }
        // 9.2 Worth more than MAN's cheapest attacker: count the exchange.
        const int T = absCode(m.manThreat[tx][ty]);
        if (P > T) sh.add(term("9.2 exchange"), -points(P) + points(T));
        // 9.3 Only MAN's king attacks it, in front of a king in check.
        if (m.manThreat[tx][ty] == -kKing && ty < mky && m.comInfluence[mkx][mky] > 0)
            sh.add(term("9.3 checker only the king attacks"), points(P));
    } else {
        // 10. Attacked and not defended.
        if (mv.drop) sh.add(term("10 hanging drop"), -points(P) - points(50));
    }
}

// Step 11: leaving MAN's edge lance its file.
void edgeLance(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    const int P = mv.P, tx = mv.tx;
    if (e.p.board[tx][9] == -kLance && (tx == 1 || tx == 9) && P != kLance && P != kRook && P != kDragon && tx != mv.fx)
        sh.add(eval::term("11 edge lance"), -kTenth);
}

// Step 12: the value of a capture. Level 1 ends the evaluation here (true),
// whether or not the move captured.
bool captureValue(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    using eval::term;
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const int C = mv.C, P = mv.P, fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    if (C == kEmpty) return false;
    // 12.1 A MAN major piece taken by a minor piece.
    if ((C == -kBishop || C == -kHorse || C == -kRook || C == -kDragon) && P <= kGold)
        sh.add(term("12.1 major piece taken"), points(absCode(C)));
    // 12.2 Level 1 stops captures here.
    if (e.comLevel == 1) {
        sh.finish(term("12.2 level 1"), 0);
        return true;
    }
    if (e.attacked(tx, ty)) {
        // 12.3
        if (e.defended(tx, ty)) {
            if (p.board[tx][ty] < absCode(m.manThreat[tx][ty]))
                sh.add(term("12.3 defended capture"), points(absCode(C)));
        } else if (e.t.startManInfluence[fx][fy] != 0) {  // from an unattacked origin: nothing
            if (調査_移動可場所数(e, fx, fy, P) == 0) sh.add(term("12.3 trapped piece's capture"), points(absCode(C)));
        }
    } else {
        // 12.4
        sh.add(term("12.4 free capture"), points(absCode(C)));
        if (C == -kPromPawn || C == -kPromLance || C == -kPromKnight) sh.add(term("12.4 promoted minor"), points(50));
    }
    return false;
}

Score evaluate(const EvalContext& e, const eval::Move& mv, eval::Sheet& sh) {
    if (sentinels(e, mv, sh) || checkGiven(e, mv, sh)) return sh.s;
    kindOfMove(e, mv, sh);
    // 5. COM danger squares.
    sh.add(eval::term("5 danger squares"), 盤評価_COM危険座標(e, mv.P, mv.tx, mv.ty));
    approach(e, mv, sh);
    pinnedAttacker(e, mv, sh);
    destinationSafety(e, mv, sh);
    edgeLance(e, mv, sh);
    if (captureValue(e, mv, sh)) return sh.s;
    // 13. Level 2 stops everything here.
    if (e.comLevel == 2) return sh.finish(eval::term("13 level 2"), 0);
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
