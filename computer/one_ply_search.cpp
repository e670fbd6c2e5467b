#include "computer/one_ply_search.h"

#include <cassert>

#include "computer/analysis.h"
#include "computer/evaluation.h"
#include "core/int_abs.h"
#include "core/move_check.h"
#include "core/move_rules.h"

namespace xantu {

namespace {

inline int chebyshev(int x1, int y1, int x2, int y2) {
    const int dx = iabs(x1 - x2), dy = iabs(y1 - y2);
    return dx > dy ? dx : dy;
}

class Search {
public:
    Search(Position& p, InfluenceMap& m, TurnState& t, int level, const TraceSink* trace)
        : p_(p), m_(m), t_(t), e_{p, m, t, level, trace}, trace_(trace) {}

    void startOfTurn();
    // Returns false when MAN's king was captured (the search is over).
    bool boardMoves(SearchTick tick, void* ctx);
    void drops(SearchTick tick, void* ctx);

    SearchResult result;

private:
    Score scoreAfterSurvey(int C, int P, int fx, int fy, int tx, int ty) {
        勢力調査(p_, m_);
        ++result.surveys;
        ++result.evaluations;
        return 盤評価(e_, C, P, fx, fy, tx, ty);
    }
    void report(int fx, int fy, int tx, int ty, int placed, Score s) {
        ++result.candidates;
        if (trace_ != nullptr && trace_->candidate != nullptr)
            trace_->candidate(trace_->context, fx, fy, tx, ty, placed, s);
    }
    void record(int fx, int fy, int tx, int ty, int placed, int moved, Score s) {
        t_.bestScore = s;
        t_.bestFromX = fx;
        t_.bestFromY = fy;
        t_.bestToX = tx;
        t_.bestToY = ty;
        t_.bestPlaced = placed;
        t_.bestMovedPiece = moved;
        result.found = true;
    }

    Position& p_;
    InfluenceMap& m_;
    TurnState& t_;
    EvalContext e_;
    const TraceSink* trace_;
};

void Search::startOfTurn() {
    // Snapshot of the Position as COM begins to think.
    t_.bestScore = kScoreNone;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) t_.savedBoard[x][y] = p_.board[x][y];
    // Turn-start analyses, in this order. The escape count reads the map as
    // the last survey left it, before this turn's own survey.
    調査_2歩フラグ設定(p_, t_.pawnFiles);
    t_.startEscapeCount = 調査_自王逃道(p_, m_);
    勢力調査(p_, m_);
    ++result.surveys;
    調査_持角狙座標(p_, m_, t_);
    調査_移動不可駒(p_, t_);
    // Copies of the starting map and counts.
    t_.savedEnemyHandTotal = p_.enemyHandTotal;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            t_.startManInfluence[x][y] = m_.manInfluence[x][y];
            t_.startComInfluence[x][y] = m_.comInfluence[x][y];
            t_.startComThreatX[x][y] = m_.comThreatX[x][y];
            t_.startComThreatY[x][y] = m_.comThreatY[x][y];
        }
}

bool Search::boardMoves(SearchTick tick, void* ctx) {
    for (int x = 1; x <= 9; ++x) {
        if (tick != nullptr) tick(ctx);
        for (int y = 1; y <= 9; ++y) {
            const int piece = p_.board[x][y];
            if (!isUpper(piece)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(p_, t_.pawnFiles, x, y, tx, ty, piece) != 1) continue;
                    t_.candidatePiece = piece;
                    t_.originKingDistance = chebyshev(x, y, p_.manKingX, p_.manKingY);
                    const int C = p_.board[tx][ty];
                    p_.board[x][y] = kEmpty;
                    p_.board[tx][ty] = piece;
                    Score S;
                    int P;
                    int promoted = 0;
                    if (調査_駒成(x, y, tx, ty, piece, promoted) == 0) {
                        S = scoreAfterSurvey(C, piece, x, y, tx, ty);
                        P = piece;
                    } else {
                        if (移動後チェック(ty, piece) == 0) {
                            // The unpromoted piece would have no move left.
                            p_.board[tx][ty] = promoted;
                            S = scoreAfterSurvey(C, promoted, x, y, tx, ty);
                            P = promoted;
                        } else {
                            S = scoreAfterSurvey(C, piece, x, y, tx, ty);
                            P = piece;
                            p_.board[tx][ty] = promoted;
                            const Score S2 = scoreAfterSurvey(C, promoted, x, y, tx, ty);
                            if (S2 > S) {
                                S = S2;
                                P = promoted;
                            }
                            // A pawn, bishop or rook always promotes, keeping the larger score.
                            if (piece == kPawn || piece == kBishop || piece == kRook) P = promoted;
                        }
                    }
                    p_.board[tx][ty] = C;
                    p_.board[x][y] = piece;
                    assert(p_.ok(SetBound::Waived));
                    report(x, y, tx, ty, P, S);
                    if (S > t_.bestScore) {
                        record(x, y, tx, ty, P, piece, S);
                        if (C == -kKing) return false;
                    }
                }
        }
    }
    return true;
}

void Search::drops(SearchTick tick, void* ctx) {
    if (!(t_.savedEnemyHandTotal > 0)) return;
    for (int k = 1; k <= kHandKinds; ++k) {
        if (tick != nullptr) tick(ctx);
        if (!(p_.enemyHand[k] > 0)) continue;
        const int code = kHandKindCode[k];
        t_.candidatePiece = code;
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty) {
                if (移動チェック(p_, t_.pawnFiles, kUpperHandCol, k, tx, ty, code) != 1) continue;
                p_.board[tx][ty] = code;
                const Score S = scoreAfterSurvey(kEmpty, code, kUpperHandCol, k, tx, ty);
                p_.board[tx][ty] = kEmpty;
                assert(p_.ok(SetBound::Waived));
                report(kUpperHandCol, k, tx, ty, code, S);
                if (S > t_.bestScore) {
                    record(kUpperHandCol, k, tx, ty, code, code, S);
                    if (t_.bestScore >= kScoreMate) return;
                }
            }
    }
}

}  // namespace

SearchResult comSearch(Position& p, InfluenceMap& m, TurnState& t, int comLevel, SearchTick tick, void* tickContext,
                       const TraceSink* trace) {
    Search s(p, m, t, comLevel, trace);
    s.startOfTurn();
    if (s.boardMoves(tick, tickContext)) s.drops(tick, tickContext);
    SearchResult& r = s.result;
    if (r.found) {
        r.move = t.bestFromX == kUpperHandCol ? Move::drop(Side::Upper, t.bestFromY, t.bestToX, t.bestToY)
                                              : Move::boardMove(t.bestFromX, t.bestFromY, t.bestToX, t.bestToY,
                                                                t.bestPlaced, t.bestPlaced != t.bestMovedPiece);
        r.score = t.bestScore;
    }
    return r;
}

}  // namespace xantu
