// The piece terms of the evaluation: what the moved piece does where it
// now stands. Many of them recognise the usual opening set-ups of both
// sides by fixed squares.
#include "computer/analysis.h"
#include "computer/evaluation_sheet.h"
#include "core/int_abs.h"
#include "core/move_check.h"

namespace xantu::eval {

namespace {

// 14. Pawn.
Score pawn(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int C = mv.C, fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    // 14.1 Targets for a lance or knight from COM's hand.
    if (p.enemyHand[2] > 0) sh.add(term("14.1 lance aim"), 調査_香狙い(e, tx, ty));
    if (p.enemyHand[3] > 0) sh.add(term("14.1 knight aim"), 調査_桂狙い(e, tx, ty));
    // 14.2 What stands ahead.
    if (ty < 9) {
        const int ahead = p.board[tx][ty + 1];
        if (ahead == kGold)
            sh.add(term("14.2 gold ahead"), 5 * kTenth);
        else if (ahead == kRook)
            sh.add(term("14.2 rook ahead"), points(-1));
        // A MAN piece other than a pawn that can go nowhere safe.
        if (ahead < -kPawn && 調査_移動可場所数(e, tx, ty + 1, ahead) == 0)
            sh.add(term("14.2 trapped piece ahead"), points(absCode(ahead)));
    }
    // 14.3 A defended pawn beside a COM rook.
    if (e.defended(tx, ty) && 1 < tx && tx < 9 && (p.board[tx - 1][ty] == kRook || p.board[tx + 1][ty] == kRook))
        sh.add(term("14.3 beside the rook"), points(-1));
    if (mv.drop) {
        // 14.4 Pawn drop.
        if (!e.defended(tx, ty) && ty > 1 && p.board[tx][ty - 1] >= kSilver && (p.ownHand[1] > 0 || p.ownHand[2] > 0))
            sh.add(term("14.4 shield before a piece"), points(6));
        if (p.board[2][8] == -kBishop && tx == 2 && ty == 7 && (m.manInfluence[2][7] == 0 || m.comInfluence[2][7] > 0))
            sh.add(term("14.4 pawn before MAN's bishop"), points(30));
        const int ax = m.manThreatX[tx][ty], ay = m.manThreatY[tx][ty];
        if (!(m.manInfluence[ax][ay] == 0 && t.startComInfluence[ax][ay] > 0)) {
            const int threat = m.manThreat[tx][ty];
            if (e.defended(tx, ty) && ax == tx && (threat == -kLance || threat == -kRook) && ty < ay)
                return sh.finish(term("14.4 stop the file"), points(120));
        }
        return sh.s;
    }
    // 14.5 Pawn moved on the board.
    sh.add(term("14.5 pawn move"), -kTenth);
    if (m.comGuard[tx][ty] == kGold || m.comGuard[tx][ty] == kSilver)
        sh.add(term("14.5 guarded by gold or silver"), 6 * kTenth);
    if (ty < 8) {
        if (m.comGuard[tx][ty] == kLance) {
            sh.add(term("14.5 backed by a lance"), points(1));
        } else if (m.comGuard[tx][ty] == kRook && m.comGuardX[tx][ty] == tx &&
                   m.comInfluence[tx][ty] >= m.manInfluence[tx][ty] && m.comGuardY[tx][ty] < ty) {
            sh.add(term("14.5 backed by the rook"), points(2));
        }
        if (m.manInfluence[tx][ty + 1] == 0 && p.board[tx][ty + 2] <= -kKnight)
            sh.add(term("14.5 piece two ahead"), points(1));
        if (ty < 7) {
            if (p.board[tx][ty + 1] == -kPawn && e.attacked(tx, ty + 1))
                sh.add(term("14.5 MAN pawn ahead"), points(-5));
            if (tx < 9 && p.board[tx + 1][ty] == kBishop) {
                sh.add(term("14.5 beside the bishop"), 5 * kTenth);
                if (p.board[tx + 1][ty + 2] == -kPawn) sh.add(term("14.5 bishop's pawn target"), points(5));
            }
            if (tx > 1) {
                if (tx == 7 && ty == 4 && p.board[8][2] == kBishop) sh.add(term("14.5 opening the bishop"), points(10));
                if (p.board[tx - 1][ty] == kBishop) {
                    sh.add(term("14.5 beside the bishop"), 5 * kTenth);
                    if (p.board[tx - 1][ty + 2] == -kPawn) sh.add(term("14.5 bishop's pawn target"), points(5));
                }
            }
        }
        if (m.comInfluence[fx][fy] == 1 && C <= -kPawn) {
            if (ty > 2 && m.manThreat[tx][ty] == -kLance && p.board[tx][ty - 2] == kBishop)
                sh.add(term("14.5 capture under the lance"), points(-5));
            else
                sh.add(term("14.5 capture"), points(5));
            if (C == -kPawn && (m.manThreat[tx][ty] == -kLance || m.manThreat[tx][ty] == -kRook) &&
                m.comInfluence[fx][fy] < 2)
                sh.add(term("14.5 pawn taken before a lance or rook"), points(50));
        }
        const int ahead = p.board[tx][ty + 1];
        if (ahead <= -kPawn) {
            if (m.comInfluence[tx][ty] > m.manInfluence[tx][ty])
                return sh.finish(term("14.5 ahead: stronger"), points(1));
            if (ahead == -kPawn) return sh.finish(term("14.5 ahead: a pawn"), points(-5));
            if (e.defended(tx, ty)) {
                if (t.startComInfluence[tx][ty + 1] > 0 && t.startManInfluence[tx][ty + 1] == 0)
                    return sh.finish(term("14.5 ahead: was ours"), points(-1));
                if (m.comInfluence[tx][ty] >= m.manInfluence[tx][ty])
                    return sh.finish(term("14.5 ahead: held"), points(5));
            } else if (!e.attacked(tx, ty)) {
                return sh.finish(term("14.5 ahead: quiet"), points(1));
            }
        }
    }
    return sh.s;
}

// 16. Lance.
Score lance(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const int C = mv.C, tx = mv.tx, ty = mv.ty;
    // 16.1
    if (p.enemyHand[3] > 0) sh.add(term("16.1 knight aim"), 調査_桂狙い(e, tx, ty));
    if (mv.drop) {
        // 16.2 Lance drop.
        if (ty < 8) {
            if (p.ownHand[1] > 0 && e.attacked(tx, ty + 1) && !e.attacked(tx, ty))
                sh.add(term("16.2 pawn can block"), points(-10));
            if (p.board[tx][ty + 1] <= -kLance &&
                (!e.attacked(tx, ty) || m.comInfluence[tx][ty] >= m.manInfluence[tx][ty])) {
                // Skewer: the piece behind the first one down the file.
                for (int r = ty + 2; r <= 9; ++r) {
                    const int c = p.board[tx][r];
                    if (c == kEmpty) continue;
                    if (移動チェック(p, e.t.pawnFiles, tx, ty + 1, tx, r, kLance) == 1 && c < -kLance)
                        return sh.finish(term("16.2 skewer"), points(absCode(c)));
                    return sh.s;
                }
                return sh.s;
            }
        }
        return sh.s;
    }
    // 16.3 Lance moved on the board.
    if (C == kEmpty) return sh.finish(term("16.3 quiet lance move"), -9 * kTenth);
    if (C == -kLance) {
        sh.add(term("16.3 lance takes lance"), points(10));
        if (e.attacked(mv.tx, mv.ty)) return sh.finish(term("16.3 lance trade"), points(10));
    }
    return sh.s;
}

// 17. Knight.
Score knight(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const int tx = mv.tx, ty = mv.ty;
    sh.add(term("17 knight"), -kTenth);
    // An unpromoted COM knight never stands below row 7.
    if (ty < 9 && e.attacked(tx, ty + 1)) sh.add(term("17 square ahead attacked"), points(-1));
    if (ty < 8 && 1 < tx && tx < 9) {
        if (e.attacked(tx - 1, ty + 2) && e.attacked(tx + 1, ty + 2))
            sh.add(term("17 both jumps attacked"), points(-1));
        if (tx == 7 && ty == 3 && p.board[8][4] == kBishop) return sh.finish(term("17 blocks the bishop"), points(-5));
    }
    return sh.s;
}

// 18. Silver.
Score silver(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const int fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    if (!(ty > 1)) return sh.s;
    // 18.1 Straight forward.
    if (ty > fy) {
        if (p.board[7][5] == -kSilver || p.board[8][5] == -kSilver || p.board[9][5] == -kSilver) {
            if (tx == fx) sh.add(term("18.1 advance against MAN's silver"), points(5));
        } else {
            if (tx == fx) sh.add(term("18.1 straight advance"), -kTenth);
        }
    }
    // 18.2
    if (p.board[tx][ty - 1] == kKnight) sh.add(term("18.2 in front of a knight"), -5 * kTenth);
    // 18.3
    if (tx == 7 && ty == 3 && p.board[8][3] == kPawn && p.board[8][5] == -kPawn)
        return sh.finish(term("18.3 silver to (7,3)"), points(115));
    return sh.s;
}

// 19. Gold.
Score gold(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    // 19.1 Read as written for drops too: their origin column -1 is never the
    // destination column, so a gold dropped below its kind row counts here.
    if (ty > fy && tx != fx) sh.add(term("19.1 diagonal step forward"), -5 * kTenth);
    // 19.2
    if (ty == 4) {
        if (p.board[6][4] == kBishop && e.attacked(6, 4))
            return sh.finish(term("19.2 bishop left hanging"), points(-5));
        return sh.s;
    }
    // 19.3
    if (ty == 2) {
        if (p.board[8][3] == kPawn && p.board[8][6] == -kPawn && tx == 7 && m.manGuard[8][6] == -kRook)
            sh.add(term("19.3 gold to (7,2)"), points(10));
        if (p.ownHand[6] > 0 && p.board[tx][ty + 1] >= kPawn && t.startComInfluence[tx][ty + 1] == 0) {
            sh.add(term("19.3 guards the piece ahead"), points(2));
            if (p.board[tx][ty + 2] == kBishop && t.startComInfluence[tx][ty + 2] == 1)
                return sh.finish(term("19.3 guards the bishop's way"), points(125));
        }
    }
    return sh.s;
}

// 20. Bishop.
Score bishop(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    // 20.1
    sh.add(term("20.1 surroundings"), 調査_周辺状況(e, tx, ty));
    // 20.2
    if (ty < 9) {
        if (tx == 9 && ty == 3 && p.board[9][4] == kPawn && p.board[9][6] == -kPawn && p.board[9][9] == -kLance)
            sh.add(term("20.2 bishop to (9,3)"), points(-10));
        if (tx == 7 && ty == 3 && p.board[8][5] == -kPawn && m.manGuard[8][5] == -kRook)
            sh.add(term("20.2 bishop to (7,3)"), points(9));
        if (e.attacked(tx, ty + 1)) {
            if (調査_移動可場所数(e, tx, ty, kBishop) == 0) sh.add(term("20.2 shut in"), points(-100));
            if (ty < 8 && p.board[tx][ty + 2] == -kPawn) sh.add(term("20.2 MAN pawn two ahead"), points(-1));
        }
    }
    // 20.3 Leaving row 3.
    if (fy == 3) {
        if (fx == 9 && p.board[9][4] == kPawn && p.board[9][6] == -kPawn && m.manGuard[9][6] == -kLance)
            sh.add(term("20.3 from (9,3)"), points(10));
        if (fx == 7 && p.board[8][5] == -kPawn && m.manGuard[8][5] == -kRook &&
            t.startComInfluence[8][4] > m.comInfluence[8][4])
            sh.add(term("20.3 from (7,3)"), points(-10));
    }
    // 20.4 Bishop drop.
    if (mv.drop) {
        if (ty > 6) {
            if (調査_移動可場所数(e, tx, ty, kBishop) <= 3)
                return sh.finish(term("20.4 deep drop shut in"), points(-20));
        } else {
            if (ty == 5 && (tx == 1 || tx == 9) && p.board[tx][7] == -kPawn)
                sh.add(term("20.4 edge drop"), points(-10));
            // A sibling of the edge test (the square (4,5) is not on an edge).
            if (tx == 4 && ty == 5 && p.board[5][8] == -kGold)
                return sh.finish(term("20.4 drop on (4,5)"), points(-10));
        }
    }
    return sh.s;
}

// The rook and the dragon next to MAN's king on its file or rank, safe.
bool besideKingLine(const EvalContext& e, int tx, int ty) {
    const int kx = e.p.manKingX, ky = e.p.manKingY;
    return (tx == kx || ty == ky) && iabs(kx - tx) < 3 && iabs(ky - ty) < 3;
}

bool safeOrKingOnly(const EvalContext& e, int tx, int ty) {
    return !e.attacked(tx, ty) || (e.m.manThreat[tx][ty] == -kKing && e.defended(tx, ty));
}

// 22. Rook.
Score rook(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    // 22.1
    sh.add(term("22.1 surroundings"), 調査_周辺状況(e, tx, ty));
    if (mv.drop) {
        // 22.2 Rook drop on the back rank before a silver beside a gold.
        if (ty == 9 && p.board[tx][8] == -kSilver && 1 < tx && tx < 9 &&
            ((p.board[tx - 1][9] != kEmpty && p.board[tx + 1][8] == -kGold) ||
             (p.board[tx + 1][9] != kEmpty && p.board[tx - 1][8] == -kGold)))
            return sh.finish(term("22.2 back-rank drop"), points(-1));
        return sh.s;
    }
    // 22.3 Rook moved on the board.
    if (!e.attacked(tx, ty) && tx == 3 && ty == 4 && p.board[3][7] == -kBishop && p.board[3][6] == -kPawn &&
        p.board[3][5] == kEmpty)
        sh.add(term("22.3 rook to (3,4)"), points(7));
    if (ty < 8) {
        if (e.attacked(tx, ty + 1)) {
            sh.add(term("22.3 square ahead attacked"), points(-1));
            if (p.board[tx][ty + 2] == -kPawn && fy == ty) sh.add(term("22.3 sideways before a pawn"), points(-5));
        }
        if (fy < 9 && p.board[8][fy + 1] == -kPawn && m.manGuard[8][fy + 1] == -kRook) {
            if (m.comInfluence[8][fy] < t.startComInfluence[8][fy])
                sh.add(term("22.3 guard of (8,row) lost"), points(-11));
            if (p.board[7][fy] == kPawn && fy != ty) sh.add(term("22.3 left the row"), points(-11));
        }
        if (!e.attacked(fx, fy) && fx == 2 && fy == 2 && tx == 2 && ty == 3)
            sh.add(term("22.3 (2,2) to (2,3)"), points(-1));
    }
    if (safeOrKingOnly(e, tx, ty)) {
        if (調査_移動可場所数(e, tx, ty, kRook) <= 1) return sh.finish(term("22.3 rook shut in"), points(-35));
        if (besideKingLine(e, tx, ty)) return sh.finish(term("22.3 rook by the king"), points(100));
    }
    return sh.s;
}

// 23. Dragon.
Score dragon(const EvalContext& e, const Move& mv, Sheet& sh) {
    const Position& p = e.p;
    const int fx = mv.fx, fy = mv.fy, tx = mv.tx, ty = mv.ty;
    // 23.1
    sh.add(term("23.1 surroundings"), 調査_周辺状況(e, tx, ty));
    // 23.2 (row 1 has nothing behind it)
    if (ty > 1 && p.board[tx][ty - 1] == -kSilver && 1 < tx && tx < 9 &&
        ((p.board[tx - 1][ty] != kEmpty && p.board[tx + 1][ty - 1] == -kGold) ||
         (p.board[tx + 1][ty] != kEmpty && p.board[tx - 1][ty - 1] == -kGold)))
        sh.add(term("23.2 before a silver beside a gold"), points(-10));
    // 23.3 Leaving row 9 above a silver beside a gold.
    if (fy == 9 && p.board[fx][8] == -kSilver) {
        if (fx > 1 && p.board[fx - 1][8] == -kGold) sh.add(term("23.3 left of the silver"), points(2));
        if (fx < 9 && p.board[fx + 1][8] == -kGold) sh.add(term("23.3 right of the silver"), points(2));
    }
    // 23.4 Into MAN's back rank in front of a guarded corner.
    if (ty == 9 && p.board[tx][8] <= -kPawn) {
        if (tx == 3 && p.board[2][9] <= -kPawn && p.board[4][8] == -kGold)
            sh.add(term("23.4 into (3,9)"), points(-150));
        if (tx == 7 && p.board[8][9] <= -kPawn && p.board[6][8] == -kGold)
            sh.add(term("23.4 into (7,9)"), points(-150));
    }
    // 23.5
    if (safeOrKingOnly(e, tx, ty) && besideKingLine(e, tx, ty))
        return sh.finish(term("23.5 dragon by the king"), points(100));
    return sh.s;
}

// 24. King.
Score king(const EvalContext& e, const Move& mv, Sheet& sh) {
    const InfluenceMap& m = e.m;
    const TurnState& t = e.t;
    const int tx = mv.tx, ty = mv.ty;
    if (ty > 3) sh.add(term("24.1 king forward"), -points(15) - points(ty));
    if (tx != 5) sh.add(term("24.2 off the centre file"), points(1));
    if (t.comPinExists == 1) sh.add(term("24.3 unpins"), points(10));
    if (m.comInfluence[tx][ty] > t.startComInfluence[tx][ty]) sh.add(term("24.4 better guarded"), points(1));
    if (調査_移動可場所数(e, tx, ty, kKing) < 2) return sh.finish(term("24.5 king boxed in"), points(-20));
    return sh.s;
}

}  // namespace

Score pieceTerms(const EvalContext& e, const Move& mv, Sheet& sh) {
    const InfluenceMap& m = e.m;
    switch (mv.P) {
    case kPromLance:
    case kPromKnight:
    case kPromSilver: return sh.s;  // nothing more for these
    case kPawn: return pawn(e, mv, sh);
    case kPromPawn:  // 15.
        if (m.comInfluence[mv.tx][mv.ty] >= m.manInfluence[mv.tx][mv.ty])
            return sh.finish(term("15 promoted pawn held"), points(1));
        return sh.s;
    case kLance: return lance(e, mv, sh);
    case kKnight: return knight(e, mv, sh);
    case kSilver: return silver(e, mv, sh);
    case kGold: return gold(e, mv, sh);
    case kBishop: return bishop(e, mv, sh);
    case kHorse:  // 21.
        sh.add(term("21 surroundings"), 調査_周辺状況(e, mv.tx, mv.ty));
        return sh.s;
    case kRook: return rook(e, mv, sh);
    case kDragon: return dragon(e, mv, sh);
    case kKing: return king(e, mv, sh);
    default: return sh.s;  // 25.
    }
}

}  // namespace xantu::eval
